#include "Lecture.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <locale>
#include <optional>

#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"

namespace orbalide {
namespace {

constexpr double kLatitudeMax = 90;
// Longitudes and courses read as other tools read them: beyond a turn and a half, a typo.
constexpr double kAngleMax = 540;
// Minutes and seconds that follow a larger component stay below a full one of it.
constexpr double kComposanteMax = 60;

enum Rang { kDegres, kMinutes, kSecondes };

struct Marque {
  std::string_view texte;
  int rang;
  bool apresMinutes = false;  // a mark only after minutes with a mark: else a hemisphere letter
};
// The marks that people, word processors and other tools write, in UTF-8 unless said; a doubled
// minutes mark before the single one, which it starts with.
constexpr std::array kMarques{
    Marque{"°", kDegres},
    Marque{"º", kDegres},     // the masculine ordinal, the degree sign of many keyboards
    Marque{"\xB0", kDegres},  // Latin-1's degree sign and masculine ordinal, one byte each
    Marque{"\xBA", kDegres},
    Marque{"d", kDegres},
    Marque{"D", kDegres},
    Marque{"''", kSecondes},
    Marque{"′′", kSecondes},
    Marque{"’’", kSecondes},
    Marque{"'", kMinutes},
    Marque{"′", kMinutes},
    Marque{"’", kMinutes},  // the typographic quotes of word processors, closing and opening
    Marque{"‘", kMinutes},
    Marque{"m", kMinutes},
    Marque{"\"", kSecondes},
    Marque{"″", kSecondes},
    Marque{"”", kSecondes},
    Marque{"“", kSecondes},
    Marque{"s", kSecondes, true},
};

struct Hemisphere {
  Axe axe;
  std::int16_t index;
};

// The hemisphere that a letter of either case stands for, on either axis.
std::optional<Hemisphere> HemisphereDe(char c) {
  const char majuscule = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  for (const Axe axe : {Axe::Latitude, Axe::Longitude}) {
    const auto lettres = LettresHemisphere(axe);
    for (std::size_t i = 0; i < lettres.size(); ++i) {
      if (lettres[i] == majuscule) return Hemisphere{axe, static_cast<std::int16_t>(i)};
    }
  }
  return std::nullopt;
}

// ASCII letters alone, whatever the user's locale (a Turkish one has no lower case of "I").
bool EgauxSansCasse(std::string_view a, std::string_view b) {
  const std::locale& c = std::locale::classic();
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return std::tolower(x, c) == std::tolower(y, c); });
}

// NaN or an infinity as the C library and other tools write them, signed or not.
bool MotNonFini(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  return EgauxSansCasse(s, "nan") || EgauxSansCasse(s, "inf") || EgauxSansCasse(s, "infinity");
}

// The number that the text starts with, by LireNombreEnTete, and the point after its digits when
// it has neither decimals nor exponent: "5." is 5, as the C library and other tools read it.
NombreEnTete Nombre(std::string_view texte) {
  NombreEnTete n = LireNombreEnTete(texte);
  const bool entier = texte.substr(0, n.Longueur).find_first_of(".eE") == std::string_view::npos;
  if (n.Longueur != 0 && entier && texte.substr(n.Longueur).starts_with('.')) ++n.Longueur;
  return n;
}

// A field cut into its components, its hemisphere letter (0 when none) and its sign.
struct Angle {
  std::array<double, 3> composantes{};
  char lettre = 0;
  bool negatif = false;
};

// The components of a field, read from left to right, each a number closed by a mark, a colon or
// the end: ranks rise, colons and marks do not mix, a letter stands first or last.
class Decoupage {
 public:
  explicit Decoupage(std::string_view s) : s_(s) {}

