<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>Keys per program</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME tells the driver which program is in front only through the driver&apos;s GNOME Shell extension; until it is enabled every program uses the common keys. Run gnome-extensions enable %1 in a terminal, then log out and in again.</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>All screens</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>This desktop can map the pen onto one monitor only, not onto all screens. Choose one monitor in Screen settings.</translation>
    </message>
</context>
</TS>
