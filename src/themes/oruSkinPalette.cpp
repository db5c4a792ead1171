#include "oruSkinPalette_p.h"

namespace oru::skinpaint {

namespace {

QColor rgb(const char* hex)
{
    return QColor(QString::fromLatin1(hex));
}

QColor rgba(const char* hex, int alpha)
{
    QColor c(QString::fromLatin1(hex));
    c.setAlpha(alpha);
    return c;
}

Gloss gloss(const char* t0, const char* t1, const char* b0, const char* b1, qreal split = 0.42)
{
    return Gloss{rgb(t0), rgb(t1), rgb(b0), rgb(b1), split};
}

// A smooth two-colour fill without the glossy step.
Gloss flat(const char* top, const char* bottom)
{
    const QColor a = rgb(top), b = rgb(bottom);
    const QColor m =
        QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
    return Gloss{a, m, m, b, 0.5};
}

StateLook look(QColor outline, QColor highlight, Gloss fill)
{
    return StateLook{outline, highlight, fill};
}

// Hover, pressed and checked are warm amber in every skin, as users expect
// from this family of ribbons; only the idle looks follow the skin.
void setWarmStates(SkinPalette& s)
{
    s.hover = look(rgb("#DDCF9B"), rgba("#FFFFFF", 190),
                   gloss("#FFFDE8", "#FFEDB3", "#FFD966", "#FFEBA6"));
    s.lightHover = look(rgb("#E6DAB0"), rgba("#FFFFFF", 200),
                        gloss("#FFFEF7", "#FFF8E0", "#FFF0C4", "#FFF6DC"));
    s.checked = look(rgb("#C9A25E"), rgba("#FFF3D8", 160),
                     gloss("#FDE5B0", "#FCD391", "#F9B748", "#FCDD98"));
    s.checkedHover = look(rgb("#B98F4E"), rgba("#FFEACC", 150),
                          gloss("#FCD9A4", "#FAC27C", "#F5A13C", "#F9CD7E"));
    s.pressed = look(rgb("#9C7544"), rgba("#FFDDB8", 110),
                     gloss("#F6C898", "#F3A865", "#EE8424", "#F6BC5B"));
    s.open = look(rgb("#A8804C"), rgba("#FFE4C4", 120),
                  gloss("#F9D4AA", "#F6B876", "#F29A3A", "#F8C870"));
    s.disabledHover = look(rgb("#CACACA"), rgba("#FFFFFF", 200),
                           gloss("#FBFBFB", "#F2F2F2", "#E9E9E9", "#F1F1F1"));
    s.closeHover = look(rgb("#8F3125"), rgba("#FFC9BD", 150),
                        gloss("#F2A797", "#E4735A", "#CC3A21", "#E56A4B"));
    s.closePressed = look(rgb("#6E2219"), rgba("#F59C88", 110),
                          gloss("#D8816B", "#C2492F", "#A92812", "#C64A2E"));
}

void setColourTable(SkinPalette& s, const char* const table[16])
{
    QColor* const members[16] = {&s.mainClientColor,
                                 &s.mainMenuBgColor,
                                 &s.activeTextColor,
                                 &s.inactiveTextColor,
                                 &s.activeTitleTextColor,
                                 &s.inactiveTitleTextColor,
                                 &s.normalCategoryTextColor,
                                 &s.highlightedCategoryTextColor,
                                 &s.disabledCategoryTextColor,
                                 &s.categoryCaptionTextColor,
                                 &s.categoryWrapperCaptionTextColor,
                                 &s.frameOutlineColor,
                                 &s.frameNormalFillColor,
                                 &s.frameHighlightedFillColor,
                                 &s.frameSunkenColor,
                                 &s.frameRaiseColor};
    for (int i = 0; i < 16; ++i)
        *members[i] = rgb(table[i]);
}

} // namespace

SkinPalette bluePalette()
{
    SkinPalette s;
    s.name = QStringLiteral("blue");
    static const char* const table[16] = {
        "#BFDBFF", "#FAFAFA", "#50575F", "#A0A0A0", "#2A4F86", "#A0A0A0", "#15428B", "#15428B",
        "#8D8D8D", "#2A4F86", "#15428B", "#B9D0ED", "#D4E6F8", "#ECF3FB", "#7496C2", "#DEE2EC"};
    setColourTable(s, table);
    setWarmStates(s);

    s.active = FrameLook{rgb("#5A84BF"),
                         rgba("#F4F8FE", 200),
                         gloss("#E6EFFB", "#D9E7F9", "#CDE0F8", "#C0DAFC", 0.45),
                         rgb("#C2DBFB"),
                         rgb("#9DBDE6"),
                         rgb("#8EAFDC"),
                         rgb("#DCE8F8"),
                         rgb("#BCD3F1"),
                         rgb("#C0D5F1"),
                         rgb("#A3C0E6"),
                         rgb("#8CADDB"),
                         rgb("#EEF4FD"),
                         rgb("#94B2DC"),
                         rgb("#E9F1FC"),
                         rgb("#CADDF6")};
    s.inactive = FrameLook{rgb("#A9BEDC"),
                           rgba("#FAFCFF", 200),
                           gloss("#EEF3FA", "#E6EEF8", "#E0EAF7", "#D8E6F8", 0.45),
                           rgb("#D7E5F8"),
                           rgb("#BCD0EC"),
                           rgb("#B3C9E7"),
                           rgb("#E7EFF9"),
                           rgb("#D5E3F5"),
                           rgb("#D6E3F5"),
                           rgb("#C7D8EF"),
                           rgb("#B6CBE7"),
                           rgb("#F5F8FD"),
                           rgb("#BACCE6"),
                           rgb("#F2F6FC"),
                           rgb("#DDE8F7")};
    s.glyph =
        GlyphColors{rgb("#3D5F93"), rgb("#8FA6C6"),       rgba("#FFFFFF", 170), rgb("#2D4E80"),
                    rgb("#1F3A63"), rgba("#FFFFFF", 110), rgb("#A9B8CC")};

    s.pageOutline = rgb("#8DB2E3");
    s.pageHighlight = rgba("#FFFFFF", 150);
    s.pageTop = rgb("#E0EBF7");
    s.pageMiddle = rgb("#D2E1F3");
    s.pageBottom = rgb("#C8DBF1");
    s.group = look(rgb("#A3BFE3"), rgba("#F8FBFF", 170), flat("#E0EAF6", "#D2E0F2"));
    s.groupHover = look(rgb("#8DB0DE"), rgba("#FFFFFF", 210), flat("#ECF3FC", "#E0EBF8"));
    s.groupBandTop = rgb("#C6DBF3");
    s.groupBandBottom = rgb("#B7CEEC");
    s.groupBandHoverTop = rgb("#D3E4F8");
    s.groupBandHoverBottom = rgb("#C4D9F3");
    s.groupBandLine = rgb("#B3CBEA");

    s.wrapperNormal = look(rgb("#9FBCE2"), rgba("#F8FBFF", 190),
                           gloss("#E6EEF9", "#D9E6F6", "#CCDDF2", "#D9E7F8", 0.45));
    s.wrapperHover = look(rgb("#86A9DA"), rgba("#FFFFFF", 220),
                          gloss("#F3F8FE", "#E6EFFB", "#D9E8F9", "#E8F2FD", 0.45));
    s.wrapperOpen = look(rgb("#7097CC"), rgba("#E8F0FB", 130),
                         gloss("#CBDCF1", "#BED3ED", "#AFC8E8", "#C3D7F0", 0.45));

    s.tabSelected = look(rgb("#8DB2E3"), rgba("#FFFFFF", 230), flat("#FBFDFF", "#E0EBF7"));
    s.tabHover = look(rgba("#A9C5EA", 200), rgba("#FFFFFF", 120),
                      Gloss{rgba("#FFFFFF", 120), rgba("#FFFFFF", 70), rgba("#FFFFFF", 40),
                            rgba("#FFFFFF", 90), 0.45});
    s.tabSelectedHover = look(rgb("#C9A961"), rgba("#FFF4CF", 230), flat("#FFFDF5", "#E0EBF7"));

    s.buttonNormal = look(rgb("#A6BEDF"), rgba("#FFFFFF", 200),
                          gloss("#FDFEFF", "#EEF4FC", "#DFEAF8", "#EAF2FC"));
    s.buttonUnavailable = look(rgb("#C6D5E9"), rgba("#FFFFFF", 120), flat("#EEF3FA", "#E6EEF8"));

    s.orbRing = rgb("#335D98");
    s.orbInner = rgb("#C7DDF8");
    s.orbOuter = rgb("#4877B8");

    s.panelOutline = rgb("#6D92C6");
    s.panelHighlight = rgba("#FFFFFF", 170);
    s.panelTop = rgb("#DFEAF8");
    s.panelMiddle = rgb("#D0E0F4");
    s.panelBottomTop = rgb("#D7E5F7");
    s.panelBottomBottom = rgb("#BDD3F0");
    s.panelBorderOuter = rgb("#9BB5D9");
    s.panelBorderInner = rgb("#FFFFFF");
    s.separator = rgb("#C5D4E8");
    s.separatorLight = rgb("#FFFFFF");

    s.popupOutline = rgb("#97AFD2");
    s.popupHighlight = rgba("#FFFFFF", 200);
    s.popupFill = rgb("#E4ECF7");
    s.fieldOutline = rgb("#ABC1DE");
    s.field = rgb("#FFFFFF");
    s.tooltip = look(rgb("#767676"), rgba("#FFFFFF", 230), flat("#FFFFFF", "#E4E7F1"));
    s.glyphDark = rgb("#3D5F93");
    s.glyphLight = rgba("#FFFFFF", 200);
    return s;
}

SkinPalette silverPalette()
{
    SkinPalette s;
    s.name = QStringLiteral("silver");
    static const char* const table[16] = {
        "#D0D4DD", "#FAFAFA", "#4F555C", "#8A8A8A", "#2A5A8E", "#8A8A8A", "#4C535C", "#4C535C",
        "#A7A7A7", "#535459", "#4C535C", "#A9B1B8", "#E8EAEC", "#F0F1F2", "#252525", "#CCCCCC"};
    setColourTable(s, table);
    setWarmStates(s);

    s.active = FrameLook{rgb("#7A838F"),
                         rgba("#FFFFFF", 200),
                         gloss("#F2F3F6", "#E6E8EC", "#DCDFE5", "#D1D5DE", 0.45),
                         rgb("#D2D6DF"),
                         rgb("#AEB4BF"),
                         rgb("#A3AAB5"),
                         rgb("#EEF0F3"),
                         rgb("#D3D7DE"),
                         rgb("#D6DAE0"),
                         rgb("#BCC2CB"),
                         rgb("#A6ADB7"),
                         rgb("#F8F9FA"),
                         rgb("#A4ACB6"),
                         rgb("#F6F7F9"),
                         rgb("#DDE0E6")};
    s.inactive = FrameLook{rgb("#AAB0B8"),
                           rgba("#FFFFFF", 200),
                           gloss("#F5F6F8", "#EEEFF2", "#E8EAEE", "#E1E4E9", 0.45),
                           rgb("#E0E3E8"),
                           rgb("#C6CBD2"),
                           rgb("#C0C5CC"),
                           rgb("#F3F4F6"),
                           rgb("#E1E4E8"),
                           rgb("#E2E5E9"),
                           rgb("#D2D6DC"),
                           rgb("#C3C8CF"),
                           rgb("#FBFBFC"),
                           rgb("#C2C7CE"),
                           rgb("#F8F9FA"),
                           rgb("#E8EAEE")};
    s.glyph =
        GlyphColors{rgb("#4E555E"), rgb("#9DA3AB"),       rgba("#FFFFFF", 180), rgb("#3F454D"),
                    rgb("#2B3036"), rgba("#FFFFFF", 110), rgb("#B5B9BF")};

    s.pageOutline = rgb("#A9B1B8");
    s.pageHighlight = rgba("#FFFFFF", 170);
    s.pageTop = rgb("#F3F4F6");
    s.pageMiddle = rgb("#E5E8EC");
    s.pageBottom = rgb("#DCDFE5");
    s.group = look(rgb("#B5BBC4"), rgba("#FFFFFF", 190), flat("#F1F2F4", "#E3E6EA"));
    s.groupHover = look(rgb("#A2A9B3"), rgba("#FFFFFF", 230), flat("#F8F9FA", "#EDEFF2"));
    s.groupBandTop = rgb("#D9DDE3");
    s.groupBandBottom = rgb("#CDD2DA");
    s.groupBandHoverTop = rgb("#E3E6EB");
    s.groupBandHoverBottom = rgb("#D7DBE1");
    s.groupBandLine = rgb("#C5CAD2");

    s.wrapperNormal = look(rgb("#B0B7C0"), rgba("#FFFFFF", 200),
                           gloss("#F4F5F7", "#E9EBEE", "#DDE0E5", "#E8EAEE", 0.45));
    s.wrapperHover = look(rgb("#9CA4AE"), rgba("#FFFFFF", 230),
                          gloss("#FBFBFC", "#F2F3F5", "#E7E9ED", "#F2F3F6", 0.45));
    s.wrapperOpen = look(rgb("#8A929D"), rgba("#F4F5F7", 130),
                         gloss("#DCDFE4", "#D0D4DA", "#C3C8D0", "#D2D6DC", 0.45));

    s.tabSelected = look(rgb("#A9B1B8"), rgba("#FFFFFF", 230), flat("#FFFFFF", "#F3F4F6"));
    s.tabHover = look(rgba("#B3BAC3", 210), rgba("#FFFFFF", 140),
                      Gloss{rgba("#FFFFFF", 140), rgba("#FFFFFF", 80), rgba("#FFFFFF", 50),
                            rgba("#FFFFFF", 100), 0.45});
    s.tabSelectedHover = look(rgb("#C9A961"), rgba("#FFF4CF", 230), flat("#FFFEF8", "#F3F4F6"));

    s.buttonNormal = look(rgb("#ABB2BB"), rgba("#FFFFFF", 210),
                          gloss("#FFFFFF", "#F1F2F4", "#E2E5E9", "#ECEEF1"));
    s.buttonUnavailable = look(rgb("#CDD1D6"), rgba("#FFFFFF", 120), flat("#F2F3F5", "#EAECEF"));

    s.orbRing = rgb("#5D6671");
    s.orbInner = rgb("#F1F3F6");
    s.orbOuter = rgb("#8D96A3");

    s.panelOutline = rgb("#878F99");
    s.panelHighlight = rgba("#FFFFFF", 190);
    s.panelTop = rgb("#EEF0F3");
    s.panelMiddle = rgb("#E2E5E9");
    s.panelBottomTop = rgb("#E6E8EC");
    s.panelBottomBottom = rgb("#CDD2D9");
    s.panelBorderOuter = rgb("#B2B8C0");
    s.panelBorderInner = rgb("#FFFFFF");
    s.separator = rgb("#CDD1D7");
    s.separatorLight = rgb("#FFFFFF");

    s.popupOutline = rgb("#A3AAB3");
    s.popupHighlight = rgba("#FFFFFF", 210);
    s.popupFill = rgb("#ECEEF1");
    s.fieldOutline = rgb("#B0B6BE");
    s.field = rgb("#FFFFFF");
    s.tooltip = look(rgb("#767676"), rgba("#FFFFFF", 230), flat("#FFFFFF", "#E6E7EC"));
    s.glyphDark = rgb("#4E555E");
    s.glyphLight = rgba("#FFFFFF", 210);
    return s;
}

SkinPalette blackPalette()
{
    SkinPalette s;
    s.name = QStringLiteral("black");
    static const char* const table[16] = {
        "#535353", "#FAFAFA", "#FFFFFF", "#E1E1E1", "#AED1FF", "#E1E1E1", "#FFFFFF", "#000000",
        "#8D8D8D", "#FFFFFF", "#FFFFFF", "#ACACAC", "#DAE2E2", "#F7F7F7", "#252525", "#CCCCCC"};
    setColourTable(s, table);
    setWarmStates(s);

    s.active = FrameLook{rgb("#0E0E0E"),
                         rgba("#8A8A8A", 170),
                         gloss("#5E5E5E", "#474747", "#3B3B3B", "#4F4F4F", 0.45),
                         rgb("#545454"),
                         rgb("#3A3A3A"),
                         rgb("#2A2A2A"),
                         rgb("#5C5C5C"),
                         rgb("#3E3E3E"),
                         rgb("#474747"),
                         rgb("#2C2C2C"),
                         rgb("#252525"),
                         rgb("#6A6A6A"),
                         rgb("#262626"),
                         rgb("#6C6C6C"),
                         rgb("#4A4A4A")};
    s.inactive = FrameLook{rgb("#333333"),
                           rgba("#8A8A8A", 120),
                           gloss("#666666", "#5B5B5B", "#555555", "#5B5B5B", 0.45),
                           rgb("#5E5E5E"),
                           rgb("#4A4A4A"),
                           rgb("#3F3F3F"),
                           rgb("#666666"),
                           rgb("#525252"),
                           rgb("#575757"),
                           rgb("#474747"),
                           rgb("#3C3C3C"),
                           rgb("#737373"),
                           rgb("#3E3E3E"),
                           rgb("#707070"),
                           rgb("#5C5C5C")};
    s.glyph =
        GlyphColors{rgb("#E8E8E8"), rgb("#A9A9A9"),       rgba("#000000", 150), rgb("#1E1E1E"),
                    rgb("#1A1A1A"), rgba("#FFFFFF", 110), rgb("#7A7A7A")};

    s.pageOutline = rgb("#2E2E2E");
    s.pageHighlight = rgba("#FFFFFF", 120);
    s.pageTop = rgb("#D2D5D7");
    s.pageMiddle = rgb("#C2C6C9");
    s.pageBottom = rgb("#B5B9BC");
    s.group = look(rgb("#8C9094"), rgba("#FFFFFF", 170), flat("#E6E8EA", "#D5D9DB"));
    s.groupHover = look(rgb("#72777C"), rgba("#FFFFFF", 220), flat("#F0F2F3", "#E2E5E7"));
    s.groupBandTop = rgb("#62666A");
    s.groupBandBottom = rgb("#4A4D50");
    s.groupBandHoverTop = rgb("#6F7378");
    s.groupBandHoverBottom = rgb("#56595D");
    s.groupBandLine = rgb("#3C3F42");

    s.wrapperNormal = look(rgb("#2A2A2A"), rgba("#9A9A9A", 150),
                           gloss("#727272", "#5E5E5E", "#4C4C4C", "#5A5A5A", 0.45));
    s.wrapperHover = look(rgb("#222222"), rgba("#B4B4B4", 170),
                          gloss("#868686", "#707070", "#5D5D5D", "#6D6D6D", 0.45));
    s.wrapperOpen = look(rgb("#1A1A1A"), rgba("#6E6E6E", 130),
                         gloss("#505050", "#424242", "#343434", "#424242", 0.45));

    s.tabSelected = look(rgb("#2E2E2E"), rgba("#FFFFFF", 200), flat("#F3F4F5", "#D2D5D7"));
    s.tabHover = look(rgba("#8A8A8A", 220), rgba("#FFFFFF", 70),
                      Gloss{rgba("#FFFFFF", 70), rgba("#FFFFFF", 35), rgba("#FFFFFF", 15),
                            rgba("#FFFFFF", 45), 0.45});
    s.tabSelectedHover = look(rgb("#B08A45"), rgba("#FFF4CF", 220), flat("#FFFDF5", "#D2D5D7"));

    s.buttonNormal = look(rgb("#8C9094"), rgba("#FFFFFF", 200),
                          gloss("#FDFDFD", "#EDEEEF", "#D9DCDE", "#E5E7E9"));
    s.buttonUnavailable = look(rgb("#A9ACAF"), rgba("#FFFFFF", 110), flat("#E4E6E7", "#D9DCDE"));

    s.orbRing = rgb("#0C0C0C");
    s.orbInner = rgb("#8C8C8C");
    s.orbOuter = rgb("#2A2A2A");

    s.panelOutline = rgb("#151515");
    s.panelHighlight = rgba("#8A8A8A", 150);
    s.panelTop = rgb("#5A5A5A");
    s.panelMiddle = rgb("#4B4B4B");
    s.panelBottomTop = rgb("#555555");
    s.panelBottomBottom = rgb("#3A3A3A");
    s.panelBorderOuter = rgb("#2C2C2C");
    s.panelBorderInner = rgb("#9C9C9C");
    s.separator = rgb("#C9CCCF");
    s.separatorLight = rgb("#FFFFFF");

    s.popupOutline = rgb("#6E6E6E");
    s.popupHighlight = rgba("#FFFFFF", 200);
    s.popupFill = rgb("#E7E9EB");
    s.fieldOutline = rgb("#8C9094");
    s.field = rgb("#FFFFFF");
    s.tooltip = look(rgb("#767676"), rgba("#FFFFFF", 230), flat("#FFFFFF", "#E4E5E8"));
    s.glyphDark = rgb("#303336");
    s.glyphLight = rgba("#FFFFFF", 200);
    return s;
}

std::vector<SkinPalette> allPalettes()
{
    return {bluePalette(), silverPalette(), blackPalette()};
}

bool paletteByName(const QString& name, SkinPalette& out)
{
    for (const SkinPalette& p : allPalettes()) {
        if (p.name == name) {
            out = p;
            return true;
        }
    }
    return false;
}

} // namespace oru::skinpaint
