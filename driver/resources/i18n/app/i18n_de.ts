<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>Tasten pro Programm</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME teilt dem Treiber nur über die GNOME-Shell-Erweiterung des Treibers mit, welches Programm im Vordergrund ist; bis sie aktiviert ist, verwenden alle Programme die allgemeinen Tasten. Führen Sie in einem Terminal gnome-extensions enable %1 aus und melden Sie sich danach ab und wieder an.</translation>
    </message>
</context>
</TS>
