#include "Decimal.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace orbalide::calc {
namespace {

__extension__ using Entier128 = unsigned __int128;

// IEEE 754 binary64: 52 stored bits of mantissa below an 11-bit biased exponent.
constexpr int kBitsMantisse = 52;
constexpr std::uint64_t kExposantMasque = 0x7FF;
constexpr int kBiais = 1023 + kBitsMantisse;  // |v| = mantissa × 2^(exponent − kBiais)
constexpr std::uint64_t kBitImplicite = std::uint64_t{1} << kBitsMantisse;
constexpr int kBitsExacts = 128;

// Up to 9 decimals: 10^9 times a 53-bit mantissa stays below 2^83.
constexpr std::array<std::uint64_t, 10> kPuissancesDeDix{
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000, 1'000'000'000};

// |v| × 10^decimales rounded to the nearest integer, ties to even, from v's binary digits
// exactly; nothing when |v| is 2^52 or more (a whole number), below 2^-75, or the result
// exceeds 64 bits.
std::optional<std::uint64_t> EchelleArrondie(double v, int decimales) {
  const auto bits = std::bit_cast<std::uint64_t>(v);
  const int exposant = static_cast<int>((bits >> kBitsMantisse) & kExposantMasque);
  const int decalage = kBiais - exposant;  // |v| = mantisse ÷ 2^decalage
  if (exposant == 0 || decalage <= 0 || decalage >= kBitsExacts) return std::nullopt;
  const std::uint64_t mantisse = (bits & (kBitImplicite - 1)) | kBitImplicite;
  const Entier128 exact =
      Entier128{mantisse} * kPuissancesDeDix[static_cast<std::size_t>(decimales)];
  Entier128 entier = exact >> decalage;
  const Entier128 reste = exact - (entier << decalage);
  const Entier128 moitie = Entier128{1} << (decalage - 1);
  if (reste > moitie || (reste == moitie && (entier & 1) != 0)) ++entier;
  if ((entier >> 64) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(entier);
}

// n ÷ 10^D with D decimals. D is a constant, so that the compiler divides by multiplying.
template <std::size_t D>
char* Decimales(char* texte, char* fin, std::uint64_t n) {
  constexpr std::uint64_t unite = kPuissancesDeDix[D];
  char* const point = std::to_chars(texte, fin, n / unite).ptr;
  char* const bout = std::to_chars(point, fin, n % unite + unite).ptr;  // a 1, then the decimals
  *point = '.';
  return bout;
}

// Decimales<1> to Decimales<9>, by their number of decimals less one.
template <std::size_t... D>
constexpr auto Ecritures(std::index_sequence<D...>) {
  return std::array{&Decimales<D + 1>...};
}
constexpr auto kEcritures = Ecritures(std::make_index_sequence<kPuissancesDeDix.size() - 1>());

}  // namespace

char* EcrireDecimal(char* texte, double v, int decimales) {
  char* const fin = texte + kDecimalLongueurMax;
  const std::optional<std::uint64_t> n = EchelleArrondie(v, decimales);
  if (!n) return std::to_chars(texte, fin, v, std::chars_format::fixed, decimales).ptr;
  if (std::signbit(v)) *texte++ = '-';
  return kEcritures[static_cast<std::size_t>(decimales - 1)](texte, fin, *n);
}

}  // namespace orbalide::calc
