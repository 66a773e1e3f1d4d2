<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>Tous les écrans</translation>
    </message>
</context>
</TS>
