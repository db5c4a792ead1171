<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
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
</TS>
