<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>Todas las pantallas</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>Girar el monitor</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>Este escritorio no permite que el controlador gire el monitor. Gírelo en la configuración de pantalla del escritorio; la asignación del lápiz ya se ha girado.</translation>
    </message>
</context>
</TS>
