#include "Champs.hpp"

#include <algorithm>
#include <cstring>

namespace orbalide::calc {
namespace {

constexpr std::string_view kChampMalForme = "\"";

bool Blanc(char c) {
  return c == ' ' || c == '\t';
}

void Ajouter(Champs& c, std::string_view texte) {
  if (c.Nombre < kChampsParLigne) c.Texte[c.Nombre] = texte;
  c.Nombre = std::min(c.Nombre + 1, kChampsParLigne + 1);
}

class LectureCsv {
 public:
  explicit LectureCsv(std::span<char> ligne) : l_(ligne) {}

  Champs Lire() {
    Champs c{};
    if (std::all_of(l_.begin(), l_.end(), Blanc)) return c;
    for (;;) {
      SauterBlancs();
      Ajouter(c, i_ < l_.size() && l_[i_] == '"' ? EntreGuillemets() : Simple());
      if (i_ == l_.size()) return c;
      ++i_;  // the comma
    }
  }

 private:
  void SauterBlancs() {
    while (i_ < l_.size() && Blanc(l_[i_])) ++i_;
  }

  // Up to the next comma, without the blanks before it.
  std::string_view Simple() {
    const std::size_t debut = i_;
    while (i_ < l_.size() && l_[i_] != ',') ++i_;
    std::size_t fin = i_;
    while (fin > debut && Blanc(l_[fin - 1])) --fin;
    return {l_.data() + debut, fin - debut};
  }

  // The quoted text, unescaped over the field's own bytes.
  std::string_view EntreGuillemets() {
    const std::size_t debut = i_++;
    std::size_t ecrit = debut;
    for (;;) {
      if (i_ == l_.size()) return kChampMalForme;
      if (l_[i_] == '"' && (i_ + 1 == l_.size() || l_[i_ + 1] != '"')) break;
      if (l_[i_] == '"') ++i_;  // the first of a doubled quote
      l_[ecrit++] = l_[i_++];
    }
    ++i_;  // the closing quote
    SauterBlancs();
    if (i_ < l_.size() && l_[i_] != ',') {
      Simple();  // the rest of the field
      return kChampMalForme;
    }
    return {l_.data() + debut, ecrit - debut};
  }

  std::span<char> l_;
  std::size_t i_ = 0;
};

}  // namespace

Champs ChampsSepares(std::span<char> ligne) {
  if (std::memchr(ligne.data(), ',', ligne.size()) != nullptr) {
    std::replace(ligne.begin(), ligne.end(), ',', '.');
  }
  Champs c{};
  const char* i = ligne.data();
  const char* const fin = i + ligne.size();
  for (;;) {
    while (i != fin && Blanc(*i)) ++i;
    if (i == fin) return c;
    const char* const debut = i;
    while (i != fin && !Blanc(*i)) ++i;
    Ajouter(c, {debut, static_cast<std::size_t>(i - debut)});
  }
}

Champs ChampsCsv(std::span<char> ligne) {
  return LectureCsv(ligne).Lire();
}

}  // namespace orbalide::calc
