<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>모든 화면</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>모니터 회전</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>이 데스크톱에서는 드라이버가 모니터를 회전할 수 없습니다. 데스크톱의 디스플레이 설정에서 회전하십시오. 펜 매핑은 이미 함께 회전되었습니다.</translation>
    </message>
</context>
</TS>
