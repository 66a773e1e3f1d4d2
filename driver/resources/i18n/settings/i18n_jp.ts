<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>設定ファイルのエクスポート</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>設定ファイルのインポート</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>INI ファイル (*.ini)</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>エクスポートする設定はまだありません。このモデルの設定はすべて既定値のままです。</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>設定ファイルはエクスポートされませんでした。%1 はリンクまたは通常のファイルではないため、書き込みません。</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>設定ファイルを %1 にエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>%1 をインポートできませんでした。</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>%1 はインポートされませんでした。ファイルが破損しており、読み取れる設定ファイルではありません。</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>%1 をインポートしましたが、どのモデルの設定ファイルでもないため反映されません。モデルの設定ファイル名は「モデル名_config.ini」です。</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>%1 をインポートしましたが、これは現在のモデルではなくモデル「%2」の設定ファイルです。%2 を接続すると反映されます。</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>設定ファイル %1 を読み取れません。今回は既定の設定を使用します。変更は保存されず、ファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>設定を %1 に保存できません。今回の変更はドライバーの終了時に失われます。</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>設定ファイル %1 は破損していたため、%2 として保存しました。このモデルの設定は既定値に戻りました。</translation>
    </message>
</context>
</TS>
