<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>Export configuration file</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>Import configuration file</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>INI files (*.ini)</translation>
    </message>
</context>
</TS>
