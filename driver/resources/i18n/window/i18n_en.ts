<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Equipment not connected!</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>Click here for detailed solutions</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>Upgrading the firmware...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>Firmware upgrade completed, reconnecting the device</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
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
        <translation>Diagnostic tool</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>Hardware Info</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>Product: %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>Hardware version: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Firmware version: %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>Firmware type: %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>Pen type: %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>Pen Info</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>Current X: %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>Current Y: %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>Current tilt X: %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>Current tilt Y: %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>Current pressure: %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>Environmental Inspection</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>System name: %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>System version: %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>System type: %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Driver version: %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>Open Log Directory</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>Firmware Download</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>Firmware Upgrade</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>Operation example</translation>
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
        <translation>Short press switches the dial function,
long press for 1 s shows this overview
of the current key functions</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Driver version: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Firmware version: %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>Diagnostic tool</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>Screen settings</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>System display settings</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>Default calibration</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Equipment not connected!</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>Full area</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>Display proportion</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>Setup work area</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>Left mouse button</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Right mouse button</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Middle mouse button</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>Hot keys</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>Brush/Eraser</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Display driver control panel</translation>
    </message>
    <message>
        <source>无功能</source>
        <translation>No function</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Canvas Zoom In</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Canvas Zoom Out</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Brush Zoom In</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Brush Zoom Out</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>New Canvas</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Step Backward</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Step Forward</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Hand Grip</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Mouse Scroll</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Canvas Size</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Brush Size</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Turn Up/Down</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Up/Down Arrow</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Left/Right Arrow</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Forward/Backward Step</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Up/Down Layer</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>Dial hot key</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Switch display</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>Custom settings for specific programs</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Common</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>Dial settings</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>Short press switches the dial function; hold for 1 s to show the keys' current functions.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>Turn off hints</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>Disable express keys</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Equipment not connected!</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Import configuration</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Export configuration</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>Pen settings</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>Area settings</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>Pen settings</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>Up key</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>Down key</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>Pen nib</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Left mouse button</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Current pressure</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>Coordinate mode</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>Pen cursor speed</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Slowly</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Quickly</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>Pressure test</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>Pressure forbidden</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>Shortcut settings</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Left mouse button</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Right mouse button</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Middle mouse button</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Scroll Down</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Scroll Up</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>Show desktop (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>Switch display (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>Show driver</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Customization settings</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Custom shortcut</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>Press the keys you want</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>Set a custom name</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>Select application</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>Application information</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>Choose program</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>Programs (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>Hot keys</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>Rotate left</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>Rotate right</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>Record shortcut</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>Custom name</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
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
        <translation>This key cannot be used in a shortcut</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>Remove programs</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>Remove every program and its key settings?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>Remove "%1" and its key settings?</translation>
    </message>
</context>
</TS>
