// Text operations counted in characters (code points of UTF-8 text), as a user sees them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orbalide {

int Length(std::string_view text);

// `length` characters from character `start` (from 1), fewer near the end, "" beyond it.
std::string Mid(std::string_view text, int start, int length);
// Every character from character `start` (from 1).
std::string Mid(std::string_view text, int start);
std::string Left(std::string_view text, int length);

// Without leading and trailing spaces (only the space character).
std::string Trim(std::string_view text);

// The position (from 1) of the first `c` in the text, 0 when there is none.
int Find(std::string_view text, char c);

// The pattern with "%1" replaced by the first value, "%2" by the second… (up to nine).
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace orbalide
