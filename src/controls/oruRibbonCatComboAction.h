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
    explicit RibbonCatComboAction(QObject* parent);
    ~RibbonCatComboAction() override;

    const QStringList& items() const { return m_items; }
    const QString& selectionText() const { return m_selectionText; }
    bool isEditable() const { return m_editable; }
    /// Fixed width of the combo boxes, in pixels.
    int width() const { return m_width; }
    bool isSearchable() const { return m_searchable; }
    const QString& comboInputMask() const { return m_comboInputMask; }

    /// Appends an item; every combo box of the action appends it too.
    void addItem(const QString& item);
    void setEditable(bool editable);
    /// Takes effect in combo boxes created afterwards.
    void setWidth(int width);
    /// Takes effect at the next key press.
    void setSearchable(bool searchable);
    /// Takes effect in combo boxes created afterwards. Without a mask an
    /// editable box accepts whole numbers from 8 to 128.
    void setComboInputMask(const QString& mask);

    void emitKeyPressed(int key);

public slots:
    void setSelectionText(const QString& text);

signals:
    void itemAdded(const QString& item);
    void selectionTextChanged();
    void editableChanged();
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
