<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>DriverTray</name>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
</context>
</TS>
