<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>重新校准</source>
        <translation>Neu kalibrieren</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>请点击十字准星</source>
        <translation>Bitte tippen Sie auf das Fadenkreuz</translation>
    </message>
    <message>
        <source>校准已完成</source>
        <translation>Kalibrierung abgeschlossen</translation>
    </message>
</context>
<context>
    <name>DevOperateThread</name>
    <message>
        <source>&lt;a href=%1&quot;&gt;点击查看详细解决方法</source>
        <translation>&lt;a href=%1&quot;&gt;Klicken Sie hier für eine ausführliche Lösung</translation>
    </message>
</context>
</TS>
