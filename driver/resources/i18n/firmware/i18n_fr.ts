<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>QFirmwareUpgrade</name>
    <message>
        <source>升级提示</source>
        <translation>Avis de mise à jour</translation>
    </message>
    <message>
        <source>运行区间获取失败，请重试.
</source>
        <translation>Impossible d'obtenir la zone d'exécution de la tablette, veuillez réessayer.
</translation>
    </message>
    <message>
        <source>固件传输失败，数位板仍处于升级模式。
请重新插拔数位板，然后再次选择固件文件进行升级。
</source>
        <translation>Le transfert du micrologiciel a échoué ; la tablette est toujours en mode de mise à jour.
Débranchez puis rebranchez la tablette et choisissez à nouveau le fichier du micrologiciel.
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
        <translation>1. Informations matérielles.
       Modèle : %1
       Type de micrologiciel : %2
       Type de stylet :  %3

2. Vérifiez que vous avez téléchargé sur votre ordinateur le dernier paquet de micrologiciel depuis le site Varnex.
3. Gardez la tablette connectée à l'ordinateur ; ne la débranchez pas pendant la mise à jour.
</translation>
    </message>
    <message>
        <source>下载提示</source>
        <translation>Avis de téléchargement</translation>
    </message>
    <message>
        <source>请在%1产品固件列表中下载固件类型为%2，
笔类型为%3的版本文件.
</source>
        <translation>Dans la liste des micrologiciels du produit %1, téléchargez le fichier du type de micrologiciel %2
et du type de stylet %3.
</translation>
    </message>
    <message>
        <source>产品型号不匹配，请下载正确的固件版本进行升级</source>
        <translation>Le modèle du produit ne correspond pas. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.</translation>
    </message>
    <message>
        <source>固件不是ST平台，请下载正确的固件版本进行升级</source>
        <translation>Le micrologiciel n'est pas destiné à la plateforme ST. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.</translation>
    </message>
    <message>
        <source>获取板子参数信息失败，请重启驱动程序，在次尝试</source>
        <translation>Impossible d'obtenir les paramètres de la carte. Veuillez redémarrer le pilote et réessayer.</translation>
    </message>
    <message>
        <source>芯片类型不匹配，请下载正确的固件版本进行升级</source>
        <translation>Le type de puce ne correspond pas. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.</translation>
    </message>
    <message>
        <source>固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级</source>
        <translation>La version de PCB du micrologiciel ne correspond pas. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.</translation>
    </message>
    <message>
        <source>固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.
</source>
        <translation>Le type de stylet du micrologiciel ne correspond pas. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.
</translation>
    </message>
    <message>
        <source>固件帧头校验失败，请下载正确的固件版本进行升级.
</source>
        <translation>La vérification de l'en-tête du micrologiciel a échoué. Veuillez télécharger la bonne version du micrologiciel pour la mise à jour.
</translation>
    </message>
</context>
</TS>
