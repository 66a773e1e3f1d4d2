<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>DeviceOfflineDialog</name>
    <message>
        <source>提示</source>
        <translation>Уведомление</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Устройство не подключено!</translation>
    </message>
    <message>
        <source>点击查看详细解决方法</source>
        <translation>Нажмите, чтобы узнать подробные способы решения</translation>
    </message>
    <message>
        <source>固件正在升级...</source>
        <translation>Обновление прошивки...</translation>
    </message>
    <message>
        <source>固件升级完成，正在重连设备</source>
        <translation>Прошивка обновлена, устройство переподключается</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>DiagnosisDialog</name>
    <message>
        <source>诊断工具</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>硬件检查</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <source>设备:%1</source>
        <translation>Устройство: %1</translation>
    </message>
    <message>
        <source>产品:%1</source>
        <translation>Изделие: %1</translation>
    </message>
    <message>
        <source>硬件版本：%1</source>
        <translation>Версия оборудования: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Версия прошивки: %1</translation>
    </message>
    <message>
        <source>固件类型：%1</source>
        <translation>Тип прошивки: %1</translation>
    </message>
    <message>
        <source>笔类型：%1</source>
        <translation>Тип пера: %1</translation>
    </message>
    <message>
        <source>笔信息</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>当前坐标X:%1</source>
        <translation>Координата X: %1</translation>
    </message>
    <message>
        <source>当前坐标Y:%1</source>
        <translation>Координата Y: %1</translation>
    </message>
    <message>
        <source>当前倾斜X:%1</source>
        <translation>Наклон X: %1</translation>
    </message>
    <message>
        <source>当前倾斜Y:%1</source>
        <translation>Наклон Y: %1</translation>
    </message>
    <message>
        <source>当前压力感应:%1</source>
        <translation>Нажим: %1</translation>
    </message>
    <message>
        <source>环境检查</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>系统名称:%1</source>
        <translation>Система: %1</translation>
    </message>
    <message>
        <source>系统版本:%1</source>
        <translation>Версия системы: %1</translation>
    </message>
    <message>
        <source>系统类型:%1</source>
        <translation>Тип системы: %1</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Версия драйвера: %1</translation>
    </message>
    <message>
        <source>打开日志记录</source>
        <translation>Открыть журналы</translation>
    </message>
    <message>
        <source>固件下载</source>
        <translation>Скачать прошивку</translation>
    </message>
    <message>
        <source>固件升级</source>
        <translation>Обновить прошивку</translation>
    </message>
</context>
<context>
    <name>ExampleDialog</name>
    <message>
        <source>操作示例</source>
        <translation>Пример</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>KeyLayoutHelpWindow</name>
    <message>
        <source>短按为切换转环功能,
长按1s为展示按键功能界
面，显示当前配置功能</source>
        <translation>Короткое нажатие переключает функцию колеса,
нажатие на 1 с показывает этот обзор
текущих функций клавиш</translation>
    </message>
</context>
<context>
    <name>AboutPage</name>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>驱动版本:%1</source>
        <translation>Версия драйвера: %1</translation>
    </message>
    <message>
        <source>固件版本：%1</source>
        <translation>Версия прошивки: %1</translation>
    </message>
    <message>
        <source>诊断工具</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>AreaPage</name>
    <message>
        <source>屏幕设置</source>
        <translation>Настройки экрана</translation>
    </message>
    <message>
        <source>全部屏幕</source>
        <translation>Весь экран</translation>
    </message>
    <message>
        <source>系统显示设置</source>
        <translation>Параметры дисплея</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>默认校准</source>
        <translation>Калибровка по умолчанию</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Устройство не подключено!</translation>
    </message>
    <message>
        <source>全部区域</source>
        <translation>Вся область</translation>
    </message>
    <message>
        <source>显示器比例</source>
        <translation>Пропорции экрана</translation>
    </message>
    <message>
        <source>设置工作区</source>
        <translation>Настроить рабочую область</translation>
    </message>
    <message>
        <source>旋转设置</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>KeyFunctionLists</name>
    <message>
        <source>鼠标左键</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Двойной щелчок</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Ластик</translation>
    </message>
    <message>
        <source>程序</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>热键</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>笔/橡皮擦</source>
        <translation>Кисть/ластик</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Показать панель драйвера</translation>
    </message>
    <message>
        <source>无功能</source>
        <translation>Нет функции</translation>
    </message>
    <message>
        <source>画布放大</source>
        <translation>Увеличить холст</translation>
    </message>
    <message>
        <source>画布缩小</source>
        <translation>Уменьшить холст</translation>
    </message>
    <message>
        <source>笔刷放大</source>
        <translation>Увеличить кисть</translation>
    </message>
    <message>
        <source>笔刷缩小</source>
        <translation>Уменьшить кисть</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>新建画布</source>
        <translation>Новый холст</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>后退一步</source>
        <translation>Шаг назад</translation>
    </message>
    <message>
        <source>前进一步</source>
        <translation>Шаг вперёд</translation>
    </message>
    <message>
        <source>吸管</source>
        <translation>Пипетка</translation>
    </message>
    <message>
        <source>抓手</source>
        <translation>Рука</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Колесо мыши</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Размер холста</translation>
    </message>
    <message>
        <source>笔刷大小</source>
        <translation>Размер кисти</translation>
    </message>
    <message>
        <source>上下翻页</source>
        <translation>Страница вверх/вниз</translation>
    </message>
    <message>
        <source>上下箭头</source>
        <translation>Стрелки вверх/вниз</translation>
    </message>
    <message>
        <source>左右箭头</source>
        <translation>Стрелки влево/вправо</translation>
    </message>
    <message>
        <source>前后步骤</source>
        <translation>Шаг вперёд/назад</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Слой вверх/вниз</translation>
    </message>
    <message>
        <source>转环热键</source>
        <translation>Сочетание для диска</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Переключить дисплей</translation>
    </message>
