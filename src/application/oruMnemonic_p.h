#pragma once

// Texts of actions carry Qt's mnemonic markers ("&Paste", "Date && Time").
// The ribbon shows them without: its keyboard access is the key tips, which
// take the marked letter as their default.

#include <QString>

namespace oru::mnemonic {

/// @p text as it is shown: a single '&' is dropped, "&&" shows one '&'.
inline QString plainText(const QString& text)
{
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            ++i;
            if (i == text.size())
                break;
        }
        shown.append(text.at(i));
    }
    return shown;
}

} // namespace oru::mnemonic
