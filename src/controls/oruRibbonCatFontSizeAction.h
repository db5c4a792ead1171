#pragma once

#include "oruRibbonAction.h"

#include <QComboBox>
#include <QPointer>

namespace oru {

/// The current font size, picked from a fixed list of sizes in a combo box.
///
/// The first entry of the list always shows the current size: a pick of
/// another entry stores that size and moves the display back to entry 0.
class VAZAVE_EXPORT RibbonCatFontSizeAction : public RibbonAction
{
    Q_OBJECT

public:
    /// A font size action with @p fontSize as the current size, owned by @p parent.
    RibbonCatFontSizeAction(int fontSize, QObject* parent);
    ~RibbonCatFontSizeAction() override;

    /// The size shown by the latest combo box (8 when its text is no
    /// number); the stored size while no combo box exists.
    int fontSize() const;

public slots:
    /// Reads the size the combo box shows and, when it differs from the
    /// stored one, stores and announces it. @p index is not used.
    void setFontSize(int index);
    /// Shows @p fs (not 0) as the current size without storing or announcing
    /// it, e.g. to follow the text cursor.
    void updateFontSize(int fs);

signals:
    /// Emitted by setFontSize() with the new size, before changed() and activated().
    void fontSizeChanged(int fs);
    /// Emitted only when the user picked the size @p fs in a combo box, after fontSizeChanged();
    /// never by updateFontSize(). Also when the pick repeats the current size.
    void fontSizeActivated(int fs);

protected:
    /// A plain combo box for toolbars and for the ribbon's groups; other containers get no widget.
    QWidget* createWidget(QWidget* parent) override;

private:
    QList<QComboBox*> comboBoxes() const;

    int m_fontSize;
    QPointer<QComboBox> m_comboBox;
};

} // namespace oru
