<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>Tous les écrans</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>Faire pivoter l&apos;écran</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>Ce bureau ne permet pas au pilote de faire pivoter l&apos;écran. Faites-le pivoter dans les paramètres d&apos;affichage du bureau ; le placement du stylet a déjà été pivoté.</translation>
    </message>
</context>
</TS>
