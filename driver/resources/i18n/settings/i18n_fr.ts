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
    <message>
        <source>提示</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>Il n’y a pas encore de réglages à exporter : tous les réglages de ce modèle sont encore ceux par défaut.</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>Le fichier de configuration n’a pas été exporté : %1 est un lien ou n’est pas un fichier ordinaire et ne sera pas écrit.</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>Impossible d’exporter le fichier de configuration vers %1.</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>Impossible d’importer %1.</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>%1 n’a pas été importé : le fichier est endommagé et n’est pas un fichier de configuration lisible.</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>%1 a été importé, mais ce n’est le fichier de configuration d’aucun modèle et il reste sans effet. Le fichier de configuration d’un modèle s’appelle « nom du modèle_config.ini ».</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>%1 a été importé, mais c’est le fichier de configuration du modèle « %2 », pas du modèle actuel : il prendra effet lorsqu’un %2 sera connecté.</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu. Cette session utilise les réglages par défaut ; les modifications ne seront pas enregistrées et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1. Les modifications de cette session seront perdues à la fermeture du pilote.</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>Le fichier de réglages %1 était endommagé et a été conservé sous le nom %2. Les réglages de ce modèle sont revenus à leurs valeurs par défaut.</translation>
    </message>
</context>
</TS>
