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
    <message>
        <source>提示</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>Es gibt noch keine Einstellungen zum Exportieren: Alle Einstellungen dieses Modells sind noch die Standardwerte.</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>Die Konfigurationsdatei wurde nicht exportiert: %1 ist ein Link oder keine normale Datei und wird nicht beschrieben.</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>Die Konfigurationsdatei konnte nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>%1 konnte nicht importiert werden.</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>%1 wurde nicht importiert: Die Datei ist beschädigt und keine lesbare Konfigurationsdatei.</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>%1 wurde importiert, ist aber die Konfigurationsdatei keines Modells und bleibt ohne Wirkung. Die Konfigurationsdatei eines Modells heißt „Modellname_config.ini“.</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>%1 wurde importiert, ist aber die Konfigurationsdatei des Modells „%2“, nicht des aktuellen: Sie wird wirksam, sobald ein %2 angeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Dieser Lauf verwendet die Standardeinstellungen; Änderungen werden nicht gespeichert, und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden. Änderungen in diesem Lauf gehen verloren, wenn der Treiber beendet wird.</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>Die Einstellungsdatei %1 war beschädigt und wurde als %2 aufbewahrt. Die Einstellungen dieses Modells sind wieder auf den Standardwerten.</translation>
    </message>
</context>
</TS>
