<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>QFirmwareUpgrade</name>
    <message>
        <source>升级提示</source>
        <translation>Aviso de actualización</translation>
    </message>
    <message>
        <source>运行区间获取失败，请重试.
</source>
        <translation>No se pudo obtener la región de ejecución de la tableta; inténtelo de nuevo.
</translation>
    </message>
    <message>
        <source>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
</source>
        <translation>La transferencia del firmware ha fallado; la tableta sigue en modo de actualización.
Desconecte la tableta, vuelva a conectarla y elija de nuevo el archivo de firmware para actualizar.
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
        <translation>1. Información del hardware.
       Modelo: %1
       Tipo de firmware: %2
       Tipo de lápiz:  %3

2. Asegúrese de haber descargado en su ordenador el paquete de firmware más reciente del sitio web de Varnex.
3. Mantenga la tableta conectada al ordenador; no la desconecte durante la actualización.
</translation>
    </message>
    <message>
        <source>下载提示</source>
        <translation>Aviso de descarga</translation>
    </message>
    <message>
        <source>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</source>
        <translation>En la lista de firmware del producto %1, descargue el archivo del tipo de firmware %2
y del tipo de lápiz %3.
</translation>
    </message>
    <message>
        <source>产品型号不匹配，请下载正确的固件版本进行升级</source>
        <translation>El modelo del producto no coincide. Descargue la versión de firmware correcta para actualizar.</translation>
    </message>
    <message>
        <source>固件不是ST平台，请下载正确的固件版本进行升级</source>
        <translation>El firmware no es para la plataforma ST. Descargue la versión de firmware correcta para actualizar.</translation>
    </message>
    <message>
        <source>获取板子参数信息失败，请重启驱动程序，在次尝试</source>
        <translation>No se pudieron obtener los parámetros de la placa. Reinicie el controlador e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>芯片类型不匹配，请下载正确的固件版本进行升级</source>
        <translation>El tipo de chip no coincide. Descargue la versión de firmware correcta para actualizar.</translation>
    </message>
    <message>
        <source>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</source>
        <translation>La versión de PCB del firmware no coincide. Descargue la versión de firmware correcta para actualizar.</translation>
    </message>
    <message>
        <source>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</source>
        <translation>El tipo de lápiz del firmware no coincide. Descargue la versión de firmware correcta para actualizar.
</translation>
    </message>
    <message>
        <source>固件帧头校验失败，请下载正确的固件版本进行升级.
</source>
        <translation>La verificación del encabezado del firmware ha fallado. Descargue la versión de firmware correcta para actualizar.
</translation>
    </message>
</context>
</TS>
