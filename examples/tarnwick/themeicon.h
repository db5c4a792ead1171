#pragma once

#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QString>

// Tarnwick's command icons come from a freedesktop icon theme: Oxygen, whose
// glossy look fits the ribbon skins (Debian's oxygen-icon-theme), or else the
// desktop's own theme. Each command also has a drawn icon, used when no theme
// has the named one. The ribbon asks a theme icon for 32 pixels on large
// buttons and 16 on small ones, which the theme has as separate images.

/// Selects the Oxygen theme when it is installed; call once the application
/// object exists.
inline void useOxygenIconTheme()
{
    for (const QString& path : QIcon::themeSearchPaths()) {
        if (QDir(path).exists(QStringLiteral("oxygen/index.theme"))) {
            QIcon::setThemeName(QStringLiteral("oxygen"));
            return;
        }
    }
}

/// The theme's icon @p name when the theme has one, else @p drawn.
inline QIcon themeIcon(const char* name, const QIcon& drawn)
{
    const QString themeName = QString::fromLatin1(name);
    return QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName) : drawn;
}
