<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>Экспорт файла настроек</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>Импорт файла настроек</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>Файлы INI (*.ini)</translation>
    </message>
</context>
</TS>
