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
</TS>
