<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_SA" sourcelanguage="en">
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
        <translation>بلا</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>الملفات الأخيرة</translation>
    </message>
    <message>
        <source>Customize Quick Access Toolbar</source>
        <translation>تخصيص شريط أدوات الوصول السريع</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>زهري</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>برتقالي فاتح</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ذهبي</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>بني فاتح</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>أخضر زيتوني</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>أصفر داكن</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>ليموني</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>أصفر فاتح</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>أخضر داكن</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>أخضر بحري</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>أخضر ساطع</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>أخضر فاتح</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>أزرق مخضر داكن</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>أزرق مخضر</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>مائي</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>فيروزي فاتح</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>أزرق داكن</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>أزرق فاتح</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>أزرق سماوي</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>أزرق باهت</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>نيلي</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>رمادي مزرق</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>برقوقي</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>خزامي</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>رمادي 80%</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>رمادي 50%</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>رمادي 40%</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>رمادي 25%</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>الألوان</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>تكبير/تصغير</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>التقدم</translation>
    </message>
    <message>
        <source>Application Menu</source>
        <translation>قائمة التطبيق</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>تمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>تمرير لأسفل</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>تمرير لليسار</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>تمرير لليمين</translation>
    </message>
    <message>
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message>
        <source>First Tab</source>
        <translation>علامة التبويب الأولى</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>علامة التبويب السابقة</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>علامة التبويب التالية</translation>
    </message>
    <message>
        <source>Last Tab</source>
        <translation>علامة التبويب الأخيرة</translation>
    </message>
</context>
<context>
    <name>RibbonColorPickerPopup</name>
    <message>
        <source>More colors...</source>
        <translation>ألوان إضافية...</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow</name>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>تقدم</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow::SideBar</name>
    <message>
        <source>Sidebar</source>
        <translation>الشريط الجانبي</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>الفهرس</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
</context>
<context>
    <name>RibbonOptionsDialog</name>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>RibbonPercWidget</name>
    <message>
        <source>%1 %</source>
        <translation>%1٪</translation>
    </message>
</context>
<context>
    <name>RibbonQuickAccessBar</name>
    <message>
        <source>Add to Quick Access Toolbar</source>
        <translation>إضافة إلى شريط أدوات الوصول السريع</translation>
    </message>
    <message>
        <source>Remove from Quick Access Toolbar</source>
        <translation>إزالة من شريط أدوات الوصول السريع</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar below the Ribbon</source>
        <translation>إظهار شريط أدوات الوصول السريع أسفل الشريط</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar above the Ribbon</source>
        <translation>إظهار شريط أدوات الوصول السريع أعلى الشريط</translation>
    </message>
    <message>
        <source>Minimize the Ribbon</source>
        <translation>تصغير الشريط</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>الشريط المبسط</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>أوامر إضافية</translation>
    </message>
</context>
<context>
    <name>RibbonSimplifiedRow</name>
    <message>
        <source>Classic Ribbon</source>
        <translation>الشريط الكلاسيكي</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>أوامر إضافية</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>الشريط المبسط</translation>
    </message>
</context>
</TS>
