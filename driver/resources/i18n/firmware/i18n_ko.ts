<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>QFirmwareUpgrade</name>
    <message>
        <source>升级提示</source>
        <translation>업그레이드 안내</translation>
    </message>
    <message>
        <source>运行区间获取失败，请重试.
</source>
        <translation>실행 영역을 가져오지 못했습니다. 다시 시도하십시오.
</translation>
    </message>
    <message>
        <source>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
</source>
        <translation>펌웨어 전송에 실패했습니다. 태블릿이 아직 업그레이드 모드입니다.
태블릿을 분리했다가 다시 연결한 후 펌웨어 파일을 다시 선택하여 업그레이드하십시오.
</translation>
    </message>
    <message>
        <source>1.硬件信息.
       产品型号：%1
       固件类型：%2
       笔类型：  %3

2.确认已从Varnex官网下载 最新固件升级包到您的电脑.
3.保持数位板与电脑连接, 中途不可断开.
</source>
        <translation>1. 하드웨어 정보
       제품 모델: %1
       펌웨어 유형: %2
       펜 유형:  %3

2. Varnex 공식 웹사이트에서 최신 펌웨어 업그레이드 패키지를 컴퓨터에 다운로드했는지 확인하십시오.
3. 태블릿을 컴퓨터에 연결된 상태로 유지하고 도중에 분리하지 마십시오.
</translation>
    </message>
    <message>
        <source>下载提示</source>
        <translation>다운로드 안내</translation>
    </message>
    <message>
        <source>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</source>
        <translation>%1 제품 펌웨어 목록에서 펌웨어 유형 %2,
펜 유형 %3의 파일을 다운로드하십시오.
</translation>
    </message>
    <message>
        <source>产品型号不匹配，请下载正确的固件版本进行升级</source>
        <translation>제품 모델이 일치하지 않습니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>固件不是ST平台，请下载正确的固件版本进行升级</source>
        <translation>펌웨어가 ST 플랫폼용이 아닙니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>获取板子参数信息失败，请重启驱动程序，在次尝试</source>
        <translation>보드 매개변수 정보를 가져오지 못했습니다. 드라이버를 다시 시작한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>芯片类型不匹配，请下载正确的固件版本进行升级</source>
        <translation>칩 유형이 일치하지 않습니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</source>
        <translation>펌웨어의 PCB 버전이 일치하지 않습니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.</translation>
    </message>
    <message>
        <source>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</source>
        <translation>펌웨어의 펜 유형이 일치하지 않습니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.
</translation>
    </message>
    <message>
        <source>固件帧头校验失败，请下载正确的固件版本进行升级.
</source>
        <translation>펌웨어 헤더 검증에 실패했습니다. 올바른 펌웨어 버전을 다운로드하여 업그레이드하십시오.
</translation>
    </message>
</context>
</TS>
