<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>安装提示</source>
        <translation>설치 안내</translation>
    </message>
    <message>
        <source>是否结束掉这些占用wintab32.dll的进程，继续安装？

</source>
        <translation>wintab32.dll을(를) 사용 중인 이 프로세스들을 종료하고 설치를 계속하시겠습니까?

</translation>
    </message>
</context>
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>한국어</translation>
    </message>
</context>
</TS>
