<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>모든 화면</translation>
    </message>
</context>
</TS>
