<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>Tablet</name>
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
        <source>撤销</source>
        <translation>Отменить</translation>
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
        <source>笔</source>
        <translation>Перо</translation>
    </message>
    <message>
        <source>橡皮擦</source>
        <translation>Ластик</translation>
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
        <source>鼠标左键</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>鼠标右键</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>鼠标中键</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>左键双击</source>
        <translation>Двойной щелчок левой</translation>
    </message>
    <message>
        <source>右键双击</source>
        <translation>Двойной щелчок правой</translation>
    </message>
    <message>
        <source>中键双击</source>
        <translation>Двойной щелчок средней</translation>
    </message>
    <message>
        <source>显示桌面</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>切换显示器</source>
        <translation>Сменить дисплей</translation>
    </message>
    <message>
        <source>显示驱动控制面板</source>
        <translation>Показать настройки драйвера</translation>
    </message>
    <message>
        <source>打开:%1</source>
        <translation>Открыть: %1</translation>
    </message>
    <message>
        <source>鼠标滚轮</source>
        <translation>Колесо мыши</translation>
    </message>
    <message>
        <source>画布大小</source>
        <translation>Масштаб холста</translation>
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
        <translation>Шаг назад/вперёд</translation>
    </message>
    <message>
        <source>上下图层</source>
        <translation>Слой вверх/вниз</translation>
    </message>
    <message>
        <source>下一页</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>上一页</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>下箭头</source>
        <translation>Стрелка вниз</translation>
    </message>
    <message>
        <source>上箭头</source>
        <translation>Стрелка вверх</translation>
    </message>
    <message>
        <source>右箭头</source>
        <translation>Стрелка вправо</translation>
    </message>
    <message>
        <source>左箭头</source>
        <translation>Стрелка влево</translation>
    </message>
    <message>
        <source>下图层</source>
        <translation>Слой ниже</translation>
    </message>
    <message>
        <source>上图层</source>
        <translation>Слой выше</translation>
    </message>
</context>
</TS>
