<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>安装提示</source>
        <translation>Avis d’installation</translation>
    </message>
    <message>
        <source>是否结束掉这些占用wintab32.dll的进程，继续安装？

</source>
        <translation>Voulez-vous arrêter ces processus qui occupent wintab32.dll et poursuivre l’installation ?

</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>français</translation>
    </message>
</context>
</TS>
