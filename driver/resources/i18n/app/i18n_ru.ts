<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>ру́сский язы́к</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>Клавиши для программ</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME сообщает драйверу, какая программа на переднем плане, только через расширение GNOME Shell драйвера; пока оно не включено, все программы используют общие клавиши. Выполните в терминале gnome-extensions enable %1, затем выйдите из сеанса и войдите снова.</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Все экраны</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>Этот рабочий стол может отобразить перо только на один монитор, а не на все экраны. Выберите один монитор в разделе «Настройки экрана».</translation>
    </message>
</context>
</TS>
