<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Kein Gerät erkannt!</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>Hier klicken für ausführliche Lösungswege</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>Firmware aktualisiert, das Gerät wird neu verbunden</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DiagnosisDialog</name>
    <message>
        <source>诊断工具</source>
        <translation>Diagnosewerkzeug</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>Produkt: %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>Hardware-Version: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Firmware-Version: %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>Firmware-Typ: %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>Stifttyp: %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>Position X: %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>Position Y: %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>Neigung X: %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>Neigung Y: %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>Druck: %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>Systemumgebung</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>Systemversion: %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>Systemtyp: %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Treiberversion: %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>Firmware herunterladen</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>Firmware aktualisieren</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>KeyLayoutHelpWindow</name>
    <message>
        <source>短按为切换转环功能,
长按1s为展示按键功能界
面，显示当前配置功能</source>
        <translation>Kurz drücken wechselt die Funktion des Rads,
1 s lang drücken zeigt diese Übersicht
der eingestellten Tastenfunktionen</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Treiberversion: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Firmware-Version: %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>Diagnosewerkzeug</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Ganzer Bildschirm</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>Standardkalibrierung</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Kein Gerät erkannt!</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>Ganze Fläche</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>Bildschirmproportion</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>Arbeitsbereich einrichten</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Doppelklick</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>Stift/Radierer</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Treibereinstellungen anzeigen</translation>
    </message>
    <message>
        <source>无功能</source>
        <translation>Keine Funktion</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Leinwand vergrößern</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Leinwand verkleinern</translation>
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
        <source>撤销</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>Neue Leinwand</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Schritt vor</translation>
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
        <source>鼠标滚轮</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Leinwandgröße</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Bild auf/ab</translation>
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
        <translation>Schritt vor/zurück</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Ebene auf/ab</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>Drehrad-Tastenkürzel</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Bildschirm wechseln</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>Eigene Einstellungen für einzelne Programme</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>Drehrad</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>Kurz drücken wechselt die Drehradfunktion, 1 s lang drücken zeigt die aktuelle Tastenbelegung.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>Hinweise ausblenden</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>Express-Tasten deaktivieren</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Kein Gerät erkannt!</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Konfiguration importieren</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Konfiguration exportieren</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>Obere Taste</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>Untere Taste</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Aktueller Druck</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>Koordinatenmodus</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>Absolut</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>Relativ</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>Zeigergeschwindigkeit</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>Drucktest</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>Druck aus</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Maus</translation>
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
        <source>左键双击</source>
        <translation>Doppelklick</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>Desktop anzeigen (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>Bildschirm wechseln (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>Treiber anzeigen</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Eigene Einstellungen</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Eigenes Tastenkürzel</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>Gewünschte Tasten drücken</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>Eigenen Namen festlegen</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>Programminformationen</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>Programme (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>Eigener Name</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>此按键无法用作快捷键</source>
        <translation>Diese Taste kann nicht als Tastenkürzel dienen</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>Programme entfernen</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>Alle Programme und ihre Tasteneinstellungen entfernen?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>"%1" und seine Tasteneinstellungen entfernen?</translation>
    </message>
</context>
</TS>