</context>
<context>
    <name>KeyPage</name>
    <message>
        <source>按键设置</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>为指定程序添加个性化配置</source>
        <translation>Индивидуальные настройки для программ</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>转环设置</source>
        <translation>Настройка колеса</translation>
    </message>
    <message>
        <source>短按为切换转环功能，长按1S为展示按键
的功能界面，显示当前配置功能</source>
        <translation>Короткое нажатие переключает функцию колеса, удержание 1 с показывает текущие функции клавиш.</translation>
    </message>
    <message>
        <source>关闭提示</source>
        <translation>Скрыть подсказки</translation>
    </message>
    <message>
        <source>禁用快捷键</source>
        <translation>Отключить экспресс-клавиши</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>ModelBar</name>
    <message>
        <source>型号</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>没有识别到设备！</source>
        <translation>Устройство не подключено!</translation>
    </message>
    <message>
        <source>配置设置</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>导入配置</source>
        <translation>Импорт настроек</translation>
    </message>
    <message>
        <source>导出配置</source>
        <translation>Экспорт настроек</translation>
    </message>
</context>
<context>
    <name>NavigationPane</name>
    <message>
        <source>笔设置</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>区域设置</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>按键设置</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>PenPage</name>
    <message>
        <source>笔设置</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>上键</source>
        <translation>Верхняя кнопка</translation>
    </message>
    <message>
        <source>下键</source>
        <translation>Нижняя кнопка</translation>
    </message>
    <message>
        <source>笔尖</source>
        <translation>Наконечник</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>压感设置</source>
        <translation>Нажим</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>笔压</source>
        <translation>Нажим</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>当前压力值</source>
        <translation>Текущий нажим</translation>
    </message>
    <message>
        <source>坐标模式</source>
        <translation>Режим координат</translation>
    </message>
    <message>
        <source>绝对</source>
        <translation>Абсолютный</translation>
    </message>
    <message>
        <source>相对</source>
        <translation>Относительный</translation>
    </message>
    <message>
        <source>指针移动速度</source>
        <translation>Скорость указателя</translation>
    </message>
    <message>
        <source>慢</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>压感测试区</source>
        <translation>Проверка нажима</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>禁止压力</source>
        <translation>Отключить нажим</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>TitlePane</name>
    <message>
        <source>皮肤</source>
        <translation>Оформление</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Свернуть</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>退出</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>HotKeyDialog</name>
    <message>
        <source>快捷键设置</source>
        <translation>Настройка сочетаний клавиш</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>鼠标左键</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Двойной щелчок</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>滚轮向下</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>滚轮向上</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>显示桌面 （windows+D）</source>
        <translation>Показать рабочий стол (Windows+D)</translation>
    </message>
    <message>
        <source>切换显示器 （windows+P)</source>
        <translation>Переключить дисплей (Windows+P)</translation>
    </message>
    <message>
        <source>显示驱动程序</source>
        <translation>Показать драйвер</translation>
    </message>
    <message>
        <source>自定义设置</source>
        <translation>Свои настройки</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Своё сочетание клавиш</translation>
    </message>
    <message>
        <source>键入您要设置的快捷键</source>
        <translation>Нажмите нужные клавиши</translation>
    </message>
    <message>
        <source>设置自定义名称</source>
        <translation>Своё название</translation>
    </message>
</context>
<context>
    <name>ProgramDialog</name>
    <message>
        <source>应用程序设置</source>
        <translation>Настройки приложения</translation>
    </message>
    <message>
        <source>选择应用</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>应用信息</source>
        <translation>Сведения о приложении</translation>
    </message>
    <message>
        <source>选择程序</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>应用程序 (*)</source>
        <translation>Программы (*)</translation>
    </message>
</context>
<context>
    <name>RollerHotKeyDialog</name>
    <message>
        <source>热键</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>转环左旋</source>
        <translation>Поворот влево</translation>
    </message>
    <message>
        <source>转环右旋</source>
        <translation>Поворот вправо</translation>
    </message>
    <message>
        <source>快捷键录制</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>自定义名称</source>
        <translation>Своё название</translation>
    </message>
</context>
<context>
    <name>TesselConfirmDialog</name>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ShortcutRecorder</name>
    <message>
        <source>此按键无法用作快捷键</source>
        <translation>Эту клавишу нельзя использовать в сочетании</translation>
    </message>
</context>
<context>
    <name>RemoveProgramsDialog</name>
    <message>
        <source>移除程序</source>
        <translation>Удаление программ</translation>
    </message>
    <message>
        <source>移除所有程序及其按键设置？</source>
        <translation>Удалить все программы и их настройки клавиш?</translation>
    </message>
    <message>
        <source>移除“%1”及其按键设置？</source>
        <translation>Удалить «%1» и его настройки клавиш?</translation>
    </message>
</context>
</TS>
