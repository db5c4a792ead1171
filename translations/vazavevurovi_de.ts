<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <translation>Keine</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>Customize Quick Access Toolbar</source>
        <translation>Symbolleiste für den Schnellzugriff anpassen</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hellbraun</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Dunkelgelb</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limone</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Meergrün</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Leuchtendes Grün</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Dunkelblaugrün</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Helltürkis</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Blassblau</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Blaugrau</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Grau 80%</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Grau 50%</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Grau 40%</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Grau 25%</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Application Menu</source>
        <translation>Anwendungsmenü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben blättern</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten blättern</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Nach links blättern</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Nach rechts blättern</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>First Tab</source>
        <translation>Erste Registerkarte</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Vorherige Registerkarte</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Nächste Registerkarte</translation>
    </message>
    <message>
        <source>Last Tab</source>
        <translation>Letzte Registerkarte</translation>
    </message>
</context>
<context>
    <name>RibbonColorPickerPopup</name>
    <message>
        <source>More colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow::SideBar</name>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
</context>
<context>
    <name>RibbonOptionsDialog</name>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Zur Symbolleiste für den Schnellzugriff hinzufügen</translation>
    </message>
    <message>
        <source>Remove from Quick Access Toolbar</source>
        <translation>Aus Symbolleiste für den Schnellzugriff entfernen</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar below the Ribbon</source>
        <translation>Symbolleiste für den Schnellzugriff unterhalb der Multifunktionsleiste anzeigen</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar above the Ribbon</source>
        <translation>Symbolleiste für den Schnellzugriff oberhalb der Multifunktionsleiste anzeigen</translation>
    </message>
    <message>
        <source>Minimize the Ribbon</source>
        <translation>Multifunktionsleiste minimieren</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Vereinfachte Multifunktionsleiste</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Weitere Befehle</translation>
    </message>
</context>
<context>
    <name>RibbonSimplifiedRow</name>
    <message>
        <source>Classic Ribbon</source>
        <translation>Klassische Multifunktionsleiste</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Vereinfachte Multifunktionsleiste</translation>
    </message>
</context>
</TS>
