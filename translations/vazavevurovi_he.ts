<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL" sourcelanguage="en">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>אוטומטי</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>קבצים אחרונים</translation>
    </message>
    <message>
        <source>Customize Quick Access Toolbar</source>
        <translation>התאמה אישית של סרגל הכלים לגישה מהירה</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>אדום כהה</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>ורוד</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>ורד</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>חום</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>כתום בהיר</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>זהב</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>חום בהיר</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>ירוק זית</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>צהוב כהה</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ליים</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>צהוב בהיר</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>ירוק כהה</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>ירוק ים</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>ירוק בוהק</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>ירוק בהיר</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>כחול-ירקרק כהה</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>כחול-ירקרק</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>תכלת ים</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>טורקיז</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>טורקיז בהיר</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>כחול כהה</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>כחול בהיר</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>כחול שמיים</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>כחול חיוור</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>אינדיגו</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>אפור-כחול</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>שזיף</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>לבנדר</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>אפור 80%</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>אפור 50%</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>אפור 40%</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>אפור 25%</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>צבעים</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>מרחק מתצוגה</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>התקדמות</translation>
    </message>
    <message>
        <source>Application Menu</source>
        <translation>תפריט היישום</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>שחזור</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>הגדלה</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>גלילה למעלה</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>גלילה למטה</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>גלילה שמאלה</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>גלילה ימינה</translation>
    </message>
    <message>
        <source>More</source>
        <translation>עוד</translation>
    </message>
    <message>
        <source>First Tab</source>
        <translation>הכרטיסייה הראשונה</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>הכרטיסייה הקודמת</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>הכרטיסייה הבאה</translation>
    </message>
    <message>
        <source>Last Tab</source>
        <translation>הכרטיסייה האחרונה</translation>
    </message>
</context>
<context>
    <name>RibbonColorPickerPopup</name>
    <message>
        <source>More colors...</source>
        <translation>צבעים נוספים...</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow</name>
    <message>
        <source>Back</source>
        <translation>הקודם</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>הבא</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>דף הבית</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow::SideBar</name>
    <message>
        <source>Sidebar</source>
        <translation>סרגל צד</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>תוכן</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>אינדקס</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
</context>
<context>
    <name>RibbonOptionsDialog</name>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>RibbonPercWidget</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>RibbonQuickAccessBar</name>
    <message>
        <source>Add to Quick Access Toolbar</source>
        <translation>הוספה לסרגל הכלים לגישה מהירה</translation>
    </message>
    <message>
        <source>Remove from Quick Access Toolbar</source>
        <translation>הסרה מסרגל הכלים לגישה מהירה</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar below the Ribbon</source>
        <translation>הצג את סרגל הכלים לגישה מהירה מתחת לרצועת הכלים</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar above the Ribbon</source>
        <translation>הצג את סרגל הכלים לגישה מהירה מעל רצועת הכלים</translation>
    </message>
    <message>
        <source>Minimize the Ribbon</source>
        <translation>מזעור רצועת הכלים</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>רצועת כלים מפושטת</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>פקודות נוספות</translation>
    </message>
</context>
<context>
    <name>RibbonSimplifiedRow</name>
    <message>
        <source>Classic Ribbon</source>
        <translation>רצועת כלים קלאסית</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>פקודות נוספות</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>רצועת כלים מפושטת</translation>
    </message>
</context>
</TS>
