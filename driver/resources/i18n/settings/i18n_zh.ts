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
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>还没有可导出的设置：当前型号的设置都还是默认值。</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>无法导出配置文件到 %1。</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>无法导入 %1。</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>没有导入 %1：该文件已损坏，不是可读取的配置文件。</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</translation>
    </message>
</context>
</TS>
