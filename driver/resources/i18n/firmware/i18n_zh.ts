<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>QFirmwareUpgrade</name>
    <message>
        <source>升级提示</source>
        <translation>升级提示</translation>
    </message>
    <message>
        <source>运行区间获取失败，请重试.
</source>
        <translation>运行区间获取失败，请重试.
</translation>
    </message>
    <message>
        <source>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
</source>
        <translation>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
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
        <translation>1.硬件信息.
       产品型号：%1
       固件类型：%2
       笔类型：  %3

2.确认已从Varnex官网下载 最新固件升级包到您的电脑.
3.保持数位板与电脑连接, 中途不可断开.
</translation>
    </message>
    <message>
        <source>下载提示</source>
        <translation>下载提示</translation>
    </message>
    <message>
        <source>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</source>
        <translation>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</translation>
    </message>
    <message>
        <source>产品型号不匹配，请下载正确的固件版本进行升级</source>
        <translation>产品型号不匹配，请下载正确的固件版本进行升级</translation>
    </message>
    <message>
        <source>固件不是ST平台，请下载正确的固件版本进行升级</source>
        <translation>固件不是ST平台，请下载正确的固件版本进行升级</translation>
    </message>
    <message>
        <source>获取板子参数信息失败，请重启驱动程序，在次尝试</source>
        <translation>获取板子参数信息失败，请重启驱动程序，在次尝试</translation>
    </message>
    <message>
        <source>芯片类型不匹配，请下载正确的固件版本进行升级</source>
        <translation>芯片类型不匹配，请下载正确的固件版本进行升级</translation>
    </message>
    <message>
        <source>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</source>
        <translation>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</translation>
    </message>
    <message>
        <source>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</source>
        <translation>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</translation>
    </message>
    <message>
        <source>固件帧头校验失败，请下载正确的固件版本进行升级.
</source>
        <translation>固件帧头校验失败，请下载正确的固件版本进行升级.
</translation>
    </message>
</context>
</TS>
