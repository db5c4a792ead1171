<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>Customize Quick Access Toolbar</source>
        <translation>Personnaliser la barre d’outils Accès rapide</translation>
    </message>
</context>
<context>
    <name>RibbonAccessible</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Rose</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Orange clair</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Olive Green</source>
        <translation>Vert olive</translation>
    </message>
    <message>
        <source>Dark Yellow</source>
        <translation>Jaune foncé</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Sea Green</source>
        <translation>Vert d&apos;eau</translation>
    </message>
    <message>
        <source>Bright Green</source>
        <translation>Vert vif</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Dark Teal</source>
        <translation>Bleu-vert foncé</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu-vert</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Light Turquoise</source>
        <translation>Turquoise clair</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Pale Blue</source>
        <translation>Bleu pâle</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Blue-Gray</source>
        <translation>Bleu-gris</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Gray-80%</source>
        <translation>Gris 80 %</translation>
    </message>
    <message>
        <source>Gray-50%</source>
        <translation>Gris 50 %</translation>
    </message>
    <message>
        <source>Gray-40%</source>
        <translation>Gris 40 %</translation>
    </message>
    <message>
        <source>Gray-25%</source>
        <translation>Gris 25 %</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Application Menu</source>
        <translation>Menu de l&apos;application</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>Défiler vers la gauche</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Défiler vers la droite</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>First Tab</source>
        <translation>Premier onglet</translation>
    </message>
    <message>
        <source>Previous Tab</source>
        <translation>Onglet précédent</translation>
    </message>
    <message>
        <source>Next Tab</source>
        <translation>Onglet suivant</translation>
    </message>
    <message>
        <source>Last Tab</source>
        <translation>Dernier onglet</translation>
    </message>
</context>
<context>
    <name>RibbonColorPickerPopup</name>
    <message>
        <source>More colors...</source>
        <translation>Autres couleurs...</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>RibbonHelpWindow::SideBar</name>
    <message>
        <source>Sidebar</source>
        <translation>Panneau latéral</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>RibbonOptionsDialog</name>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Ajouter à la barre d’outils Accès rapide</translation>
    </message>
    <message>
        <source>Remove from Quick Access Toolbar</source>
        <translation>Supprimer de la barre d’outils Accès rapide</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar below the Ribbon</source>
        <translation>Afficher la barre d’outils Accès rapide en dessous du ruban</translation>
    </message>
    <message>
        <source>Show Quick Access Toolbar above the Ribbon</source>
        <translation>Afficher la barre d’outils Accès rapide au-dessus du ruban</translation>
    </message>
    <message>
        <source>Minimize the Ribbon</source>
        <translation>Réduire le ruban</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Ruban simplifié</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Autres commandes</translation>
    </message>
</context>
<context>
    <name>RibbonSimplifiedRow</name>
    <message>
        <source>Classic Ribbon</source>
        <translation>Ruban classique</translation>
    </message>
    <message>
        <source>More Commands</source>
        <translation>Autres commandes</translation>
    </message>
    <message>
        <source>Simplified Ribbon</source>
        <translation>Ruban simplifié</translation>
    </message>
</context>
</TS>
