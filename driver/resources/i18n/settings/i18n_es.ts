<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>Exportar archivo de configuración</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>Importar archivo de configuración</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>Archivos INI (*.ini)</translation>
    </message>
</context>
</TS>
