// The design's font families, with metric-compatible free fonts where they are missing.
#pragma once

namespace orbalide {

void SubstituerPolices();

}  // namespace orbalide
