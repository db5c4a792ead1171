#pragma once

#include <QWidget>

class QButtonGroup;

// Shows every image and colour of the active skin, with buttons that switch
// the skin at run time.
class SkinView : public QWidget
{
    Q_OBJECT

public:
    explicit SkinView(QWidget* parent = nullptr);

private:
    void syncButtons();

    QButtonGroup* m_skins = nullptr;
};

// The sheet inside SkinView's scroll area.
class SkinSheet : public QWidget
{
    Q_OBJECT

public:
    explicit SkinSheet(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tile
    {
        QString name;
        QRect rect;
    };
    QString folder() const;
    void layoutTiles();

    QStringList m_images;
    QVector<Tile> m_tiles;
    int m_height = 0;
};
