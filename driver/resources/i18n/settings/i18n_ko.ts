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
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>还没有可导出的设置：当前型号的设置都还是默认值。</source>
        <translation>아직 내보낼 설정이 없습니다. 이 모델의 모든 설정이 아직 기본값입니다.</translation>
    </message>
    <message>
        <source>没有导出配置文件：%1 是一个链接或不是普通文件，不会写入。</source>
        <translation>구성 파일을 내보내지 않았습니다. %1은(는) 링크이거나 일반 파일이 아니므로 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>无法导出配置文件到 %1。</source>
        <translation>구성 파일을 %1(으)로 내보낼 수 없습니다.</translation>
    </message>
    <message>
        <source>无法导入 %1。</source>
        <translation>%1을(를) 가져올 수 없습니다.</translation>
    </message>
    <message>
        <source>没有导入 %1：该文件已损坏，不是可读取的配置文件。</source>
        <translation>%1을(를) 가져오지 않았습니다. 파일이 손상되어 읽을 수 있는 구성 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>已导入 %1，但它不是任何型号的配置文件，不会生效。型号的配置文件名为“型号名称_config.ini”。</source>
        <translation>%1을(를) 가져왔지만 어떤 모델의 구성 파일도 아니므로 적용되지 않습니다. 모델의 구성 파일 이름은 &quot;모델 이름_config.ini&quot;입니다.</translation>
    </message>
    <message>
        <source>已导入 %1，但它是型号“%2”的配置文件，不是当前型号的：它将在 %2 连接时生效。</source>
        <translation>%1을(를) 가져왔지만 현재 모델이 아닌 &quot;%2&quot; 모델의 구성 파일입니다. %2이(가) 연결되면 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>SettingsNotice</name>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1。本次运行使用默认设置，所做的更改不会被保存，该文件保持原样。</source>
        <translation>설정 파일 %1을(를) 읽을 수 없습니다. 이번 실행에서는 기본 설정을 사용하며, 변경 사항은 저장되지 않고 파일은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>无法保存设置到 %1。本次运行中的更改在驱动程序退出后将会丢失。</source>
        <translation>설정을 %1에 저장할 수 없습니다. 이번 실행에서 변경한 내용은 드라이버가 종료되면 사라집니다.</translation>
    </message>
    <message>
        <source>设置文件 %1 已损坏，已另存为 %2。该型号的设置已恢复为默认值。</source>
        <translation>설정 파일 %1이(가) 손상되어 %2(으)로 보관했습니다. 이 모델의 설정이 기본값으로 돌아갔습니다.</translation>
    </message>
</context>
</TS>
