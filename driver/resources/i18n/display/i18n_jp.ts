<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>ScreenInfo</name>
    <message>
        <source>ALL SCREEN</source>
        <translation>すべての画面</translation>
    </message>
</context>
<context>
    <name>VarnexTablet</name>
    <message>
        <source>旋转显示器</source>
        <translation>モニターの回転</translation>
    </message>
    <message>
        <source>此桌面不允许驱动旋转显示器，请在桌面的显示设置中旋转它。笔的映射已随之旋转。</source>
        <translation>このデスクトップではドライバーがモニターを回転できません。デスクトップのディスプレイ設定で回転してください。ペンの割り当ては既に回転済みです。</translation>
    </message>
</context>
</TS>
