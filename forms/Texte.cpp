#include "Texte.hpp"

#include <climits>

namespace orbalide {
namespace {

bool Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte offset of character `n` (from 0), or the text's size beyond its end.
std::size_t Offset(std::string_view text, int n) {
  std::size_t i = 0;
  for (int count = 0; i < text.size(); ++i) {
    if (!Continuation(text[i]) && count++ == n) return i;
  }
  return text.size();
}

}  // namespace

int Length(std::string_view text) {
  int n = 0;
  for (char c : text) n += Continuation(c) ? 0 : 1;
  return n;
}

std::string Mid(std::string_view text, int start, int length) {
  if (start < 1 || length <= 0) return "";
  const std::size_t from = Offset(text, start - 1);
  const std::size_t to = length > INT_MAX - start ? text.size() : Offset(text, start - 1 + length);
  return std::string(text.substr(from, to - from));
}

std::string Mid(std::string_view text, int start) {
  return Mid(text, start, INT_MAX);
}

std::string Left(std::string_view text, int length) {
  return Mid(text, 1, length);
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

int Find(std::string_view text, char c) {
  const auto at = text.find(c);
  return at == std::string_view::npos ? 0 : Length(text.substr(0, at)) + 1;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const auto n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : 9;
    if (pattern[i] == '%' && n < values.size()) {
      text += values.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace orbalide
