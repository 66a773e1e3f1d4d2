<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>安装提示</source>
        <translation>Уведомление об установке</translation>
    </message>
    <message>
        <source>是否结束掉这些占用wintab32.dll的进程，继续安装？

</source>
        <translation>Завершить эти процессы, которые занимают wintab32.dll, и продолжить установку?

</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>ру́сский язы́к</translation>
    </message>
</context>
</TS>
