<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Последние файлы</translation>
    </message>
    <message>
        <source>Customize Quick Access Toolbar</source>
        <translation>Настроить панель быстрого доступа</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Тёмно-красный</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовый</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Светло-розовый</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Коричневый</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжевый</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Светло-оранжевый</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотой</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Рыжевато-коричневый</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Тёмно-жёлтый</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лайм</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Светло-жёлтый</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Тёмно-зелёный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Цвет морской волны</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Ярко-зелёный</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Светло-зелёный</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Тёмно-бирюзовый</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Аквамарин</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Бирюзовый</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Светло-бирюзовый</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Светло-синий</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Небесно-голубой</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Бледно-голубой</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Индиго</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Серо-синий</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Фиолетовый</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Сливовый</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Лавандовый</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Серый 80%</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Серый 50%</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Серый 40%</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Серый 25%</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Application Menu</source>
        <translation>Меню приложения</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутить вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутить вниз</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Прокрутить влево</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Прокрутить вправо</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>First Tab</source>
        <translation>Первая вкладка</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Предыдущая вкладка</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Следующая вкладка</translation>
    </message>
    <message>
        <source>Last Tab</source>
        <translation>Последняя вкладка</translation>
    </message>
</context>
<context>
    <name>RibbonColorPickerPopup</name>
    <message>
        <source>More colors...</source>
        <translation>Другие цвета...</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow::SideBar</name>
    <message>
        <source>Sidebar</source>
        <translation>Боковая панель</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Указатель</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>RibbonOptionsDialog</name>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>RibbonPercWidget</name>
    <message>
        <source>%1 %</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>RibbonQuickAccessBar</name>
    <message>
        <source>Add to Quick Access Toolbar</source>
        <translation>Добавить на панель быстрого доступа</translation>
    </message>
    <message>
        <source>Remove from Quick Access Toolbar</source>
        <translation>Удалить с панели быстрого доступа</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar below the Ribbon</source>
        <translation>Разместить панель быстрого доступа под лентой</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar above the Ribbon</source>
        <translation>Разместить панель быстрого доступа над лентой</translation>
    </message>
    <message>
        <source>Minimize the Ribbon</source>
        <translation>Свернуть ленту</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Упрощённая лента</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Другие команды</translation>
    </message>
</context>
<context>
    <name>RibbonSimplifiedRow</name>
    <message>
        <source>Classic Ribbon</source>
        <translation>Классическая лента</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Другие команды</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Упрощённая лента</translation>
    </message>
</context>
</TS>
