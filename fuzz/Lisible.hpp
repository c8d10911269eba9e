// Whether a text that the program wrote is free of what it must never show.
#pragma once

#include <string>

namespace orbalide::fuzz {

// A text the program writes never shows a NaN, an infinity or an exponent.
inline bool Lisible(const std::string& text) {
  const auto digit = [&](std::size_t i) {
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = static_cast<char>(text[i] | 0x20);
    if ((c == 'n' || c == 'i') && i + 2 < text.size()) {
      const std::string word{c, static_cast<char>(text[i + 1] | 0x20),
                             static_cast<char>(text[i + 2] | 0x20)};
      if (word == "nan" || word == "inf") return false;
    }
    if (c == 'e' && i > 0 && digit(i - 1)) {
      const std::size_t j =
          i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-') ? i + 2 : i + 1;
      if (digit(j)) return false;
    }
  }
  return true;
}

}  // namespace orbalide::fuzz
