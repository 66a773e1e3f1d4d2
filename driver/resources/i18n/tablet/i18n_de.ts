<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
    <message>
        <source>无功能</source>
        <translation>Keine Funktion</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Arbeitsfläche vergrößern</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Arbeitsfläche verkleinern</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Pinsel vergrößern</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Pinsel verkleinern</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>Neue Arbeitsfläche</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Einen Schritt zurück</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Einen Schritt vor</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Mausrad nach unten</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Mausrad nach oben</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Doppelklick links</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Doppelklick rechts</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Doppelklick Mitte</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Bildschirm wechseln</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Treibereinstellungen anzeigen</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>Öffnen: %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Arbeitsflächenzoom</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Seite auf/ab</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Pfeil auf/ab</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Pfeil links/rechts</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Schritt zurück/vor</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Ebene auf/ab</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>Pfeil ab</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>Pfeil auf</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>Ebene darunter</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>Ebene darüber</translation>
    </message>
</context>
</TS>
