#pragma once

#include "oruRibbonSimpleAction.h"

#include <QColor>
#include <QIcon>

namespace oru {

/// A colour choice for a ribbon panel: the current colour, optionally an
/// "automatic" and a "none" choice. Renders its own icon with a bar of the
/// current colour under the base icon (small and medium sizes).
class VAZAVE_EXPORT RibbonCatColorMenuAction : public RibbonSimpleAction
{
    Q_OBJECT

public:
    enum eSize : int
    {
        Small = 0,
        Medium = 1,
        Large = 2
    };

    RibbonCatColorMenuAction(const QIcon& icon, const QString& text, eSize size, QObject* parent);
    ~RibbonCatColorMenuAction() override;

    QWidget* createWidget(QWidget* parent) override;

    eSize size() const { return m_size; }
    const QColor& color() const { return m_color; }
    const QColor& automaticColor() const { return m_automaticColor; }
    bool hasAutomaticColor() const { return m_hasAutomaticColor; }
    bool hasNoneColor() const { return m_hasNoneColor; }
    bool isAutomatic() const { return m_hasAutomaticColor && m_automatic; }
    bool isNone() const { return m_hasNoneColor && m_none; }
    bool keepsSelection() const { return m_keepSelection; }

    void setHasAutomaticColor(bool has);
    void setHasNoneColor(bool has);
    void setAutomaticColor(const QColor& color);
    void setKeepSelection(bool keep);

public slots:
    void setColor(const QColor& color);
    void setAutomatic();
    void setNone();

signals:
    void colorSet(QColor color);
    void automaticSet();
    void noneSet();

private:
    void updateIcon();

    QIcon m_baseIcon;
    QColor m_color = Qt::black;
    QColor m_automaticColor = Qt::white;
    bool m_hasAutomaticColor = false;
    bool m_automatic = false;
    bool m_hasNoneColor = false;
    bool m_none = false;
    eSize m_size;
    bool m_keepSelection = true;
};

} // namespace oru
