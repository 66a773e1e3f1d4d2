<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
    <message>
        <source>无功能</source>
        <translation>No function</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Zoom canvas in</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Zoom canvas out</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Larger brush</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Smaller brush</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>New canvas</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Eyedropper</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Hand tool</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Scroll up</translation>
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
        <source>鼠标中键</source>
        <translation>Middle mouse button</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Left double click</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Right double click</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Middle double click</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Show desktop</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Switch display</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Show driver settings</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>Open: %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Mouse wheel</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Canvas zoom</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Brush size</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Page up/down</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Arrow up/down</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Arrow left/right</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Step back/forward</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Layer up/down</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>Arrow down</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>Arrow up</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>Arrow right</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>Arrow left</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>Layer below</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>Layer above</translation>
    </message>
</context>
</TS>
