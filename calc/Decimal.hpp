// Doubles as fixed-point text, correctly rounded, about three times as fast as std::to_chars with
// a precision on the values a geodesic has.
#pragma once

namespace orbalide::calc {

// The longest text: 309 digits before the point, a sign, a point and the decimals.
inline constexpr int kDecimalLongueurMax = 330;

// Writes v at `texte` (room for kDecimalLongueurMax characters) with `decimales` decimals, 1 to
// 9, and returns the end: rounded to the nearest from v's exact binary value, ties to even, "."
// as decimal point, "-" before a negative value (-0.000 included), never an exponent; the text
// of printf's "%.*f" in the C locale.
char* EcrireDecimal(char* texte, double v, int decimales);

}  // namespace orbalide::calc
