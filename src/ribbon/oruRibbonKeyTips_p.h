#pragma once

// Key tips: pressing and releasing Alt (or F10) puts letter badges on the
// ribbon's controls; typing a badge's letters uses the control. The levels
// are the top band (application button, quick access buttons, tabs and the
// tab row's extras), the selected tab's page, and the popup of a collapsed
// group.

#include "oruGlobal.h"

#include <QList>

#include <functional>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

class QAction;
class QKeyEvent;
class QMenu;

namespace oru {

class RibbonAction;
class RibbonCategory;
class RibbonCategoryWrapper;
class RibbonKeyTipOverlay;
class RibbonMenuBar;

namespace keytips {

/// What decides the letters of one control.
struct Request
{
    /// Set by the host; normalised (see RibbonAction::setKeyTip()).
    QString explicitTip;
    /// The control's text, with its mnemonic marker if it has one.
    QString text;
};

/// Letters for every request, in order: explicit tips first, then the
/// mnemonic of the text, then a free letter of the text, then two letters.
/// No result equals another or begins another; a request that cannot get
/// one (only past a thousand controls) gets an empty string. The same
/// input always gives the same letters.
VAZAVE_EXPORT QStringList assign(const QList<Request>& requests);

/// The mnemonic letter of @p text ("&Paste" gives "P", "&&" is no marker).
VAZAVE_EXPORT QString mnemonic(const QString& text);

/// Where a badge goes over a menu entry @p widget: the x of the centre of
/// its icon, left to right from its left edge; kTextFirst for an entry whose
/// text starts at its left end, kNotAnEntry for what is not a menu entry.
constexpr int kTextFirst = -1;
constexpr int kNotAnEntry = -2;
int menuIconCentre(const QWidget& widget);

/// Places badges of the sizes in @p sizes at the wanted top-left points in
/// @p wanted, moving a badge that would overlap an earlier one or leave
/// @p bounds to the nearest free place.
VAZAVE_EXPORT QList<QRect> place(const QList<QRect>& wanted, const QRect& bounds);

} // namespace keytips

/// One badge: the letters, where they stand, and the control they use.
struct RibbonKeyTip
{
    enum Kind
    {
        Click, // a button: clicked (a tab is selected, a group popup opens)
        Focus, // an editor (combo and font boxes): takes the keyboard focus
    };

    QString tip;
    QPointer<QWidget> widget;
    /// The part of @p widget that is the control, in its coordinates (the
    /// cell of a button-group member; the whole widget otherwise).
    QRect area;
    /// Where a click goes, in @p widget's coordinates.
    QPoint clickPos;
    QPointer<QAction> action;
    Kind kind = Click;
    bool enabled = true;
    /// The control's rectangle and its badge, in the coordinates of the
    /// overlay they are painted on.
    QRect frame;
    QRect badge;
};

// Exported for the tests.
class VAZAVE_EXPORT RibbonKeyTips : public QObject
{
    Q_OBJECT

public:
    enum Level
    {
        Hidden,
        Top,
        Page,
        Popup,
        /// The application menu, opened by the application button's tip.
        Menu,
        /// A sub-menu of the application menu.
        SubMenu,
        /// A drop-down menu of a menu button (or one of its sub-menus).
        DropDown
    };

    explicit RibbonKeyTips(RibbonMenuBar& bar);
    ~RibbonKeyTips() override;

    Level level() const { return m_level; }
    bool isShown() const { return m_level != Hidden; }
    /// The badges of the current level, in the order their letters were
    /// given.
    const QList<RibbonKeyTip>& tips() const { return m_tips; }
    /// The letters typed so far on this level.
    QString typed() const { return m_typed; }
    /// The badge the arrow and Tab keys moved to, or -1.
    int current() const { return m_current; }
    /// The widget the badges are painted on (the main window's overlay, or
    /// the popup's), or null while hidden.
    QWidget* overlay() const;

    void show();
    void hide();

    QString mainButtonTip() const { return m_mainButtonTip; }
    void setMainButtonTip(const QString& tip);

    /// Places the badges again over the controls where they stand now.
    void layoutBadges();

signals:
    void shownChanged(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ownsWindow(const QWidget* window) const;
    bool handleKey(QKeyEvent* event);
    void enterLevel(Level level);
    void collectTop(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    void collectCategory(RibbonCategory* category, QList<RibbonKeyTip>& tips,
                         QList<keytips::Request>& requests);
    // The controls of @p actions, as @p widgetOf finds them (a group's or a
    // simplified row's).
    void collectControls(const QList<RibbonAction*>& actions,
                         const std::function<QWidget*(RibbonAction*)>& widgetOf,
                         QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    void collectPage(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    // Gives the page's controls and groups the letters they have on the
    // whole page, so that they do not change when groups collapse.
    void usePageLetters(const QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    void collectMenu(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    void collectSubMenu(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    void collectDropDown(QList<RibbonKeyTip>& tips, QList<keytips::Request>& requests);
    // The drop-down menu a click just opened, or null.
    QMenu* openedDropDown() const;
    bool opensLevel(const QWidget* widget) const;
    void closeWindow(QWidget* window);
    void use(int index);
    void moveCurrent(int key);
    /// Up and Down in the application menu and its sub-menus: the next entry
    /// in reading order, which takes the focus (and so the highlight) too.
    void moveInMenu(bool down);
    void setCurrent(int index);
    void back();
    void refilter();

    RibbonMenuBar& m_bar;
    Level m_level = Hidden;
    QList<RibbonKeyTip> m_tips;
    QString m_typed;
    int m_current = -1;
    QString m_mainButtonTip = QStringLiteral("F");
    bool m_altArmed = false;
    bool m_synthesizing = false;
    QPointer<RibbonCategoryWrapper> m_popupWrapper;
    QPointer<QWidget> m_menu;    // the application menu of the Menu level
    QPointer<QWidget> m_subMenu; // its sub-menu of the SubMenu level
    // The open drop-down menus of the DropDown level, the innermost last, and
    // the level they were opened from.
    QList<QPointer<QMenu>> m_dropDowns;
    Level m_dropDownFrom = Page;
    QPointer<RibbonKeyTipOverlay> m_overlay;
};

/// Paints the badges of a level over a window; transparent for the mouse.
class RibbonKeyTipOverlay : public QWidget
{
    Q_OBJECT

public:
    RibbonKeyTipOverlay(RibbonKeyTips& owner, QWidget* window);
    /// The size of a badge showing @p tip.
    QSize badgeSize(const QString& tip) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RibbonKeyTips& m_owner;
};

} // namespace oru