  // Illisible or SoixanteOuPlus when the text is no angle; throws ErreurArithmetique for a
  // number beyond the range of a double.
  DefautLecture Lire(Angle& a) {
    if (i_ < s_.size() && HemisphereDe(s_[i_])) a.lettre = s_[i_++];
    if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) {
      if (a.lettre != 0) return DefautLecture::Illisible;
      a.negatif = s_[i_++] == '-';
    }
    for (;;) {
      const DefautLecture d = Composante(a);
      if (d != DefautLecture::Aucun) return d;
      if (apres_ == Apres::DeuxPoints) continue;
      if (i_ == s_.size()) return DefautLecture::Aucun;
      if (i_ + 1 == s_.size() && a.lettre == 0 && !a.negatif && HemisphereDe(s_[i_])) {
        a.lettre = s_[i_++];
        return DefautLecture::Aucun;
      }
      if (apres_ != Apres::Marque) return DefautLecture::Illisible;
    }
  }

 private:
  // One unsigned number and the mark or colon after it.
  DefautLecture Composante(Angle& a) {
    const std::string_view reste = s_.substr(i_);
    if (reste.empty() || reste[0] == '+' || reste[0] == '-') return DefautLecture::Illisible;
    const NombreEnTete n = Nombre(reste);
    if (n.Longueur == 0) return DefautLecture::Illisible;
    i_ += n.Longueur;
    int rang = rang_ + 1;
    apres_ = Apres::Rien;
    if (i_ < s_.size() && s_[i_] == ':') {
      if (marques_) return DefautLecture::Illisible;
      apres_ = Apres::DeuxPoints;
      deuxPoints_ = true;
      ++i_;
    } else if (const Marque* m = MarqueEnTete()) {
      if (deuxPoints_) return DefautLecture::Illisible;
      rang = m->rang;
      minutesMarquees_ = rang == kMinutes;
      apres_ = Apres::Marque;
      marques_ = true;
      i_ += m->texte.size();
    }
    if (rang <= rang_ || rang > kSecondes) return DefautLecture::Illisible;
    if (rang_ >= 0 && n.Valeur >= kComposanteMax) return DefautLecture::SoixanteOuPlus;
    a.composantes[static_cast<std::size_t>(rang)] = n.Valeur;
    rang_ = rang;
    return DefautLecture::Aucun;
  }

  const Marque* MarqueEnTete() const {
    const std::string_view reste = s_.substr(i_);
    if (reste.empty()) return nullptr;
    for (const Marque& m : kMarques) {
      if (reste.starts_with(m.texte) && (minutesMarquees_ || !m.apresMinutes)) return &m;
    }
    return nullptr;
  }

  // What closed the last component: a colon asks for another one, a mark allows one.
  enum class Apres { Rien, DeuxPoints, Marque };

  std::string_view s_;
  std::size_t i_ = 0;
  int rang_ = -1;  // of the last component read
  Apres apres_ = Apres::Rien;
  bool marques_ = false, deuxPoints_ = false, minutesMarquees_ = false;
};

// A latitude up to 90° either way, a longitude or a course up to 540°.
ValeurLue Borne(double v, std::optional<Axe> axe) {
  if (axe == Axe::Latitude && std::fabs(v) > kLatitudeMax) return {0, DefautLecture::AuDelaDuPole};
  if (axe != Axe::Latitude && std::fabs(v) > kAngleMax) return {0, DefautLecture::AuDelaDe540};
  return {v, DefautLecture::Aucun};
}

// The angle's value with its hemisphere: the sign, or the letter when it is one of `axe`'s.
ValeurLue Valeur(const Angle& a, std::optional<Axe> axe) {
  std::int16_t hemisphere = a.negatif ? kHemisphereNegatif : kHemispherePositif;
  if (a.lettre != 0) {
    if (!axe) return {0, DefautLecture::Illisible};
    const std::optional<Hemisphere> h = HemisphereDe(a.lettre);
    if (h->axe != *axe) return {0, DefautLecture::AutreAxe};
    hemisphere = h->index;
  }
  const auto& [d, m, s] = a.composantes;
  return Borne(SexagesimalEnDegres(d, m, s, hemisphere), axe);
}

// A field that is no number may be the word of a NaN or an infinity.
DefautLecture Illisible(std::string_view texte) {
  return MotNonFini(texte) ? DefautLecture::NonFini : DefautLecture::Illisible;
}

// Most fields are one signed number, which needs none of the components' rules: its value is the
// one they give, the sign applied to the magnitude as SexagesimalEnDegres applies it ("-0" is
// −0).
ValeurLue LireSexagesimal(std::string_view texte, std::optional<Axe> axe) {
  try {
    if (const NombreEnTete n = Nombre(texte); n.Longueur == texte.size() && n.Longueur) {
      const double magnitude = std::fabs(n.Valeur);
      return Borne(texte[0] == '-' ? -magnitude : magnitude, axe);
    }
    Angle a;
    const DefautLecture d = Decoupage(texte).Lire(a);
    if (d == DefautLecture::Illisible) return {0, Illisible(texte)};
    if (d != DefautLecture::Aucun) return {0, d};
    return Valeur(a, axe);
  } catch (const ErreurArithmetique&) {
    return {0, DefautLecture::NonFini};
  }
}

bool LettreSeule(std::string_view mot) {
  return mot.size() == 1 && HemisphereDe(mot[0]);
}

// The text after the digits at its start, none when there are none.
std::optional<std::string_view> ApresChiffres(std::string_view mot) {
  const std::size_t chiffres = std::min(mot.size(), mot.find_first_not_of("0123456789"));
  if (chiffres == 0) return std::nullopt;
  return mot.substr(chiffres);
}

