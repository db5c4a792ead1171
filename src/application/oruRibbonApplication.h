#pragma once

#include "oruGlobal.h"

#include <QApplication>
#include <QStringList>

#include <QLocale>
#include <memory>

class QTranslator;

namespace oru {

class RibbonPalette;
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
    /// The built-in skins (colour sets and images) of the ribbon widgets.
    enum eRibbonStyle : int
    {
        /// Light blue frame and ribbon; the default, also for unknown values.
        Blue = 0,
        /// Grey-silver frame and ribbon.
        Silver = 1,
        /// Dark grey frame with light text.
        Black = 2
    };
    Q_ENUM(eRibbonStyle)

    /// The widget style for standard Qt widgets: the skinned values install
    /// the ribbon's widget style, the others leave the current style alone.
    enum eAppStyle : int
    {
        /// Keeps the current Qt widget style.
        SystemStyle = 0,
        /// Keeps the current Qt widget style.
        UnchangedStyle = 1,
        /// Installs a new RibbonQStyle as the application's widget style.
        SkinnedStyle = 2,
        /// Installs a new RibbonQStyle, as SkinnedStyle does.
        SkinnedStyleAlternate = 3
    };
    Q_ENUM(eAppStyle)

    /// Passes @p argc and @p argv to QApplication (both must outlive the object), installs the
    /// accessibility support of the ribbon widgets and loads the library's translation for the
    /// system locale. The blue skin is selected.
    RibbonApplication(int& argc, char** argv);
    /// Destroys the application object; the translator it installed is its child and goes with it.
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
    /// The built-in skin last given to setRibbonStyle(); Blue at first. While a skin selected
    /// by name is not one of these three, ribbonStyleName() names it.
    eRibbonStyle getRibbonStyle() const { return m_ribbonStyle; }

    /// Makes the skin @p name from @p palette (see RibbonPalette), or remakes it when @p name
    /// was registered before; a skin in use is switched to its new look at once (with
    /// ribbonStyleChanged()). Returns false, and changes nothing, for an empty name, the name of
    /// a built-in skin or an invalid palette.
    bool registerRibbonStyle(const QString& name, const RibbonPalette& palette);
    /// Selects the skin @p name: "Blue", "Silver", "Black", "Modern Light", "Modern Dark" or one
    /// given to registerRibbonStyle(); emits ribbonStyleChanged(), also when unchanged. Returns
    /// false, and changes nothing, for an unknown name.
    bool setRibbonStyle(const QString& name);
    /// The name of the skin in use ("Blue" at first).
    QString ribbonStyleName() const;
    /// Every skin setRibbonStyle() takes: the built-in ones, then the registered ones in the
    /// order they were registered.
    QStringList ribbonStyleNames() const;

    /// Whether the skin follows the desktop: "Modern Dark" while the application palette
    /// (the desktop's colours, unless the host set its own) has a dark window colour,
    /// "Modern Light" otherwise, switched when the palette changes. Off at first.
    bool followsDesktop() const;
    /// Turns following the desktop on (selecting the modern skin of the desktop's darkness
    /// at once) or off (the skin stays as it is).
    void setFollowDesktop(bool follow);

    /// Sets the widget style of the standard Qt widgets (menus, tool tips, combo boxes, progress
    /// bars). SkinnedStyle and SkinnedStyleAlternate install a new RibbonQStyle on every call; Qt
    /// owns it and deletes the previous style. SystemStyle and UnchangedStyle change nothing.
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

    /// The name of the program that the caption of the main window and the
    /// title of the options dialog show; "Tarnwick" with a trademark sign
    /// unless the host set its own.
    QString productName() const { return m_productName; }
    /// Sets the program's name; open windows show it at once. Emits
    /// productNameChanged() when it changed.
    void setProductName(const QString& name);

    /// The product name of the running RibbonApplication, or the default
    /// name when the application is no RibbonApplication.
    static QString currentProductName();

signals:
    /// The product name changed; windows retitle themselves.
    void productNameChanged();
    /// Emitted by setRibbonStyle() after the new choice is stored, also when it did not change.
    /// Every ribbon widget listens to it and repaints (and re-measures where the skin's images
    /// decide its size).
    void ribbonStyleChanged();

protected:
    bool event(QEvent* event) override;

private:
    void preloadScreenImages();
    void followDesktop();
    struct Themes;
    std::unique_ptr<Themes> m_themes;

    eRibbonStyle m_ribbonStyle = Blue;
    QTranslator* m_translator = nullptr;
    QLocale m_translationLocale;
    bool m_translationsEnabled = true;
    QString m_productName;
};

} // namespace oru
