// The program's pictures, drawn by the program itself.
#pragma once

#include <QPixmap>
#include <QSize>

#include "Controles.hpp"

namespace orbalide {

// The picture at the given size in device-independent pixels (its design size when empty).
QPixmap Draw(Picture picture, QSize size = {});

// The size each picture is designed for.
QSize DesignSize(Picture picture);

}  // namespace orbalide
