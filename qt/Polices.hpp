// The design's fonts on this desktop.
#pragma once

#include <QFont>

#include "Controles.hpp"

namespace orbalide {

// The design's font, in its own family where the desktop has it, else in a metric-compatible
// free family (Liberation). Asking for the free family by name spares the font database a
// search for each missing family's fallbacks.
QFont Police(const Font& font);

}  // namespace orbalide
