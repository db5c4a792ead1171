#pragma once

#include "oruGlobal.h"

#include <QList>
#include <QMenu>
#include <QPointer>

#include <QActionGroup>
class QFrame;
class QGridLayout;
class QVBoxLayout;

namespace oru {

class RibbonSimpleAction;
class RibbonViewButton;

/// A drop-down for picking a view: wide text items at the top, a grid of
/// icon tiles from an action group in the middle, wide text items at the
/// bottom. Any click triggers its action and closes the popup. Looks the
/// same in every skin.
class VAZAVE_EXPORT RibbonViewPopup : public QMenu
{
    Q_OBJECT

public:
    /// A popup with an entry per action of @p top, a grid of @p columns tiles (at least 1) for
    /// the actions of @p group and an entry per action of @p bottom. The actions are not owned;
    /// entries of destroyed actions are left out. @p topIcons and @p bottomIcons show icons in
    /// the wide items, @p centreTexts centres their texts. @p parent is not used: the popup has
    /// no parent and the caller owns it.
    RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                    QActionGroup* group, int columns, bool topIcons, bool bottomIcons,
                    bool centreTexts, QObject* parent);
    /// As the constructor above with four columns, icons in the wide items and texts not
    /// centred.
    RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                    QActionGroup* group, QObject* parent);
    ~RibbonViewPopup() override;

    QSize sizeHint() const override;
    /// Width of the laid-out contents.
    int getWidgetWidth() const;
    /// Height of the laid-out contents.
    int getWidgetHeight() const;

    /// All entries, top to bottom; children of the popup.
    const QList<RibbonViewButton*>& buttons() const { return m_buttons; }
    /// The layout of the tiles.
    QGridLayout* grid() const { return m_grid; }
    /// The layout of the wide items at the top.
    QVBoxLayout* topLayout() const { return m_topLayout; }
    /// The layout of the wide items at the bottom.
    QVBoxLayout* bottomLayout() const { return m_bottomLayout; }
    /// The separator line between the tiles and the bottom items.
    QFrame* secondLine() const { return m_secondLine; }

public slots:
    /// Moves the hover look to the entry under the mouse; connected to the entries' mouseMoved().
    void onMouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void init();
    void buildWidgets();
    void removeWidgets();
    void addLine(QVBoxLayout* layout);
    void track(RibbonViewButton* button);

    int m_columns;
    bool m_topIcons;
    bool m_bottomIcons;
    bool m_centreTexts;
    QVBoxLayout* m_mainLayout;
    QVBoxLayout* m_topLayout;
    QGridLayout* m_grid;
    QVBoxLayout* m_bottomLayout;
    QFrame* m_firstLine;
    QFrame* m_secondLine;
    QPointer<QActionGroup> m_actionGroup;
    QList<QPointer<RibbonSimpleAction>> m_topActions;
    QList<QPointer<RibbonSimpleAction>> m_bottomActions;
    QPointer<RibbonViewButton> m_hoveredButton;
    QList<RibbonViewButton*> m_buttons;
};

} // namespace oru
