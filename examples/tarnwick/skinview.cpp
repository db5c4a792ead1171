#include "skinview.h"

#include "skinchoice.h"

#include "framedemo.h"

#include <oruRibbonApplication.h>
#include <oruRibbonStyle.h>

#include <QButtonGroup>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

using oru::RibbonApplication;
using oru::RibbonStyle;

namespace {

constexpr int kZoom = 2;
constexpr int kGap = 12;
constexpr int kLabel = 16;

struct NamedColor
{
    const char* name;
    const QColor& (RibbonStyle::*getter)() const;
};

const NamedColor kColors[] = {
    {"mainClientColor", &RibbonStyle::mainClientColor},
    {"mainMenuBgColor", &RibbonStyle::mainMenuBgColor},
    {"activeTextColor", &RibbonStyle::activeTextColor},
    {"inactiveTextColor", &RibbonStyle::inactiveTextColor},
    {"activeTitleTextColor", &RibbonStyle::activeTitleTextColor},
    {"inactiveTitleTextColor", &RibbonStyle::inactiveTitleTextColor},
    {"normalCategoryTextColor", &RibbonStyle::normalCategoryTextColor},
    {"highlightedCategoryTextColor", &RibbonStyle::highlightedCategoryTextColor},
    {"disabledCategoryTextColor", &RibbonStyle::disabledCategoryTextColor},
    {"categoryCaptionTextColor", &RibbonStyle::categoryCaptionTextColor},
    {"categoryWrapperCaptionTextColor", &RibbonStyle::categoryWrapperCaptionTextColor},
    {"frameOutlineColor", &RibbonStyle::frameOutlineColor},
    {"frameNormalFillColor", &RibbonStyle::frameNormalFillColor},
    {"frameHighlightedFillColor", &RibbonStyle::frameHighlightedFillColor},
    {"frameSunkenColor", &RibbonStyle::frameSunkenColor},
    {"frameRaiseColor", &RibbonStyle::frameRaiseColor},
};
constexpr int kColorRows = 4;
constexpr int kSwatch = 18;

} // namespace

SkinView::SkinView(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(tr("Tarnwick - skins"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Skin:"), this));
    m_skins = new QButtonGroup(this);
    const QStringList names = skinNames();
    for (int id = 0; id < names.size(); ++id) {
        auto* button = new QRadioButton(skinLabel(names.at(id)), this);
        button->setProperty("skin", names.at(id));
        m_skins->addButton(button, id);
        bar->addWidget(button);
    }
    bar->addStretch();
    bar->addWidget(createFrameDemoButton(this));
    layout->addLayout(bar);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(new SkinSheet(scroll));
    layout->addWidget(scroll);

    connect(m_skins, &QButtonGroup::buttonClicked, this,
            [](QAbstractButton* button) { chooseSkin(button->property("skin").toString()); });
    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this,
            &SkinView::syncButtons);
    syncButtons();
}

void SkinView::syncButtons()
{
    const QString current = RibbonApplication::theApp()->ribbonStyleName();
    for (QAbstractButton* button : m_skins->buttons())
        if (button->property("skin").toString() == current)
            button->setChecked(true);
}

SkinSheet::SkinSheet(QWidget* parent) : QWidget(parent)
{
    m_images = QDir(QStringLiteral(":/oru/ribbon/blue")).entryList(QDir::Files, QDir::Name);
    connect(RibbonApplication::theApp(), &RibbonApplication::ribbonStyleChanged, this,
            qOverload<>(&QWidget::update));
}

// The folder of the built-in skin in use; empty for a skin made from a
// palette, whose images are painted at run time and have no files.
QString SkinSheet::folder() const
{
    const QString name = RibbonApplication::theApp()->ribbonStyleName();
    for (const char* builtIn : {"Blue", "Silver", "Black"})
        if (name == QLatin1String(builtIn))
            return QStringLiteral(":/oru/ribbon/") + name.toLower() + QLatin1Char('/');
    return QString();
}

QSize SkinSheet::sizeHint() const
{
    return QSize(900, qMax(m_height, 400));
}

void SkinSheet::resizeEvent(QResizeEvent*)
{
    layoutTiles();
}

// Flows the zoomed images left to right, below the colour swatches.
void SkinSheet::layoutTiles()
{
    m_tiles.clear();
    const int top = kGap + kColorRows * (kSwatch + 6) + kGap;
    int x = kGap;
    int y = top;
    int rowHeight = 0;
    for (const QString& name : m_images) {
        const QSize size = QPixmap(QStringLiteral(":/oru/ribbon/blue/") + name).size() * kZoom;
        const int w = qMax(size.width(), fontMetrics().horizontalAdvance(name));
        if (x + w > width() - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        m_tiles.append({name, QRect(QPoint(x, y + kLabel), size)});
        x += w + kGap;
        rowHeight = qMax(rowHeight, size.height() + kLabel);
    }
    const int height = y + rowHeight + kGap;
    if (height != m_height) {
        m_height = height;
        setMinimumHeight(height);
        updateGeometry();
    }
}

void SkinSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const RibbonStyle* skin = RibbonApplication::theApp()->ribbonStyle();
    painter.fillRect(rect(), skin->mainClientColor());

    const int columnWidth = 260;
    for (int i = 0; i < int(std::size(kColors)); ++i) {
        const QRect swatch(kGap + (i / kColorRows) * columnWidth,
                           kGap + (i % kColorRows) * (kSwatch + 6), kSwatch, kSwatch);
        painter.fillRect(swatch, (skin->*kColors[i].getter)());
        painter.setPen(Qt::black);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(skin->highlightedCategoryTextColor());
        painter.drawText(swatch.right() + 6, swatch.bottom() - 4, QLatin1String(kColors[i].name));
    }

    const QString base = folder();
    if (base.isEmpty()) {
        painter.setPen(skin->highlightedCategoryTextColor());
        painter.drawText(rect().adjusted(kGap, kGap + kColorRows * (kSwatch + 6) + kGap, 0, 0),
                         Qt::AlignLeft | Qt::AlignTop,
                         tr("This skin is made from a palette: its images are painted when "
                            "the program runs."));
        return;
    }
    for (const Tile& tile : m_tiles) {
        painter.setPen(skin->highlightedCategoryTextColor());
        painter.drawText(tile.rect.left(), tile.rect.top() - 4, tile.name.chopped(4));
        painter.drawPixmap(tile.rect, QPixmap(base + tile.name));
    }
}
