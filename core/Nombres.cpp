#include "Nombres.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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
  long exponent = 0;                // saturated far beyond any double's range
  std::uint64_t digitsAsWhole = 0;  // integer and fraction digits as one number, modulo 2^64
};

// The digits from `i` on, added to `whole`; where they end.
const char* Digits(const char* i, const char* end, std::uint64_t& whole) {
  for (; i != end && IsDigit(*i); ++i) whole = whole * 10 + static_cast<std::uint64_t>(*i - '0');
  return i;
}

// The exponent that starts at `i` ("E", optional sign, digits), saturated; where it ends, or `i`
// when there is none.
const char* ScanExponent(const char* i, const char* end, long& exponent) {
  if (i == end || (*i != 'E' && *i != 'e')) return i;
  const char* j = i + 1;
  const bool negative = j != end && *j == '-';
  if (j != end && (*j == '+' || *j == '-')) ++j;
  if (j == end || !IsDigit(*j)) return i;
  constexpr long kSaturation = 1'000'000'000;
  for (; j != end && IsDigit(*j); ++j) exponent = std::min(kSaturation, exponent * 10 + (*j - '0'));
  if (negative) exponent = -exponent;
  return j;
}

Prefix ScanPrefix(std::string_view s) {
  Prefix p;
  const char* i = s.data();
  const char* const end = i + s.size();
  if (i != end && (*i == '+' || *i == '-')) p.negative = *i++ == '-';
  const char* const start = i;
  i = Digits(i, end, p.digitsAsWhole);
  p.integer = std::string_view(start, i);
  if (end - i >= 2 && *i == '.' && IsDigit(i[1])) {
    const char* const fraction = ++i;
    i = Digits(i, end, p.digitsAsWhole);
    p.fraction = std::string_view(fraction, i);
  }
  if (p.integer.empty() && p.fraction.empty()) return p;
  i = ScanExponent(i, end, p.exponent);
  p.unsignedText = std::string_view(start, i);
  p.length = static_cast<std::size_t>(i - s.data());
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

// Up to 15 digits are a whole number below 2^53, and 10^15 is a double too: both exact.
constexpr std::size_t kExactDigits = 15;
constexpr std::array<double, kExactDigits + 1> kPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// A number of at most 15 digits without exponent as the quotient of two exact doubles, which one
// division rounds correctly, as from_chars does, at a fraction of its cost (Clinger's fast path).
std::optional<double> ShortNumber(const Prefix& p) {
  if (p.exponent != 0 || p.integer.size() + p.fraction.size() > kExactDigits) return std::nullopt;
  return static_cast<double>(p.digitsAsWhole) / kPowersOfTen[p.fraction.size()];
}

}  // namespace

NombreEnTete LireNombreEnTete(std::string_view texte) {
  const Prefix p = ScanPrefix(texte);
  if (p.length == 0) return {0, 0};
  double v = 0;
  std::errc ec{};
  if (const std::optional<double> exact = ShortNumber(p)) {
    v = *exact;
  } else {
    const char* const first = p.unsignedText.data();
    ec = std::from_chars(first, first + p.unsignedText.size(), v).ec;
  }
  // The magnitude tells zeros (always +0), underflows and overflows apart; the common case
  // needs none of it.
  if (v == 0 || ec == std::errc::result_out_of_range) {
    const std::optional<long> magnitude = DecimalMagnitude(p);
    if (!magnitude) return {p.length, 0};
    if (ec == std::errc::result_out_of_range) {
      if (*magnitude > 0) SignalerErreurArithmetique();
      v = 0;
    }
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
