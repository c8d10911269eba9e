#include "Ecriture.hpp"

#include "Sexagesimal.hpp"

namespace orbalide::calc {
namespace {

// 1e-9° is a tenth of a millimetre on the ground, as 1e-4 m and 1e-8 nautical miles are about.
constexpr int kDecimalesDegres = 9;
constexpr int kDecimalesMetres = 4;
constexpr int kDecimalesMilles = 8;

// Whether a written number stands for zero, whatever its sign: it has no other digit.
bool Nul(std::string_view texte) {
  return texte.find_first_not_of("-0.") == std::string_view::npos;
}

}  // namespace

Ecriture::Ecriture(bool dms, std::int16_t decimales, Unite distances)
    : dms_(dms), image_(ImageSecondes(decimales)), distances_(distances) {}

void Ecriture::Angle(double v, std::optional<Axe> axe, Tampon& sortie) const {
  if (dms_) return sortie.Ecrire(TexteAngle(v, axe, image_));
  const std::size_t debut = sortie.Position();
  sortie.EcrireDecimal(v, kDecimalesDegres);
  const std::string_view ecrit = sortie.Depuis(debut);
  const bool zeroNegatif = ecrit.starts_with('-') && Nul(ecrit);
  const bool tour = !axe && ecrit.starts_with("360.") && Nul(ecrit.substr(3));
  if (zeroNegatif || tour) {
    sortie.Revenir(debut);
    sortie.EcrireDecimal(0, kDecimalesDegres);
  }
}

void Ecriture::Distance(double metres, Tampon& sortie) const {
  const bool milles = distances_ == Unite::Milles;
  sortie.EcrireDecimal(EnUnite(metres, distances_), milles ? kDecimalesMilles : kDecimalesMetres);
}

}  // namespace orbalide::calc
