#include "oruRibbonApplication.h"

#include "oruPointer_p.h"
#include "oruRibbonAccessible.h"

#include "oruPaletteStyle_p.h"
#include "oruRibbonPalette.h"
#include "oruRibbonQStyle.h"
#include "oruRibbonStyle.h"
#include "oruSkinDerive_p.h"

#include <QEvent>
#include <QPalette>
#include <QScreen>
#include <QTranslator>

#include <memory>

namespace oru {

namespace {

QString defaultProductName()
{
    return QStringLiteral("Tarnwick") + QChar(0x2122);
}

const char* const kBuiltInNames[] = {"Blue", "Silver", "Black"};
const char* const kModernLight = "Modern Light";
const char* const kModernDark = "Modern Dark";

} // namespace

// Skins made from palettes, by name, and which one is in use.
struct RibbonApplication::Themes
{
    struct Entry
    {
        QString name;
        RibbonPalette palette;
        std::unique_ptr<RibbonStyle> style; // made when first used
    };
    std::vector<Entry> entries;
    // The palette skin in use; empty while a built-in one is.
    QString current;
    bool followDesktop = false;

    Entry* find(const QString& name)
    {
        for (Entry& entry : entries)
            if (entry.name == name)
                return &entry;
        return nullptr;
    }
};

RibbonApplication::RibbonApplication(int& argc, char** argv)
    : QApplication(argc, argv), m_themes(new Themes), m_translationLocale(QLocale::system()),
      m_productName(defaultProductName())
{
    m_themes->entries.push_back(
        {QLatin1String(kModernLight), RibbonPalette::modernLight(), nullptr});
    m_themes->entries.push_back({QLatin1String(kModernDark), RibbonPalette::modernDark(), nullptr});
    installRibbonAccessibility();
    trackPointer();
    loadTranslations(m_translationLocale);
    // The finer skin images of the screens' densities are loaded with the
    // skin, as the 1x ones are, and for a screen that comes later when it
    // comes.
    preloadScreenImages();
    connect(this, &QGuiApplication::screenAdded, this,
            [this](QScreen* screen) { ribbonStyle()->preloadRatio(screen->devicePixelRatio()); });
}

void RibbonApplication::preloadScreenImages()
{
    RibbonStyle* skin = ribbonStyle();
    for (QScreen* screen : QGuiApplication::screens())
        skin->preloadRatio(screen->devicePixelRatio());
}

void RibbonApplication::setTranslationsEnabled(bool enabled)
{
    if (enabled == m_translationsEnabled)
        return;
    m_translationsEnabled = enabled;
    if (enabled) {
        loadTranslations(m_translationLocale);
    } else if (m_translator) {
        removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
}

namespace {

// Qt takes the application's layout direction from this text in the installed
// translations: "RTL" in the Arabic and Hebrew ones, so that such a locale
// gets a right-to-left ribbon without host code.
[[maybe_unused]] const char* const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

bool RibbonApplication::loadTranslations(const QLocale& locale)
{
    m_translationLocale = locale;
    if (!m_translationsEnabled)
        return false;
    if (m_translator) {
        removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    // The .qm files are compiled into the library; installed before the
    // host's own translators, which therefore take precedence.
    auto translator = std::make_unique<QTranslator>(this);
    if (!translator->load(locale, QStringLiteral("vazavevurovi"), QStringLiteral("_"),
                          QStringLiteral(":/oru/translations")))
        return false;
    m_translator = translator.release();
    installTranslator(m_translator);
    return true;
}

RibbonApplication::~RibbonApplication() = default;

void RibbonApplication::setProductName(const QString& name)
{
    if (name == m_productName)
        return;
    m_productName = name;
    emit productNameChanged();
}

QString RibbonApplication::currentProductName()
{
    const RibbonApplication* app = theApp();
    return app ? app->productName() : defaultProductName();
}

RibbonApplication* RibbonApplication::theApp()
{
    return qobject_cast<RibbonApplication*>(QCoreApplication::instance());
}

RibbonStyle* RibbonApplication::ribbonStyle()
{
    // The built-in skins. They differ only in their colours and in the
    // resource folder their images come from.
    class blueRibbonStyle : public RibbonStyle
    {
    public:
        blueRibbonStyle()
        {
            static const QRgb colors[16] = {
                0xFFBFDBFF, 0xFFFAFAFA, 0xFF50575F, 0xFFA0A0A0, 0xFF2A4F86, 0xFFA0A0A0,
                0xFF15428B, 0xFF15428B, 0xFF8D8D8D, 0xFF2A4F86, 0xFF15428B, 0xFFB9D0ED,
                0xFFD4E6F8, 0xFFECF3FB, 0xFF7496C2, 0xFFDEE2EC,
            };
            setColors(colors);
            loadPixmaps(QStringLiteral("blue"));
        }
    };
    class silverRibbonStyle : public RibbonStyle
    {
    public:
        silverRibbonStyle()
        {
            static const QRgb colors[16] = {
                0xFFD0D4DD, 0xFFFAFAFA, 0xFF4F555C, 0xFF8A8A8A, 0xFF2A5A8E, 0xFF8A8A8A,
                0xFF4C535C, 0xFF4C535C, 0xFFA7A7A7, 0xFF535459, 0xFF4C535C, 0xFFA9B1B8,
                0xFFE8EAEC, 0xFFF0F1F2, 0xFF252525, 0xFFCCCCCC,
            };
            setColors(colors);
            loadPixmaps(QStringLiteral("silver"));
        }
    };
    class blackRibbonStyle : public RibbonStyle
    {
    public:
        blackRibbonStyle()
        {
            static const QRgb colors[16] = {
                0xFF535353, 0xFFFAFAFA, 0xFFFFFFFF, 0xFFE1E1E1, 0xFFAED1FF, 0xFFE1E1E1,
                0xFFFFFFFF, 0xFF000000, 0xFF8D8D8D, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFACACAC,
                0xFFDAE2E2, 0xFFF7F7F7, 0xFF252525, 0xFFCCCCCC,
            };
            setColors(colors);
            loadPixmaps(QStringLiteral("black"));
        }
    };

    // Created together on the first call, in this order, and destroyed at
    // process exit in the reverse order.
    static blueRibbonStyle blue;
    static blackRibbonStyle black;
    static silverRibbonStyle silver;

    if (!m_themes->current.isEmpty()) {
        if (Themes::Entry* entry = m_themes->find(m_themes->current)) {
            if (!entry->style)
                entry->style = std::make_unique<PaletteRibbonStyle>(
                    skinpaint::derivePalette(entry->palette, entry->name));
            return entry->style.get();
        }
    }
    switch (m_ribbonStyle) {
    case Silver:
        return &silver;
    case Black:
        return &black;
    default:
        return &blue;
    }
}

void RibbonApplication::setRibbonStyle(eRibbonStyle style)
{
    m_ribbonStyle = style;
    m_themes->current.clear();
    preloadScreenImages();
    emit ribbonStyleChanged();
}

bool RibbonApplication::registerRibbonStyle(const QString& name, const RibbonPalette& palette)
{
    if (name.isEmpty() || !palette.isValid())
        return false;
    for (const char* builtIn : kBuiltInNames)
        if (name == QLatin1String(builtIn))
            return false;
    Themes::Entry* entry = m_themes->find(name);
    if (!entry) {
        m_themes->entries.push_back({name, palette, nullptr});
        return true;
    }
    entry->palette = palette;
    if (m_themes->current != name) {
        entry->style.reset();
        return true;
    }
    // In use: the new look replaces the old one at once; the old skin goes
    // once nothing paints with it any more.
    std::unique_ptr<RibbonStyle> old = std::move(entry->style);
    preloadScreenImages();
    emit ribbonStyleChanged();
    return true;
}

bool RibbonApplication::setRibbonStyle(const QString& name)
{
    for (int i = 0; i < 3; ++i)
        if (name == QLatin1String(kBuiltInNames[i])) {
            setRibbonStyle(eRibbonStyle(i));
            return true;
        }
    if (!m_themes->find(name))
        return false;
    m_themes->current = name;
    preloadScreenImages();
    emit ribbonStyleChanged();
    return true;
}

QString RibbonApplication::ribbonStyleName() const
{
    if (!m_themes->current.isEmpty())
        return m_themes->current;
    const int index = m_ribbonStyle == Silver ? 1 : m_ribbonStyle == Black ? 2 : 0;
    return QLatin1String(kBuiltInNames[index]);
}

QStringList RibbonApplication::ribbonStyleNames() const
{
    QStringList names;
    for (const char* builtIn : kBuiltInNames)
        names << QLatin1String(builtIn);
    for (const Themes::Entry& entry : m_themes->entries)
        names << entry.name;
    return names;
}

bool RibbonApplication::followsDesktop() const
{
    return m_themes->followDesktop;
}

void RibbonApplication::setFollowDesktop(bool follow)
{
    m_themes->followDesktop = follow;
    if (follow)
        followDesktop();
}

void RibbonApplication::followDesktop()
{
    const bool dark = QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
    const QString wanted = QLatin1String(dark ? kModernDark : kModernLight);
    if (ribbonStyleName() != wanted)
        setRibbonStyle(wanted);
}

bool RibbonApplication::event(QEvent* event)
{
    if (m_themes->followDesktop &&
        (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange))
        followDesktop();
    return QApplication::event(event);
}

void RibbonApplication::setApplicationStyle(eAppStyle style)
{
    // Every call installs a fresh style object; Qt deletes the previous one.
    if (style == SkinnedStyle || style == SkinnedStyleAlternate)
        QApplication::setStyle(createStyle(RibbonSkinnedStyle));
}

} // namespace oru
