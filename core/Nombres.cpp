#include "Nombres.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "Reel.hpp"

namespace orbalide {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The leading number of a text, cut into its parts, as views into the text.
struct Prefix {
  std::size_t length = 0;  // the sign included; 0 when there is no number
  bool negative = false;
  std::string_view unsignedText;  // the number without its sign
  std::string_view integer, fraction;
  long exponent = 0;  // saturated far beyond any double's range
};

std::size_t Digits(std::string_view s, std::size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// The exponent that starts at `i` ("E", optional sign, digits), saturated; where it ends, or `i`
// when there is none.
std::size_t ScanExponent(std::string_view s, std::size_t i, long& exponent) {
  if (i >= s.size() || (s[i] != 'E' && s[i] != 'e')) return i;
  std::size_t j = i + 1;
  const bool negative = j < s.size() && s[j] == '-';
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
  if (j >= s.size() || !IsDigit(s[j])) return i;
  constexpr long kSaturation = 1'000'000'000;
  for (; j < s.size() && IsDigit(s[j]); ++j) {
    exponent = std::min(kSaturation, exponent * 10 + (s[j] - '0'));
  }
  if (negative) exponent = -exponent;
  return j;
}

Prefix ScanPrefix(std::string_view s) {
  Prefix p;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.negative = s[i++] == '-';
  const std::size_t start = i;
  i = Digits(s, i);
  p.integer = s.substr(start, i - start);
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    const std::size_t end = Digits(s, i + 1);
    p.fraction = s.substr(i + 1, end - i - 1);
    i = end;
  }
  if (p.integer.empty() && p.fraction.empty()) return p;
  i = ScanExponent(s, i, p.exponent);
  p.unsignedText = s.substr(start, i - start);
  p.length = i;
  return p;
}

// Where the first significant digit stands: 0 for 1 ≤ |x| < 10, 1 for 10 ≤ |x| < 100, …;
// nothing when every digit is 0.
std::optional<long> DecimalMagnitude(const Prefix& p) {
  if (const auto i = p.integer.find_first_not_of('0'); i != std::string_view::npos) {
    return static_cast<long>(p.integer.size() - i) - 1 + p.exponent;
  }
  if (const auto f = p.fraction.find_first_not_of('0'); f != std::string_view::npos) {
    return -static_cast<long>(f) - 1 + p.exponent;
  }
  return std::nullopt;
}

}  // namespace

NombreEnTete LireNombreEnTete(std::string_view texte) {
  const Prefix p = ScanPrefix(texte);
  const std::optional<long> magnitude = DecimalMagnitude(p);
  if (!magnitude) return {p.length, 0};
  double v = 0;
  const char* const first = p.unsignedText.data();
  if (std::from_chars(first, first + p.unsignedText.size(), v).ec ==
      std::errc::result_out_of_range) {
    if (*magnitude > 0) SignalerErreurArithmetique();
    v = 0;
  }
  return {p.length, p.negative ? -v : v};
}

double LireNombre(std::string_view texte) {
  std::string compact;
  for (char c : texte) {
    if (!IsBlank(c)) compact += c;
  }
  return LireNombreEnTete(compact).Valeur;
}

std::string FormatPicture(double v, std::string_view picture, std::string_view separateur) {
  const double magnitude = static_cast<double>(Abs(Reel(v)));
  const auto point = picture.find('.');
  const auto integerDigits = picture.substr(0, point).size();
  const int decimals =
      point == std::string_view::npos ? 0 : static_cast<int>(picture.size() - point - 1);
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, decimals);
  std::string text(buffer.data(), result.ptr);
  const auto dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separateur);
  const auto whole = dot == std::string::npos ? text.size() : dot;
  if (whole < integerDigits) text.insert(0, integerDigits - whole, '0');
  if (v < 0 && text.find_first_of("123456789") != std::string::npos) text.insert(0, 1, '-');
  return text;
}

// Rounded to 15 significant digits, the value is a double whose shortest fixed text is exactly
// those digits without trailing zeros: two decimals of at most 15 digits never share a double.
// Only next to the largest double does the rounding leave the range; the digits are then
// followed by zeros up to the units.
std::string FormatGeneral(double v, std::string_view separateur) {
  const double magnitude = static_cast<double>(Abs(Reel(v)));
  std::array<char, 400> buffer{};
  char* const first = buffer.data();
  char* const last = first + buffer.size();
  char* end = std::to_chars(first, last, magnitude, std::chars_format::scientific, 14).ptr;
  double rounded = 0;
  std::string text;
  if (std::from_chars(first, end, rounded).ec == std::errc::result_out_of_range) {
    const std::string_view scientific(first, static_cast<std::size_t>(end - first));
    const auto e = scientific.find('e');
    text.assign(1, scientific[0]).append(scientific.begin() + 2, scientific.begin() + e);
    text.append(static_cast<std::size_t>(std::atoi(first + e + 1)) + 1 - text.size(), '0');
  } else {
    end = std::to_chars(first, last, rounded, std::chars_format::fixed).ptr;
    text.assign(first, end);
  }
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, separateur);
  return v < 0 && text != "0" ? "-" + text : text;
}

}  // namespace orbalide
