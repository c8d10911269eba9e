// Numbers in text, independent of the C locale: the program reads and writes "." itself and
// takes the regional decimal separator as an argument where a text shows it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbalide {

// Reads the leading number of a typed text. Blanks (spaces, tabs, line breaks) anywhere in the
// text are ignored; the number is an optional sign, digits, an optional "." and digits, an
// optional exponent (E or e, optional sign, digits). Reading stops at the first other character
// ("12,5" reads 12). A text without a leading number reads 0. A number beyond the range of a
// double (1E999) throws ErreurArithmetique; one too small for it reads 0.
double LireNombre(std::string_view texte);

struct NombreEnTete {
  std::size_t Longueur;  // bytes of the number, its sign included; 0 when there is none
  double Valeur;         // 0 when there is none
};

// The number that the text starts with, by the rules of LireNombre but with no blank skipped:
// its length and its value. Throws ErreurArithmetique when it is beyond the range of a double;
// one too small for it reads 0.
NombreEnTete LireNombreEnTete(std::string_view texte);

// Formats v with a picture such as "00", "0", "00.000": at least as many integer digits as the
// picture has zeros before its point (zero-padded), exactly as many decimals as it has after it,
// rounded to the nearest; the decimal point is written as `separateur`. Never an exponent.
std::string FormatPicture(double v, std::string_view picture, std::string_view separateur);

// The general text of v: at most 15 significant digits, no trailing zeros, no digit grouping,
// a leading "-" when negative, `separateur` as decimal point; always plain decimal notation,
// never an exponent (0.00001, not 1E-05).
std::string FormatGeneral(double v, std::string_view separateur);

}  // namespace orbalide
