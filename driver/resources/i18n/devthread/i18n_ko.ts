<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>重新校准</source>
        <translation>다시 보정</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>请点击十字准星</source>
        <translation>십자선을 눌러 주세요</translation>
    </message>
    <message>
        <source>校准已完成</source>
        <translation>보정이 완료되었습니다</translation>
    </message>
</context>
<context>
    <name>DevOperateThread</name>
    <message>
        <source>&lt;a href=%1&quot;&gt;点击查看详细解决方法</source>
        <translation>&lt;a href=%1&quot;&gt;자세한 해결 방법을 보려면 클릭하세요</translation>
    </message>
</context>
</TS>
