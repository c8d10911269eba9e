// What --help and --version say, in French or in English.
#pragma once

#include <string>
#include <string_view>

namespace orbalide::calc {

// --help, --version: GNU's layout.
std::string_view TexteAide(bool anglais);
std::string TexteVersion(bool anglais);

}  // namespace orbalide::calc
