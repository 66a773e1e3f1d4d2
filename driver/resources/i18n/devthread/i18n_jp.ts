<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>CalibrationWidget</name>
    <message>
        <source>重新校准</source>
        <translation>再キャリブレーション</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>请点击十字准星</source>
        <translation>十字マークをタップしてください</translation>
    </message>
    <message>
        <source>校准已完成</source>
        <translation>キャリブレーションが完了しました</translation>
    </message>
</context>
<context>
    <name>DevOperateThread</name>
    <message>
        <source>&lt;a href=%1&quot;&gt;点击查看详细解决方法</source>
        <translation>&lt;a href=%1&quot;&gt;詳しい解決方法はこちらをクリック</translation>
    </message>
</context>
</TS>
