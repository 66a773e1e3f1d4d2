<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>全部屏幕</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>旋转显示器</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</translation>
    </message>
</context>
</TS>
