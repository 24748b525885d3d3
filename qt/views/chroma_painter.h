#pragma once
// Replays the plot primitives onto any QPainter (widget, image, printer), and
// measures texts with the fonts the replay uses.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "plots/plot_primitives.h"

namespace corvana::ui {

// The interface face, regular, at a point size.
QFont plotFont(FontRole role, int pointSize);

// Text widths in the plot fonts as they come out on `device` (its resolution
// turns points into pixels).
TextMeasure textMeasureOn(const QPaintDevice& device);

// Paints every primitive that reaches `update` (logical coordinates), in order.
void paintPrimitives(QPainter& painter, const PlotPrimitives& primitives, const PlotBox& update);

// An image of `size` logical pixels at `devicePixelRatio`, whose resolution
// maps points to pixels as the screen does, so fonts come out the same size.
QImage screenLikeImage(QSize size, qreal devicePixelRatio = 1);

}  // namespace corvana::ui
