// A text a window shows, in French and in English.
#pragma once

#include <string>
#include <string_view>

namespace orbalide {

struct Mots {
  std::string_view Francais, Anglais;
  std::string En(bool anglais) const { return std::string(anglais ? Anglais : Francais); }
};

}  // namespace orbalide
