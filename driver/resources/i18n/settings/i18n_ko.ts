<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>ConfigFile</name>
    <message>
        <source>导出配置文件</source>
        <translation>설정 파일 내보내기</translation>
    </message>
    <message>
        <source>导入配置文件</source>
        <translation>설정 파일 가져오기</translation>
    </message>
    <message>
        <source>ini (*.ini)</source>
        <translation>INI 파일 (*.ini)</translation>
    </message>
</context>
</TS>
