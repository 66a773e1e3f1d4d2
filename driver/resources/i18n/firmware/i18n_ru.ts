<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>QFirmwareUpgrade</name>
    <message>
        <source>升级提示</source>
        <translation>Уведомление об обновлении</translation>
    </message>
    <message>
        <source>运行区间获取失败，请重试.
</source>
        <translation>Не удалось определить область выполнения планшета, повторите попытку.
</translation>
    </message>
    <message>
        <source>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
</source>
        <translation>Не удалось передать прошивку; планшет всё ещё в режиме обновления.
Отключите и снова подключите планшет, затем снова выберите файл прошивки для обновления.
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
        <translation>1. Сведения об оборудовании.
       Модель: %1
       Тип прошивки: %2
       Тип пера:  %3

2. Убедитесь, что вы скачали на компьютер последний пакет прошивки с сайта Varnex.
3. Не отключайте планшет от компьютера во время обновления.
</translation>
    </message>
    <message>
        <source>下载提示</source>
        <translation>Уведомление о загрузке</translation>
    </message>
    <message>
        <source>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</source>
        <translation>В списке прошивок продукта %1 скачайте файл для типа прошивки %2
и типа пера %3.
</translation>
    </message>
    <message>
        <source>产品型号不匹配，请下载正确的固件版本进行升级</source>
        <translation>Модель продукта не совпадает. Скачайте правильную версию прошивки для обновления.</translation>
    </message>
    <message>
        <source>固件不是ST平台，请下载正确的固件版本进行升级</source>
        <translation>Прошивка не предназначена для платформы ST. Скачайте правильную версию прошивки для обновления.</translation>
    </message>
    <message>
        <source>获取板子参数信息失败，请重启驱动程序，在次尝试</source>
        <translation>Не удалось получить параметры платы. Перезапустите драйвер и повторите попытку.</translation>
    </message>
    <message>
        <source>芯片类型不匹配，请下载正确的固件版本进行升级</source>
        <translation>Тип микросхемы не совпадает. Скачайте правильную версию прошивки для обновления.</translation>
    </message>
    <message>
        <source>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</source>
        <translation>Версия печатной платы в прошивке не совпадает. Скачайте правильную версию прошивки для обновления.</translation>
    </message>
    <message>
        <source>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</source>
        <translation>Тип пера в прошивке не совпадает. Скачайте правильную версию прошивки для обновления.
</translation>
    </message>
    <message>
        <source>固件帧头校验失败，请下载正确的固件版本进行升级.
</source>
        <translation>Проверка заголовка прошивки не удалась. Скачайте правильную версию прошивки для обновления.
</translation>
    </message>
</context>
</TS>
