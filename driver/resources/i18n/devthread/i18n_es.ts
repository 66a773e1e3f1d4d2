<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>重新校准</source>
        <translation>Recalibrar</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>请点击十字准星</source>
        <translation>Toque el punto de mira</translation>
    </message>
    <message>
        <source>校准已完成</source>
        <translation>Calibración completada</translation>
    </message>
</context>
<context>
    <name>DevOperateThread</name>
    <message>
        <source>&lt;a href=%1&quot;&gt;点击查看详细解决方法</source>
        <translation>&lt;a href=%1&quot;&gt;Haga clic aquí para ver la solución detallada</translation>
    </message>
</context>
</TS>
