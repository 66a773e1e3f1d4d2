<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>¡No se detecta ningún dispositivo!</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>Haga clic para ver soluciones detalladas</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>Actualizando el firmware...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>Firmware actualizado, reconectando el dispositivo</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DiagnosisDialog</name>
    <message>
        <source>诊断工具</source>
        <translation>Herramienta de diagnóstico</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>Dispositivo: %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>Producto: %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>Versión del hardware: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Versión del firmware: %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>Tipo de firmware: %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>Tipo de lápiz: %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>Posición X: %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>Posición Y: %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>Inclinación X: %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>Inclinación Y: %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>Presión: %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>Entorno del sistema</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>Sistema: %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>Versión del sistema: %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>Tipo de sistema: %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Versión del controlador: %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>Descargar firmware</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>Actualizar firmware</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>KeyLayoutHelpWindow</name>
    <message>
        <source>短按为切换转环功能,
长按1s为展示按键功能界
面，显示当前配置功能</source>
        <translation>Una pulsación corta cambia la función de la rueda,
una pulsación de 1 s muestra este resumen
de las funciones actuales de las teclas</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Versión del controlador: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Versión del firmware: %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>Herramienta de diagnóstico</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>Ajustes de pantalla del sistema</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>Calibración predeterminada</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>¡No se detecta ningún dispositivo!</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>Área completa</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>Proporción de pantalla</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>Configurar área de trabajo</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Doble clic</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>Pincel/Borrador</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Mostrar panel del controlador</translation>
    </message>
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
        <translation>Aumentar pincel</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Reducir pincel</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
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
        <source>吸管</source>
        <translation>Cuentagotas</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Rueda del ratón</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Tamaño del lienzo</translation>
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
        <translation>Paso adelante/atrás</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Capa arriba/abajo</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>Atajo de la rueda</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Cambiar de pantalla</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>Configuración personalizada por programa</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>Rueda</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>Una pulsación corta cambia la función de la rueda; mantenga 1 s para ver las funciones actuales de las teclas.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>Ocultar avisos</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>Desactivar teclas rápidas</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>¡No se detecta ningún dispositivo!</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Importar configuración</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Exportar configuración</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>Botón superior</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>Botón inferior</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Presión actual</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>Modo de coordenadas</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>Absoluto</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>Relativo</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>Velocidad del puntero</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>Prueba de presión</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>Sin presión</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Predeterminado</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>Configuración de atajos</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Ratón</translation>
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
        <source>左键双击</source>
        <translation>Doble clic</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Desplazar hacia abajo</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Desplazar hacia arriba</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>Mostrar escritorio (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>Cambiar de pantalla (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>Mostrar el controlador</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Personalización</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Atajo personalizado</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>Pulse las teclas deseadas</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>Nombre personalizado</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>Configuración de aplicaciones</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>Información de la aplicación</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>Elegir programa</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>Programas (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>Atajo de teclado</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>Grabar atajo</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>Nombre personalizado</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>此按键无法用作快捷键</source>
        <translation>Esta tecla no se puede usar en un atajo</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>Quitar programas</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>¿Quitar todos los programas y sus ajustes de teclas?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>¿Quitar «%1» y sus ajustes de teclas?</translation>
    </message>
</context>
</TS>
