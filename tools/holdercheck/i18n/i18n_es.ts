<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>安装提示</source>
        <translation>Aviso de instalación</translation>
    </message>
    <message>
        <source>是否结束掉这些占用wintab32.dll的进程，继续安装？

</source>
        <translation>¿Desea finalizar estos procesos que ocupan wintab32.dll y continuar con la instalación?

</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>Español</translation>
    </message>
</context>
</TS>
