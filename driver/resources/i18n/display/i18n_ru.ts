<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>Все экраны</translation>
    </message>
</context>
</TS>
