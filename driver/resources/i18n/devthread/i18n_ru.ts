<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>重新校准</source>
        <translation>Откалибровать заново</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>请点击十字准星</source>
        <translation>Коснитесь перекрестия</translation>
    </message>
    <message>
        <source>校准已完成</source>
        <translation>Калибровка завершена</translation>
    </message>
</context>
<context>
    <name>DevOperateThread</name>
    <message>
        <source>&lt;a href=%1&quot;&gt;点击查看详细解决方法</source>
        <translation>&lt;a href=%1&quot;&gt;Нажмите, чтобы увидеть подробное решение</translation>
    </message>
</context>
</TS>
