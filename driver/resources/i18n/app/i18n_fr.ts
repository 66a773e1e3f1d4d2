<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>français</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>Touches par programme</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME n&apos;indique au pilote le programme au premier plan que par l&apos;extension GNOME Shell du pilote ; tant qu&apos;elle n&apos;est pas activée, tous les programmes utilisent les touches communes. Exécutez gnome-extensions enable %1 dans un terminal, puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Tous les écrans</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>Ce bureau ne peut faire correspondre le stylet qu’à un seul moniteur, pas à tous les écrans. Choisissez un moniteur dans « Écran ».</translation>
    </message>
</context>
</TS>
