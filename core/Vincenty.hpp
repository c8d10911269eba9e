// The terms that the direct and the inverse solution share, named after the equations of
// T. Vincenty, "Direct and inverse solutions of geodesics on the ellipsoid with application of
// nested equations", Survey Review 23(176), 88–93, 1975. Each keeps the grouping computed.
#pragma once

#include "Reel.hpp"

namespace orbalide::vincenty {

// u² = cos²α · (a² − b²) ÷ b², from the course at the equator and the two semi-axes.
inline Reel UCarre(Reel cosSqAlpha, Reel a, Reel b) {
  return cosSqAlpha * (a * a - b * b) / (b * b);
}

// Equation (3).
inline Reel A(Reel uSq) {
  return 1 + (uSq / 16384) * (4096 + uSq * (-768 + uSq * (320 - 175 * uSq)));
}

// Equation (4).
inline Reel B(Reel uSq) {
  return (uSq / 1024) * (256 + uSq * (-128 + uSq * (74 - 47 * uSq)));
}

// Equation (6): Δσ.
inline Reel DeltaSigma(Reel B, Reel sinSigma, Reel cosSigma, Reel cos2SigmaM) {
  return B * sinSigma *
         (cos2SigmaM + (B / 4) * (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                                  (B / 6) * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) *
                                      (-3 + 4 * cos2SigmaM * cos2SigmaM)));
}

// Equation (10).
inline Reel C(Reel f, Reel cosSqAlpha) {
  return (f / 16) * cosSqAlpha * (4 + f * (4 - 3 * cosSqAlpha));
}

// The difference between the longitude differences on the sphere and on the ellipsoid,
// λ − L, of equations (11) and (13).
inline Reel LambdaMoinsL(Reel C, Reel f, Reel sinAlpha, Reel sigma, Reel sinSigma, Reel cosSigma,
                         Reel cos2SigmaM) {
  return (1 - C) * f * sinAlpha *
         (sigma + C * sinSigma * (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
}

}  // namespace orbalide::vincenty