// Nothing, or one mark of the rank.
bool MarqueSeule(std::string_view reste, int rang) {
  return reste.empty() || std::any_of(kMarques.begin(), kMarques.end(), [&](const Marque& m) {
           return m.rang == rang && !m.apresMinutes && reste == m.texte;
         });
}

// Whole degrees and their mark, a hemisphere letter before them when `lettre`: N48°, 004.
bool DegresEntiers(std::string_view mot, bool lettre) {
  if (lettre && !mot.empty() && HemisphereDe(mot[0])) mot.remove_prefix(1);
  const std::optional<std::string_view> reste = ApresChiffres(mot);
  return reste && MarqueSeule(*reste, kDegres);
}

// Decimal minutes and their mark, the decimal separator a point or a comma, and a hemisphere
// letter after them or not: 23.500, 05,5′, 23.500N.
bool MinutesDecimales(std::string_view mot) {
  if (!mot.empty() && HemisphereDe(mot.back())) mot.remove_suffix(1);
  std::optional<std::string_view> reste = ApresChiffres(mot);
  if (reste && (reste->starts_with('.') || reste->starts_with(','))) {
    reste = ApresChiffres(reste->substr(1)).value_or(reste->substr(1));
  }
  return reste && MarqueSeule(*reste, kMinutes);
}

// Whether a word ends with a mark rather than a digit.
bool Marquee(std::string_view mot) {
  return !mot.empty() && (mot.back() < '0' || mot.back() > '9');
}

}  // namespace

ValeurLue LireAngle(std::string_view texte, Axe axe) {
  return LireSexagesimal(texte, axe);
}

std::size_t MotsCoordonnee(std::span<const std::string_view> mots) {
  const std::size_t avant = !mots.empty() && LettreSeule(mots[0]) ? 1 : 0;
  const std::span<const std::string_view> reste = mots.subspan(avant);
  if (reste.size() >= 2 && DegresEntiers(reste[0], avant == 0) && MinutesDecimales(reste[1])) {
    if (avant == 1 || HemisphereDe(reste[0][0]) || HemisphereDe(reste[1].back())) {
      return avant + 2;
    }
    if (reste.size() >= 3 && LettreSeule(reste[2])) return 3;
  }
  if (avant == 1) return std::min<std::size_t>(mots.size(), 2);
  const bool chiffre = !mots.empty() && ApresChiffres(mots[0]);
  return chiffre && mots.size() >= 2 && LettreSeule(mots[1]) ? 2 : 1;
}

ValeurLue LireCoordonnee(std::string_view texte, Axe axe) {
  constexpr std::string_view kBlancs = " \t";
  std::array<std::string_view, 4> mots{};
  std::size_t n = 0;
  for (std::size_t i = texte.find_first_not_of(kBlancs); i != texte.npos && n < mots.size();
       i = texte.find_first_not_of(kBlancs, i)) {
    const std::size_t fin = std::min(texte.size(), texte.find_first_of(kBlancs, i));
    mots[n++] = texte.substr(i, fin - i);
    i = fin;
  }
  if (n <= 1) return LireAngle(n == 1 ? mots[0] : texte, axe);
  if (n == mots.size() || MotsCoordonnee(std::span(mots).first(n)) != n) {
    return {0, DefautLecture::Illisible};
  }
  // The words joined, each component closed by its mark: N48 23.500 is N48°23.500′.
  std::string joints;
  for (std::size_t i = 0; i < n; ++i) {
    const bool degres = !LettreSeule(mots[i]) && i + 1 < n && !LettreSeule(mots[i + 1]);
    const bool minutes = i > 0 && !LettreSeule(mots[i]) && !LettreSeule(mots[i - 1]);
    joints.append(mots[i]);
    if (degres && !Marquee(mots[i])) joints.append("°");
    if (minutes && !Marquee(mots[i])) joints.append("′");
  }
  return LireAngle(joints, axe);
}

bool MotDePosition(std::string_view mot) {
  const auto lu = [](ValeurLue v) {
    return v.Defaut != DefautLecture::Illisible && v.Defaut != DefautLecture::NonFini;
  };
  return LettreSeule(mot) || lu(LireRoute(mot)) || lu(LireCoordonnee(mot, Axe::Latitude)) ||
         lu(LireCoordonnee(mot, Axe::Longitude));
}

ValeurLue LireRoute(std::string_view texte) {
  return LireSexagesimal(texte, std::nullopt);
}

ValeurLue LireNombreSeul(std::string_view texte) {
  try {
    const NombreEnTete n = Nombre(texte);
    if (n.Longueur == 0 || n.Longueur != texte.size()) return {0, Illisible(texte)};
    return {n.Valeur, DefautLecture::Aucun};
  } catch (const ErreurArithmetique&) {
    return {0, DefautLecture::NonFini};
  }
}

}  // namespace orbalide
