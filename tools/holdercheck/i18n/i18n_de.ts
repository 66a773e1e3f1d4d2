<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>安装提示</source>
        <translation>Installationshinweis</translation>
    </message>
    <message>
        <source>是否结束掉这些占用wintab32.dll的进程，继续安装？

</source>
        <translation>Möchten Sie diese Prozesse, die wintab32.dll belegen, beenden und die Installation fortsetzen?

</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>Deutsch</translation>
    </message>
</context>
</TS>
