#pragma once

#include "oruGlobal.h"

#include <QApplication>
#include <QLocale>

class QTranslator;

namespace oru {

class RibbonStyle;

/// The application object of every ribbon program.
///
/// It holds the skin choice, hands the active skin to every widget at paint
/// time and announces skin switches with ribbonStyleChanged(). Host programs
/// derive their application class from it (or from RibbonSingletonApplication)
/// and create exactly one before building any ribbon widget.
class VAZAVE_EXPORT RibbonApplication : public QApplication
{
    Q_OBJECT

public:
    enum eRibbonStyle : int
    {
        Blue = 0,
        Silver = 1,
        Black = 2
    };
    Q_ENUM(eRibbonStyle)

    /// The widget style for standard Qt widgets: the skinned values install
    /// the ribbon's widget style, the others leave the current style alone.
    enum eAppStyle : int
    {
        SystemStyle = 0,
        UnchangedStyle = 1,
        SkinnedStyle = 2,
        SkinnedStyleAlternate = 3
    };
    Q_ENUM(eAppStyle)

    RibbonApplication(int& argc, char** argv);
    ~RibbonApplication() override;

    /// Called once by the host at start-up; true means this process goes on
    /// and builds its user interface.
    virtual bool initInstance() = 0;

    /// The running application when it is a RibbonApplication, else null.
    static RibbonApplication* theApp();

    /// The active skin. The three skins are built on the first call and live
    /// until the process ends; an unknown skin choice yields the blue skin.
    RibbonStyle* ribbonStyle();

    /// Selects the skin and emits ribbonStyleChanged(), also when unchanged.
    void setRibbonStyle(eRibbonStyle style);
    eRibbonStyle getRibbonStyle() const { return m_ribbonStyle; }

    void setApplicationStyle(eAppStyle style);

    /// Whether the library's own translations of its user-visible texts are
    /// installed. On by default: the constructor loads the translation for the
    /// system locale (German, French, Spanish and Russian are shipped).
    bool translationsEnabled() const { return m_translationsEnabled; }

    /// Turns the library's translations off (removing the installed
    /// translator) or on again (loading the one for translationLocale()). Texts
    /// that widgets already hold keep their language, so hosts decide before
    /// they build windows.
    void setTranslationsEnabled(bool enabled);

    /// Loads the library's translation for \a locale in place of the current
    /// one; returns true when one was found and installed. While translations
    /// are disabled it only remembers the locale and returns false.
    bool loadTranslations(const QLocale& locale);

    /// The locale the library's translation was last asked for; the system
    /// locale unless loadTranslations() chose another.
    QLocale translationLocale() const { return m_translationLocale; }

signals:
    void ribbonStyleChanged();

private:
    eRibbonStyle m_ribbonStyle = Blue;
    QTranslator* m_translator = nullptr;
    QLocale m_translationLocale;
    bool m_translationsEnabled = true;
};

} // namespace oru
