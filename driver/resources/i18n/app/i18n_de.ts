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
    <message>
        <source>全部屏幕</source>
        <translation>Alle Bildschirme</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>Diese Arbeitsfläche kann den Stift nur auf einen Monitor abbilden, nicht auf alle Bildschirme. Wählen Sie unter „Bildschirm“ einen Monitor.</translation>
    </message>
</context>
</TS>
