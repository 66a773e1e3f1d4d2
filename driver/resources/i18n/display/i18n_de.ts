<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>Alle Bildschirme</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>Monitor drehen</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>Dieser Desktop lässt den Treiber den Monitor nicht drehen. Drehen Sie ihn in den Anzeigeeinstellungen des Desktops; die Stiftzuordnung ist bereits mitgedreht.</translation>
    </message>
</context>
</TS>
