<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>DriverTray</name>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
</context>
</TS>
