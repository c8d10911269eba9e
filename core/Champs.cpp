#include "Champs.hpp"

#include <algorithm>
#include <cstring>

#include "Lecture.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kChampMalForme = "\"";
constexpr char kMarqueCommentaire = '#';

bool Blanc(char c) {
  return c == ' ' || c == '\t';
}

void Ajouter(Champs& c, std::string_view texte) {
  if (c.Nombre < kChampsParLigne) c.Texte[c.Nombre] = texte;
  c.Nombre = std::min(c.Nombre + 1, kChampsParLigne + 1);
}

class LectureCsv {
 public:
  LectureCsv(std::span<char> ligne, char separateur, std::size_t decimaux)
      : l_(ligne), separateur_(separateur), decimaux_(decimaux) {}

  Champs Lire() {
    Champs c{};
    if (std::all_of(l_.begin(), l_.end(), Blanc)) return c;
    for (;;) {
      SauterBlancs();
      decimal_ = separateur_ == ';' && c.Nombre < decimaux_;
      Ajouter(c, i_ < l_.size() && l_[i_] == '"' ? EntreGuillemets() : Simple());
      if (i_ == l_.size()) return c;
      ++i_;  // the separator
      if (c.Nombre == kChampsParLigne) {
        c.Suite = std::string_view(l_.data() + i_, l_.size() - i_);
        return c;
      }
    }
  }

 private:
  void SauterBlancs() {
    while (i_ < l_.size() && Blanc(l_[i_])) ++i_;
  }

  // The field's text from debut to fin, its decimal commas made points in a field of numbers
  // where the separator is ';'.
  std::string_view Champ(std::size_t debut, std::size_t fin) {
    const std::span<char> champ = l_.subspan(debut, fin - debut);
    if (decimal_) std::replace(champ.begin(), champ.end(), ',', '.');
    return {champ.data(), champ.size()};
  }

  // Up to the next separator, without the blanks before it.
  std::string_view Simple() {
    const std::size_t debut = i_;
    while (i_ < l_.size() && l_[i_] != separateur_) ++i_;
    std::size_t fin = i_;
    while (fin > debut && Blanc(l_[fin - 1])) --fin;
    return Champ(debut, fin);
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
    if (i_ < l_.size() && l_[i_] != separateur_) {
      Simple();  // the rest of the field
      return kChampMalForme;
    }
    return Champ(debut, ecrit);
  }

  std::span<char> l_;
  char separateur_;
  std::size_t decimaux_;
  bool decimal_ = false;  // the field read holds a number
  std::size_t i_ = 0;
};

// The end of the coordinate whose first word ends at `i`: that of the words that make it
// (MotsCoordonnee).
char* FinCoordonnee(char* debut, char* i, char* fin) {
  std::array<std::string_view, 3> mots{
      std::string_view(debut, static_cast<std::size_t>(i - debut))};
  std::array<char*, 3> fins{i};
  std::size_t n = 1;
  for (char* j = i; n < mots.size(); ++n) {
    while (j != fin && Blanc(*j)) ++j;
    if (j == fin) break;
    char* const mot = j;
    while (j != fin && !Blanc(*j)) ++j;
    mots[n] = {mot, static_cast<std::size_t>(j - mot)};
    fins[n] = j;
  }
  return fins[MotsCoordonnee(std::span(mots).first(n)) - 1];
}

}  // namespace

Champs ChampsSepares(std::span<char> ligne, std::size_t decimaux, bool positions) {
  Champs c{};
  const std::string_view texte(ligne.data(), ligne.size());
  if (const std::size_t marque = texte.find(kMarqueCommentaire); marque != texte.npos) {
    c.Suite = texte.substr(marque);
    ligne = ligne.first(marque);
  }
  const bool virgules = std::memchr(ligne.data(), ',', ligne.size()) != nullptr;  // seldom
  char* i = ligne.data();
  char* const fin = i + ligne.size();
  for (;;) {
    while (i != fin && Blanc(*i)) ++i;
    if (i == fin) return c;
    char* const debut = i;
    while (i != fin && !Blanc(*i)) ++i;
    if (positions) i = FinCoordonnee(debut, i, fin);
    if (virgules && c.Nombre < decimaux) std::replace(debut, i, ',', '.');
    Ajouter(c, {debut, static_cast<std::size_t>(i - debut)});
  }
}

Champs ChampsCsv(std::span<char> ligne, char separateur, std::size_t decimaux) {
  return LectureCsv(ligne, separateur, decimaux).Lire();
}

std::string ChampCsv(std::string_view texte, char separateur, bool guillemets) {
  const bool bords = !texte.empty() && (Blanc(texte.front()) || Blanc(texte.back()));
  if (!guillemets && !bords && texte.find_first_of("\"\r\n") == texte.npos &&
      texte.find(separateur) == texte.npos) {
    return std::string(texte);
  }
  std::string cite = "\"";
  for (const char c : texte) cite.append(c == '"' ? 2 : 1, c);
  return cite + "\"";
}

std::string ColonnesCsv(std::string_view colonnes, char lu, char ecrit) {
  if (lu == ecrit) return std::string(colonnes);
  std::string texte(colonnes), ecrits;
  std::span<char> reste(texte);
  for (bool premier = true;; premier = false) {
    const Champs c = ChampsCsv(reste, lu, 0);
    // Blanks alone after a separator are one empty field.
    const std::size_t n = std::max<std::size_t>(1, std::min(c.Nombre, kChampsParLigne));
    for (std::size_t i = 0; i < n; ++i) {
      if (!premier || i > 0) ecrits += ecrit;
      ecrits += ChampCsv(c.Nombre == 0 ? "" : c.Texte[i], ecrit);
    }
    if (!c.Suite) return ecrits;
    reste = reste.subspan(static_cast<std::size_t>(c.Suite->data() - reste.data()));
  }
}

char SeparateurCsv(std::string_view enTete) {
  const auto chiffre = [&](std::size_t i) {  // i − 1 from 0 is no position
    return i < enTete.size() && enTete[i] >= '0' && enTete[i] <= '9';
  };
  bool cite = false;      // a quoted name may hold either: "Latitude, départ";…
  bool decimale = false;  // a first comma between digits: 48,5;-4,5 in a file without a header
  for (std::size_t i = 0; i < enTete.size(); ++i) {
    if (enTete[i] == '"') cite = !cite;
    if (cite || (enTete[i] != ',' && enTete[i] != ';')) continue;
    if (enTete[i] == ';') return ';';
    if (decimale || !chiffre(i - 1) || !chiffre(i + 1)) return ',';
    decimale = true;
  }
  return ',';
}

void EtatCsv::Lire(std::string_view texte) {
  for (const char c : texte) {
    switch (etat_) {
      case Etat::DebutChamp:
        if (c == '"') {
          etat_ = Etat::Guillemets;
        } else if (c != separateur_ && !Blanc(c)) {
          etat_ = Etat::Simple;
        }
        break;
      case Etat::Simple:
        if (c == separateur_) etat_ = Etat::DebutChamp;
        break;
      case Etat::Guillemets:
        if (c == '"') etat_ = Etat::GuillemetDedans;  // the closing quote, or the first of a pair
        break;
      case Etat::GuillemetDedans:
        etat_ = c == '"' ? Etat::Guillemets : c == separateur_ ? Etat::DebutChamp : Etat::Simple;
        break;
    }
  }
}

}  // namespace orbalide
