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
    RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                    QActionGroup* group, int columns, bool topIcons, bool bottomIcons,
                    bool centreTexts, QObject* parent);
    RibbonViewPopup(QList<RibbonSimpleAction*> top, QList<RibbonSimpleAction*> bottom,
                    QActionGroup* group, QObject* parent);
    ~RibbonViewPopup() override;

    QSize sizeHint() const override;
    int getWidgetWidth() const;
    int getWidgetHeight() const;

    const QList<RibbonViewButton*>& buttons() const { return m_buttons; }
    QGridLayout* grid() const { return m_grid; }
    QVBoxLayout* topLayout() const { return m_topLayout; }
    QVBoxLayout* bottomLayout() const { return m_bottomLayout; }
    QFrame* secondLine() const { return m_secondLine; }

public slots:
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
