#pragma once

#include "oruRibbonCategoryAction.h"

#include <QAbstractButton>
#include <QPointer>

class QHBoxLayout;

namespace oru {

class RibbonCategory;
class RibbonCategoryAction;
class RibbonCategoryPanel;
class RibbonCategoryWrapper;

/// The popup of a collapsed category: a second RibbonCategory for the same
/// category action, placed just below the ribbon page. It closes when any
/// control of the group is used and deletes itself once closed.
class VAZAVE_EXPORT RibbonCategoryWrapperPopup : public QWidget
{
    Q_OBJECT

public:
    /// A popup window for the category of @p wrapper, with a second group widget of its own.
    explicit RibbonCategoryWrapperPopup(RibbonCategoryWrapper& wrapper);
    ~RibbonCategoryWrapperPopup() override;

    /// The group widget shown in the popup; owned by the popup.
    RibbonCategory* popupCategory() const { return m_popupCategory; }
    /// The collapsed wrapper that opened the popup.
    RibbonCategoryWrapper& wrapper() const { return m_wrapper; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    RibbonCategoryWrapper& m_wrapper;
    QHBoxLayout* m_popupLayout = nullptr;
    RibbonCategory* m_popupCategory = nullptr;
};

/// Holds one category on a page. Expanded it just shows the category; when
/// the page collapses it, it becomes a tall button with the group symbol,
/// the category's icon and caption, whose press opens the category in a
/// popup.
class VAZAVE_EXPORT RibbonCategoryWrapper : public QAbstractButton
{
    Q_OBJECT

public:
    /// The holder of category @p action on @p page, which owns it; it builds the group widget (its
    /// child) at once, expanded.
    RibbonCategoryWrapper(RibbonCategoryPanel& page, RibbonCategoryAction& action);
    ~RibbonCategoryWrapper() override;

    /// The page the wrapper belongs to.
    RibbonCategoryPanel& page() const { return m_page; }
    /// The category action; null once it was destroyed.
    RibbonCategoryAction* categoryAction() const { return m_categoryAction.data(); }
    /// The group widget shown while expanded; owned by the wrapper. A group
    /// on a page never shown gets it when first asked for (at the latest
    /// when the page shows); null once the category action was destroyed
    /// if it had none by then.
    RibbonCategory* category() const;
    /// The open popup, or null.
    RibbonCategoryWrapperPopup* popup() const { return m_popup.data(); }

    /// True while the category is shown as a button.
    bool isColapsed() const { return m_colapsed; }
    /// Shows the category as a button (true) or at full size (false); the page layout calls it.
    void setColapsed(bool colapsed);
    /// True while the wrapper is drawn pressed (its popup is open).
    bool isMyChecked() const { return m_myChecked; }
    /// Drawn pressed while the popup is open; true opens the popup.
    void setMyChecked(bool checked);

    /// The category at full size.
    QSize normalSize() const;
    /// The collapsed button: the narrowest width at which the caption wraps
    /// into at most two lines, 85 high.
    QSize colapsedSize() const;

    /// Always the full size, collapsed or not.
    QSize sizeHint() const override;
    /// Always the collapsed size.
    QSize minimumSizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followCaption();
    // Sizes changed with caption or font: measure again and let the page know.
    void relayout();

    RibbonCategoryPanel& m_page;
    QPointer<RibbonCategoryAction> m_categoryAction;
    bool m_colapsed = false;
    bool m_myChecked = false;
    RibbonCategory* m_category = nullptr;
    QPointer<RibbonCategoryWrapperPopup> m_popup;
    // The caption wrap search lays out text several times; the page asks
    // for the result on every resize, so it is kept until caption or font
    // change.
    mutable QSize m_colapsedSizeCache;
    QString m_caption; // the caption the sizes were taken for
};

} // namespace oru
