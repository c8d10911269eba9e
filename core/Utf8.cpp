#include "Utf8.hpp"

#include <locale.h>
#include <wctype.h>

namespace orbalide {
namespace {

// A character in lower case: by Unicode's rules in the C library's C.UTF-8 locale, which Debian
// always has, or by ASCII's where it cannot be opened. Whatever the user's own locale.
long Minuscule(long c) {
  static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
  if (unicode != locale_t{}) return static_cast<long>(towlower_l(static_cast<wint_t>(c), unicode));
  return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

}  // namespace

bool MemesSansCasse(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const std::size_t debutA = i, debutB = j;
    const long x = CaractereUtf8(a, i), y = CaractereUtf8(b, j);
    const bool memes = x < 0 || y < 0 ? a.substr(debutA, i - debutA) == b.substr(debutB, j - debutB)
                                      : Minuscule(x) == Minuscule(y);
    if (!memes) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace orbalide
