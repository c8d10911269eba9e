#include "Nombres.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "Reel.hpp"

namespace orbalide {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The leading number of a text without blanks, cut into its parts.
struct Prefix {
  bool negative = false;
  std::string digits;     // integer and fraction digits, as typed
  std::size_t point = 0;  // how many of them are integer digits
  long exponent = 0;      // saturated far beyond any double's range
};

Prefix ScanPrefix(const std::string& s) {
  Prefix p;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) p.negative = s[i++] == '-';
  while (i < s.size() && IsDigit(s[i])) p.digits += s[i++];
  p.point = p.digits.size();
  if (i + 1 < s.size() && s[i] == '.' && IsDigit(s[i + 1])) {
    ++i;
    while (i < s.size() && IsDigit(s[i])) p.digits += s[i++];
  }
  if (p.digits.empty() || i >= s.size() || (s[i] != 'E' && s[i] != 'e')) return p;
  std::size_t j = i + 1;
  bool negativeExponent = false;
  if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
  if (j >= s.size() || !IsDigit(s[j])) return p;
  constexpr long kSaturation = 1'000'000'000;
  for (; j < s.size() && IsDigit(s[j]); ++j) {
    p.exponent = std::min(kSaturation, p.exponent * 10 + (s[j] - '0'));
  }
  if (negativeExponent) p.exponent = -p.exponent;
  return p;
}

// Where the first significant digit stands: 0 for 1 ≤ |x| < 10, 1 for 10 ≤ |x| < 100, …
long DecimalMagnitude(const Prefix& p) {
  const auto first = p.digits.find_first_not_of('0');
  return static_cast<long>(p.point) - static_cast<long>(first) - 1 + p.exponent;
}

}  // namespace

double LireNombre(std::string_view texte) {
  std::string compact;
  for (char c : texte) {
    if (!IsBlank(c)) compact += c;
  }
  const Prefix p = ScanPrefix(compact);
  if (p.digits.find_first_not_of('0') == std::string::npos) return 0;
  std::string plain = p.digits.substr(0, p.point) + "." + p.digits.substr(p.point) + "e" +
                      std::to_string(p.exponent);
  double v = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (error == std::errc::result_out_of_range) {
    if (DecimalMagnitude(p) > 0) SignalerErreurArithmetique();
    v = 0;
  }
  return p.negative ? -v : v;
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
    text = std::string(scientific.substr(0, 1)) + std::string(scientific.substr(2, e - 2));
    text.append(static_cast<std::size_t>(std::atoi(first + e + 1)) + 1 - text.size(), '0');
  } else {
    end = std::to_chars(first, last, rounded, std::chars_format::fixed).ptr;
    text.assign(first, end);
  }
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, separateur);
  return v < 0 && text != "0" ? "-" + text : text;
}

}  // namespace orbalide
