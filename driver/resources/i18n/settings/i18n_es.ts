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
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>Todavía no hay ajustes que exportar: todos los ajustes de este modelo siguen siendo los predeterminados.</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>No se ha exportado el archivo de configuración: %1 es un enlace o no es un archivo normal y no se escribirá.</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>No se pudo exportar el archivo de configuración a %1.</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>No se pudo importar %1.</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>No se ha importado %1: el archivo está dañado y no es un archivo de configuración legible.</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>Se ha importado %1, pero no es el archivo de configuración de ningún modelo y no tendrá efecto. El archivo de configuración de un modelo se llama «nombre del modelo_config.ini».</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>Se ha importado %1, pero es el archivo de configuración del modelo «%2», no del actual: tendrá efecto cuando se conecte un %2.</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>No se puede leer el archivo de ajustes %1. Esta sesión usa los ajustes predeterminados; los cambios no se guardarán y el archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>No se pueden guardar los ajustes en %1. Los cambios de esta sesión se perderán cuando se cierre el controlador.</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>El archivo de ajustes %1 estaba dañado y se ha guardado como %2. Los ajustes de este modelo vuelven a ser los predeterminados.</translation>
    </message>
</context>
</TS>
