#include "oruRibbonPalette.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace oru {

namespace {

// The messages are for the developer or designer who wrote the file, in
// English as Qt's own diagnostics are.
QString message(const char* text)
{
    return QString::fromLatin1(text);
}

// A colour of the object under @p key: true with an invalid colour when the
// key is absent and not required; false with a message for anything else.
bool readColor(const QJsonObject& object, const char* key, bool required, QColor* color,
               QString* error)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        if (required)
            *error = message("\"%1\" is missing").arg(QLatin1String(key));
        return !required;
    }
    if (!value.isString()) {
        *error = message("\"%1\" is not a colour name in quotes").arg(QLatin1String(key));
        return false;
    }
    const QColor read = QColor::fromString(value.toString());
    if (!read.isValid()) {
        *error = message("\"%1\": \"%2\" is no colour").arg(QLatin1String(key), value.toString());
        return false;
    }
    *color = read;
    return true;
}

bool darkColor(const QColor& color)
{
    return color.isValid() && color.lightnessF() < 0.5;
}

} // namespace

RibbonPalette::RibbonPalette() : RibbonPalette(modernLight()) {}

RibbonPalette::RibbonPalette(const QColor& base, const QColor& accent, bool dark)
    : m_base(base), m_accent(accent), m_dark(dark)
{
}

RibbonPalette RibbonPalette::modernLight()
{
    return RibbonPalette(QColor(0xF3, 0xF3, 0xF3), QColor(0x2B, 0x57, 0x9A), false);
}

RibbonPalette RibbonPalette::modernDark()
{
    return RibbonPalette(QColor(0x2B, 0x2B, 0x2B), QColor(0x6C, 0xA0, 0xF0), true);
}

RibbonPalette RibbonPalette::fromJson(const QByteArray& json, QString* errorString)
{
    QString error;
    const auto fail = [&]() {
        if (errorString)
            *errorString = error;
        return RibbonPalette(QColor(), QColor(), false);
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = message("not JSON: %1 at byte %2")
                    .arg(parseError.errorString())
                    .arg(parseError.offset);
        return fail();
    }
    if (!document.isObject()) {
        error = message("the palette is not a JSON object");
        return fail();
    }
    const QJsonObject object = document.object();
    static const char* const known[] = {"base", "accent", "text", "highlight", "dark"};
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (std::none_of(std::begin(known), std::end(known),
                         [&](const char* key) { return it.key() == QLatin1String(key); })) {
            error = message("unknown key \"%1\"").arg(it.key());
            return fail();
        }
    }
    RibbonPalette palette(QColor(), QColor(), false);
    if (!readColor(object, "base", true, &palette.m_base, &error) ||
        !readColor(object, "accent", true, &palette.m_accent, &error) ||
        !readColor(object, "text", false, &palette.m_text, &error) ||
        !readColor(object, "highlight", false, &palette.m_highlight, &error))
        return fail();
    const QJsonValue dark = object.value(QLatin1String("dark"));
    if (dark.isUndefined()) {
        palette.m_dark = darkColor(palette.m_base);
    } else if (dark.isBool()) {
        palette.m_dark = dark.toBool();
    } else {
        error = message("\"dark\" is not true or false");
        return fail();
    }
    if (errorString)
        errorString->clear();
    return palette;
}

QByteArray RibbonPalette::toJson() const
{
    QJsonObject object;
    const auto put = [&](const char* key, const QColor& color) {
        if (color.isValid())
            object.insert(QLatin1String(key),
                          color.name(color.alpha() < 255 ? QColor::HexArgb : QColor::HexRgb));
    };
    put("base", m_base);
    put("accent", m_accent);
    put("text", m_text);
    put("highlight", m_highlight);
    object.insert(QLatin1String("dark"), m_dark);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

bool RibbonPalette::operator==(const RibbonPalette& other) const
{
    return m_base == other.m_base && m_accent == other.m_accent && m_text == other.m_text &&
           m_highlight == other.m_highlight && m_dark == other.m_dark;
}

} // namespace oru
