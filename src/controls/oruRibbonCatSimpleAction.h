#pragma once

#include "oruRibbonSimpleAction.h"

namespace oru {

/// The action of a simple push or toggle button in a category or toolbar.
/// Its size class is fixed at construction.
class VAZAVE_EXPORT RibbonCatSimpleAction : public RibbonSimpleAction
{
    Q_OBJECT

public:
    /// The button size, fixed at construction.
    enum eSize : int
    {
        Large = 0,  ///< 66 high: 32x32 icon above up to two lines of text
        Medium = 1, ///< 22 high: 16x16 icon with one line of text beside it
        Small = 2   ///< 22 high: 16x16 icon only
    };

    /// Stands for @p alias (see RibbonAction), copying its text and icon; owned by @p parent.
    RibbonCatSimpleAction(QPointer<QAction> alias, eSize size, QObject* parent);
    /// Stands for @p alias with icon and text of its own; owned by @p parent.
    RibbonCatSimpleAction(QPointer<QAction> alias, const QIcon& icon, const QString& text,
                          eSize size, QObject* parent);
    /// A button action with @p icon and @p text, owned by @p parent.
    RibbonCatSimpleAction(const QIcon& icon, const QString& text, eSize size, QObject* parent);
    /// A button action with @p text and no icon, owned by @p parent.
    RibbonCatSimpleAction(const QString& text, eSize size, QObject* parent);
    /// A button action without text or icon, owned by @p parent.
    RibbonCatSimpleAction(eSize size, QObject* parent);
    ~RibbonCatSimpleAction() override;

    /// The size class given to the constructor.
    eSize size() const { return m_size; }

protected:
    /// A button for toolbars; other containers present the action themselves.
    QWidget* createWidget(QWidget* parent) override;

private:
    eSize m_size;
};

} // namespace oru
