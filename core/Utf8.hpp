// UTF-8 text, one character at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace orbalide {

// The character that starts at `i` in `s` (i below s.size()), `i` advanced past it; or −1 when the
// bytes there are no valid UTF-8 (`i` past the first of them): a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, beyond U+10FFFF.
inline long CaractereUtf8(std::string_view s, std::size_t& i) {
  const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char premier = octet(i++);
  if (premier < 0x80) return premier;
  const int suite = premier >= 0xF0 ? 3 : premier >= 0xE0 ? 2 : premier >= 0xC0 ? 1 : 0;
  if (suite == 0 || premier > 0xF4 || i + static_cast<std::size_t>(suite) > s.size()) return -1;
  long c = premier & (0x3F >> suite);
  for (int k = 0; k < suite; ++k, ++i) {
    if ((octet(i) & 0xC0) != 0x80) return -1;
    c = (c << 6) | (octet(i) & 0x3F);
  }
  constexpr long kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMinimum[suite] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return -1;
  return c;
}

// Whether two texts are the same but for the case of their letters ("Île" and "ÎLE"), as the C
// library's Unicode locale has it (ASCII's letters alone without it); bytes that are no valid UTF-8
// match only themselves.
bool MemesSansCasse(std::string_view a, std::string_view b);

}  // namespace orbalide
