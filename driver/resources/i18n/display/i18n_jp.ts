<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>すべての画面</translation>
    </message>
</context>
</TS>
