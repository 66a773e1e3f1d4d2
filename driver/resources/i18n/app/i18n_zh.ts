<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>按程序设置的按键</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>全部屏幕</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</translation>
    </message>
</context>
</TS>
