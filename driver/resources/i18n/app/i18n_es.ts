<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>Teclas por programa</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME solo indica al controlador qué programa está en primer plano a través de la extensión de GNOME Shell del controlador; hasta que se active, todos los programas usan las teclas comunes. Ejecute gnome-extensions enable %1 en una terminal y luego cierre la sesión y vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Todas las pantallas</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>Este escritorio solo puede asignar el lápiz a un monitor, no a todas las pantallas. Elija un monitor en «Pantalla».</translation>
    </message>
</context>
</TS>
