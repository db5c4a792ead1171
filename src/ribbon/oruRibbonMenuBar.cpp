#include "oruRibbonMenuBar.h"

namespace oru {

RibbonMenuBar::RibbonMenuBar(QWidget* parent)
    : QWidget(parent)
{
}

RibbonMenuBar::~RibbonMenuBar() = default;

} // namespace oru
