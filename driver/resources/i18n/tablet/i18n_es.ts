<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
    <message>
        <source>无功能</source>
        <translation>Sin función</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Acercar lienzo</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Alejar lienzo</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Pincel más grande</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Pincel más pequeño</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>Nuevo lienzo</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Paso adelante</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Rueda abajo</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Rueda arriba</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Doble clic izquierdo</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Doble clic derecho</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Doble clic central</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Cambiar pantalla</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Mostrar ajustes del controlador</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>Abrir: %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Rueda del ratón</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Zoom del lienzo</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Tamaño del pincel</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Re Pág/Av Pág</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Flecha arriba/abajo</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Flecha izquierda/derecha</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Paso atrás/adelante</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Capa arriba/abajo</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>Capa inferior</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>Capa superior</translation>
    </message>
</context>
</TS>
