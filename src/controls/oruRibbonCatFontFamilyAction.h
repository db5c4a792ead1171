#pragma once

#include "oruRibbonAction.h"

#include <QFont>

namespace oru {

/// The current font family, shown and picked in font combo boxes.
class VAZAVE_EXPORT RibbonCatFontFamilyAction : public RibbonAction
{
    Q_OBJECT

public:
    /// The font family @p font as the current one, owned by @p parent.
    RibbonCatFontFamilyAction(const QFont& font, QObject* parent);
    ~RibbonCatFontFamilyAction() override;

    /// The current font.
    const QFont& fontFamily() const { return m_fontFamily; }

public slots:
    /// Stores a font that differs from the current one, refreshes the combo
    /// boxes and announces it (fontFamilyChanged, changed, activated).
    void setFontFamily(const QFont& ff);

signals:
    /// Emitted by setFontFamily() after the combo boxes show the new font, before changed() and
    /// activated().
    void fontFamilyChanged(const QFont& ff);
    /// Emitted only when the user picked @p ff in a font combo box, after fontFamilyChanged();
    /// never by setFontFamily(), so a host that shows the text cursor's font through
    /// setFontFamily() applies fonts only on this signal.
    void fontFamilyActivated(const QFont& ff);

protected:
    /// A font combo box for toolbars; other containers build their own.
    QWidget* createWidget(QWidget* parent) override;

private:
    QFont m_fontFamily;
};

} // namespace oru
