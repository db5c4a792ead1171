#pragma once

#include "oruGlobal.h"

#include <QWidget>

namespace oru {

/// The top band of the ribbon main window. The page stack of the ribbon
/// (RibbonCategoryPanels) belongs to it.
class VAZAVE_EXPORT RibbonMenuBar : public QWidget
{
    Q_OBJECT

public:
    explicit RibbonMenuBar(QWidget* parent = nullptr);
    ~RibbonMenuBar() override;
};

} // namespace oru
