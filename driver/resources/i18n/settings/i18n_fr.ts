<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>Exporter le fichier de configuration</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>Importer un fichier de configuration</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>Fichiers INI (*.ini)</translation>
    </message>
</context>
</TS>
