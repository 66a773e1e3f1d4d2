<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>Konfigurationsdatei exportieren</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>Konfigurationsdatei importieren</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>INI-Dateien (*.ini)</translation>
    </message>
</context>
</TS>
