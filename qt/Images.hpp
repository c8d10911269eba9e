// The program's pictures, drawn by the program itself.
#pragma once

#include <QPixmap>
#include <QSize>

#include "Controles.hpp"

class QPainter;

namespace orbalide {

// Paints the picture filling a rectangle of the given size from the painter's origin.
void Paint(QPainter& painter, Picture picture, QSizeF size);

// The picture at the given size in device-independent pixels (its design size when empty),
// drawn once for each size.
QPixmap Draw(Picture picture, QSize size = {});

// The size each picture is designed for.
QSize DesignSize(Picture picture);

}  // namespace orbalide
