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
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>There are no settings to export yet: all settings of this model are still the defaults.</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>The configuration file was not exported: %1 is a link or not a regular file and will not be written.</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>The configuration file could not be exported to %1.</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>%1 could not be imported.</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>%1 was not imported: the file is damaged and is not a readable configuration file.</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>%1 was imported, but it is not the configuration file of any model and has no effect. A model&apos;s configuration file is named &quot;model name_config.ini&quot;.</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>%1 was imported, but it is the configuration file of the model &quot;%2&quot;, not of the current one: it takes effect when a %2 is connected.</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>The settings file %1 cannot be read. This run uses the default settings; changes will not be saved, and the file is left as it is.</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>Settings cannot be saved to %1. Changes made in this run will be lost when the driver exits.</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>The settings file %1 was damaged and has been kept as %2. The settings of this model are back to their defaults.</translation>
    </message>
</context>
</TS>
