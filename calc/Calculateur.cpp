#include "Calculateur.hpp"

#include <cmath>

#include "InverseComplet.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"

namespace orbalide::calc {
namespace {

// 1e-9° is a tenth of a millimetre on the ground, as 1e-4 m and 1e-8 nautical miles are about.
constexpr int kDecimalesDegres = 9;
constexpr int kDecimalesMetres = 4;
constexpr int kDecimalesMilles = 8;
// Navigators write longitudes and courses with three digits of degrees: 006°, 045°.
constexpr std::size_t kChiffresLongitude = 3;

struct Colonne {
  std::string_view Nom;
  Genre Lu;
};

constexpr std::array<Colonne, kChampsParLigne> kDirecte{{{"lat1", Genre::Latitude},
                                                         {"lon1", Genre::Longitude},
                                                         {"course1", Genre::Route},
                                                         {"distance", Genre::Distance}}};
constexpr std::array<Colonne, kChampsParLigne> kInverse{{{"lat1", Genre::Latitude},
                                                         {"lon1", Genre::Longitude},
                                                         {"lat2", Genre::Latitude},
                                                         {"lon2", Genre::Longitude}}};

ValeurLue Lire(Genre genre, std::string_view texte) {
  switch (genre) {
    case Genre::Latitude:
      return LireAngle(texte, Axe::Latitude);
    case Genre::Longitude:
      return LireAngle(texte, Axe::Longitude);
    case Genre::Route:
      return LireRoute(texte);
    case Genre::Distance:
      break;
  }
  return LireNombreSeul(texte);
}

// Whether a written number stands for zero, whatever its sign: it has no other digit.
bool Nul(std::string_view texte) {
  return texte.find_first_not_of("-0.") == std::string_view::npos;
}

// The solution takes a turn once off a longitude beyond 180°; a departure beyond it or a
// geodesic of several turns leave more.
double LongitudeReduite(double longitude) {
  return std::fabs(longitude) <= 180 ? longitude : std::remainder(longitude, 360.0);
}

}  // namespace

Calculateur::Calculateur(const Reglages& reglages)
    : r_(reglages), image_(ImageSecondes(reglages.Decimales)) {}

std::string_view Calculateur::EnTete() const {
  return r_.Calcul == Commande::Directe ? "lat2,lon2,course2" : "course1,course2,distance";
}

Issue Calculateur::Calculer(std::span<char> ligne, Tampon& sortie) const {
  const Champs champs = r_.Csv ? ChampsCsv(ligne) : ChampsSepares(ligne);
  if (champs.Nombre == 0) return LigneVide{};
  if (champs.Nombre < kChampsParLigne) {
    return Refus{.Quoi = Refus::Motif::TropPeuDeChamps, .Champs = champs.Nombre};
  }
  if (champs.Nombre > kChampsParLigne) return Refus{.Quoi = Refus::Motif::TropDeChamps};
  const auto& colonnes = r_.Calcul == Commande::Directe ? kDirecte : kInverse;
  Valeurs v{};
  for (std::size_t i = 0; i < kChampsParLigne; ++i) {
    const ValeurLue lue = Lire(colonnes[i].Lu, champs.Texte[i]);
    if (lue.Defaut != DefautLecture::Aucun) {
      return Refus{.Quoi = Refus::Motif::Champ,
                   .Colonne = colonnes[i].Nom,
                   .Lu = colonnes[i].Lu,
                   .Defaut = lue.Defaut};
    }
    v[i] = lue.Valeur;
  }
  try {
    return r_.Calcul == Commande::Directe ? Directe(v, sortie) : Inverse(v, sortie);
  } catch (const ErreurArithmetique&) {
    return Refus{.Quoi = Refus::Motif::SansResultat, .Cause = SansResultat::HorsDomaine};
  }
}

Issue Calculateur::Directe(const Valeurs& v, Tampon& sortie) const {
  const auto [lat1, lon1, course1, distance] = v;
  const double metres = EnMetres(distance, r_.Distances);
  const ResultatDirect r = CalculDirect(r_.Reference, lat1, lon1, course1, metres);
  EcrireAngle(r.Latitude, Axe::Latitude, sortie);
  Separer(sortie);
  EcrireAngle(LongitudeReduite(r.Longitude), Axe::Longitude, sortie);
  Separer(sortie);
  EcrireAngle(r.RouteArrivee, std::nullopt, sortie);
  return Trajet{r_.Reference, lat1, lon1, course1, metres, r.Latitude, r.Longitude, r.RouteArrivee};
}

Issue Calculateur::Inverse(const Valeurs& v, Tampon& sortie) const {
  const auto [lat1, lon1, lat2, lon2] = v;
  const ResultatInverse r = CalculInverseComplet(r_.Reference, lat1, lon1, lat2, lon2);
  EcrireAngle(r.RouteInitiale, std::nullopt, sortie);
  Separer(sortie);
  EcrireAngle(r.RouteArrivee, std::nullopt, sortie);
  Separer(sortie);
  EcrireDistance(r.Distance, sortie);
  return Trajet{r_.Reference, lat1, lon1, r.RouteInitiale, r.Distance, lat2, lon2, r.RouteArrivee};
}

// A position when the axis is given, else a course. An angle is written the same way on every
// line whatever the last bits of its double: a zero without sign, north or east; a course of a
// whole turn as 0.
void Calculateur::EcrireAngle(double v, std::optional<Axe> axe, Tampon& sortie) const {
  if (r_.Dms) return EcrireSexagesimal(v, axe, sortie);
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

// The window's picture of a position: two digits of minutes, the seconds' decimals whatever
// they carry into; three digits of degrees for longitudes and courses.
void Calculateur::EcrireSexagesimal(double v, std::optional<Axe> axe, Tampon& sortie) const {
  TexteSexagesimal t = PositionEnSexagesimal(v, image_);
  const bool degresRonds = Nul(t.Minutes) && Nul(t.Secondes);
  if (!axe && degresRonds && t.Degres == "360") t.Degres.clear();  // the padding makes it 000
  const std::size_t chiffres = axe == Axe::Latitude ? t.Degres.size() : kChiffresLongitude;
  if (t.Degres.size() < chiffres) t.Degres.insert(0, chiffres - t.Degres.size(), '0');
  sortie.Ecrire(t.Degres);
  sortie.Ecrire("°");
  sortie.Ecrire(t.Minutes);
  sortie.Ecrire("′");
  sortie.Ecrire(t.Secondes);
  sortie.Ecrire("″");
  if (axe) sortie.Ecrire(LettreHemisphere(degresRonds && Nul(t.Degres) ? 0 : v, *axe));
}

void Calculateur::EcrireDistance(double metres, Tampon& sortie) const {
  const bool milles = r_.Distances == Unite::Milles;
  sortie.EcrireDecimal(EnUnite(metres, r_.Distances), milles ? kDecimalesMilles : kDecimalesMetres);
}

}  // namespace orbalide::calc
