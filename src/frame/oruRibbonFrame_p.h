#pragma once

#include <QPolygon>

class QPainter;

namespace oru {

class RibbonStyle;

// Drawing shared by the two framed top-level windows (RibbonWindow and
// RibbonMainWindow): they wear the same skinned border and the same rounded
// outline.
namespace frame {

/// Column of the frame images that holds the inactive look (the active look
/// starts at column 0).
constexpr int kInactiveColumn = 35;

/// The 29 points of the window outline, cutting stepped corners of 4 pixels.
QPolygon roundedOutline(int w, int h);

/// The eight pieces of the frame: the caption strip of height @p k over the
/// whole width, the side borders below it and the bottom border with its
/// corners. @p a is 0 for the active look and kInactiveColumn otherwise.
void drawFramePieces(QPainter& painter, const RibbonStyle& skin, int w, int h, int k, int a);

} // namespace frame
} // namespace oru
