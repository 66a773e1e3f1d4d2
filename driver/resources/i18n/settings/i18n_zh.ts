<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>ini (*.ini)</translation>
    </message>
</context>
</TS>
