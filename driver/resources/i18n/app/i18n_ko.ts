<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>Trans</name>
    <message>
        <source>TargetLanguage</source>
        <translation>한국어</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>按程序设置的按键</source>
        <translation>프로그램별 키</translation>
    </message>
    <message>
        <source>GNOME 只通过驱动的 GNOME Shell 扩展告诉驱动前台是哪个程序，在此之前所有程序都使用通用按键。请在终端运行 gnome-extensions enable %1 ，然后注销并重新登录。</source>
        <translation>GNOME은 드라이버의 GNOME Shell 확장을 통해서만 앞에 있는 프로그램을 드라이버에 알려 줍니다. 확장을 켜기 전까지는 모든 프로그램이 공통 키를 사용합니다. 터미널에서 gnome-extensions enable %1 을(를) 실행한 다음 로그아웃했다가 다시 로그인하십시오.</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>모든 화면</translation>
    </message>
    <message>
        <source>此桌面只能把笔映射到一台显示器上，不能映射到全部屏幕。请在屏幕设置中选择一台显示器。</source>
        <translation>이 데스크톱은 펜을 모니터 한 대에만 매핑할 수 있으며 모든 화면에는 매핑할 수 없습니다. 화면 설정에서 모니터 한 대를 선택하세요.</translation>
    </message>
</context>
</TS>
