#pragma once

#include <QPainter>
#include <QRect>

// The 3-D edges that the program's controls and frames are drawn with.

// Thickness of a raised dialog frame (a panel's border, a popup window's frame).
constexpr int dialogFrameWidth = 3;
// Thickness of the sunken client edge of an image control.
constexpr int clientEdgeWidth = 2;

// A raised frame of dialogFrameWidth pixels just inside the rectangle.
void drawRaisedFrame(QPainter& painter, const QRect& outer);
// A sunken edge of clientEdgeWidth pixels just inside the rectangle.
void drawSunkenEdge(QPainter& painter, const QRect& outer);
