#pragma once

#include "oruRibbonAction.h"

#include <QStringList>

namespace oru {

/// A list of strings shown in combo boxes of the ribbon.
///
/// Every combo box built for the action shows the same selection text; a
/// choice made in any of them becomes the action's selection and is shown by
/// all. Key presses in the boxes are passed on through keyPressed().
class VAZAVE_EXPORT RibbonCatComboAction : public RibbonAction
{
    Q_OBJECT

public:
    /// An empty, editable list 48 pixels wide, owned by @p parent.
    explicit RibbonCatComboAction(QObject* parent);
    ~RibbonCatComboAction() override;

    /// The items in the order they were added.
    const QStringList& items() const { return m_items; }
    /// The text all combo boxes of the action show.
    const QString& selectionText() const { return m_selectionText; }
    /// Whether the combo boxes accept typed text (on by default).
    bool isEditable() const { return m_editable; }
    /// Fixed width of the combo boxes, in pixels.
    int width() const { return m_width; }
    /// Whether the boxes act as a search field: Return keeps the focus and selects the text typed.
    bool isSearchable() const { return m_searchable; }
    /// The input mask of the boxes' edit field; empty by default.
    const QString& comboInputMask() const { return m_comboInputMask; }

    /// Appends an item; every combo box of the action appends it too. The first item of an
    /// action without a selection becomes the selection (itemAdded(), then
    /// selectionTextChanged()), as in a QComboBox.
    void addItem(const QString& item);
    /// Makes the boxes editable or not; emits editableChanged() on a change.
    void setEditable(bool editable);
    /// Takes effect in combo boxes created afterwards.
    void setWidth(int width);
    /// Takes effect at the next key press.
    void setSearchable(bool searchable);
    /// Takes effect in combo boxes created afterwards. Without a mask an
    /// editable box accepts whole numbers from 8 to 128.
    void setComboInputMask(const QString& mask);

    /// Emits keyPressed(); the combo boxes call it for every key press.
    void emitKeyPressed(int key);

public slots:
    /// Stores @p text as the selection, emits selectionTextChanged() and then refreshes every combo
    /// box; an unchanged text does nothing.
    void setSelectionText(const QString& text);

signals:
    /// Emitted by addItem() after @p item was appended.
    void itemAdded(const QString& item);
    /// Emitted by setSelectionText() for a new text, before the combo boxes show it: by the
    /// host's calls and by the user's choices alike.
    void selectionTextChanged();
    /// Emitted only when the user chose @p text in a combo box (picked an entry, or confirmed
    /// typed text with Return), after selectionTextChanged(); never by setSelectionText(). Like
    /// QComboBox::textActivated(), also when the choice repeats the current text.
    void selectionTextActivated(const QString& text);
    /// Emitted by setEditable() when the flag changed.
    void editableChanged();
    /// Emitted for every key pressed in one of the combo boxes, before the box handles it.
    void keyPressed(int key);

protected:
    /// A combo box for toolbars; other containers build their own.
    QWidget* createWidget(QWidget* parent) override;

private:
    QStringList m_items;
    QString m_selectionText;
    QString m_comboInputMask;
    bool m_editable = true;
    bool m_searchable = false;
    int m_width = 48;
};

} // namespace oru
