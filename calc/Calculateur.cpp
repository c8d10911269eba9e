#include "Calculateur.hpp"

#include <cmath>

#include "InverseComplet.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"

namespace orbalide::calc {
namespace {

constexpr std::array<Colonne, kChampsParLigne> kDirecte{{{"lat1", Genre::Latitude},
                                                         {"lon1", Genre::Longitude},
                                                         {"course1", Genre::Route},
                                                         {"distance", Genre::Distance}}};
constexpr std::array<Colonne, kChampsParLigne> kInverse{{{"lat1", Genre::Latitude},
                                                         {"lon1", Genre::Longitude},
                                                         {"lat2", Genre::Latitude},
                                                         {"lon2", Genre::Longitude}}};

constexpr std::array<std::string_view, kChampsReponse> kReponseDirecte{"lat2", "lon2", "course2"};
constexpr std::array<std::string_view, kChampsReponse> kReponseInverse{"course1", "course2",
                                                                       "distance"};

// The solution takes a turn once off a longitude beyond 180°; a departure beyond it or a
// geodesic of several turns leave more.
double LongitudeReduite(double longitude) {
  return std::fabs(longitude) <= 180 ? longitude : std::remainder(longitude, 360.0);
}

// A course read, up to 540° either way, from 0 to 360.
double RouteReduite(double course) {
  return std::remainder(course - 180, 360.0) + 180;
}

}  // namespace

Calculateur::Calculateur(const Reglages& reglages)
    : r_(reglages),
      separateur_(reglages.Csv ? ',' : ' '),
      ecriture_(reglages.Dms, reglages.Decimales, reglages.Distances) {}

void Calculateur::Dialecte(char separateur) {
  separateur_ = separateur;
}

void Calculateur::EcrireEnTete(std::span<char> enTete, char separateurLu, Tampon& sortie) const {
  const auto& noms = r_.Calcul == Commande::Directe ? kReponseDirecte : kReponseInverse;
  for (std::size_t i = 0; i < noms.size(); ++i) {
    if (i > 0) Separer(sortie);
    sortie.Ecrire(noms[i]);
  }
  if (const auto suite = ChampsCsv(enTete, separateurLu).Suite)
    EcrireSuite(*suite, separateurLu, true, sortie);
}

Reponse Calculateur::Calculer(std::span<char> ligne, char separateurLu, Tampon& sortie) const {
  const std::size_t debut = sortie.Position();
  Champs champs = r_.Csv ? ChampsCsv(ligne, separateurLu) : ChampsSepares(ligne);
  // Too many words for one field each: a GPS unit's positions, N48 23.500 W004 29.000.
  if (champs.Nombre > kChampsParLigne && !r_.Csv) {
    champs = ChampsSepares(ligne, kChampsParLigne, true);
  }
  Reponse reponse{Resoudre(champs, sortie), champs.Suite};
  if (separateur_ == ';') sortie.Remplacer(debut, '.', ',');
  return reponse;
}

void Calculateur::EcrireSuite(std::string_view suite, char separateurLu, bool repondue,
                              Tampon& sortie) const {
  if (!r_.Csv) {
    if (repondue) sortie.Ecrire(' ');
    return sortie.Ecrire(suite);
  }
  const std::size_t separateurs = repondue ? 1 : kChampsReponse;  // after empty answer fields
  for (std::size_t i = 0; i < separateurs; ++i) Separer(sortie);
  sortie.Ecrire(ColonnesCsv(suite, separateurLu, separateur_));
}

Issue Calculateur::Resoudre(const Champs& champs, Tampon& sortie) const {
  if (champs.Nombre == 0) return LigneVide{};
  if (champs.Nombre < kChampsParLigne) {
    return Refus{.Quoi = Refus::Motif::TropPeuDeChamps, .Champs = champs.Nombre};
  }
  if (champs.Nombre > kChampsParLigne) return Refus{.Quoi = Refus::Motif::TropDeChamps};
  const auto& colonnes = r_.Calcul == Commande::Directe ? kDirecte : kInverse;
  Valeurs v{};
  if (std::optional<Refus> refus = LireColonnes(colonnes, champs, v)) return *refus;
  try {
    return r_.Calcul == Commande::Directe ? Directe(v, sortie) : Inverse(v, sortie);
  } catch (const ErreurArithmetique&) {
    return Refus{.Quoi = Refus::Motif::SansResultat, .Cause = SansResultat::HorsDomaine};
  }
}

Issue Calculateur::Directe(const Valeurs& v, Tampon& sortie) const {
  const auto [lat1, lon1, course1, distance] = v;
  const double metres = EnMetres(distance, r_.Distances);
  if (std::fabs(metres) > kDistanceDirecteMax) return Refus{.Quoi = Refus::Motif::TropLoin};
  Trajet t{r_.Reference, lat1, lon1, course1, metres, 0, 0, RouteReduite(course1), r_.Chemin};
  if (r_.Chemin == Ligne::Loxodromie) {
    const ResultatDirectLoxodromie r =
        CalculDirectLoxodromie(r_.Reference, lat1, lon1, course1, metres);
    if (!r.Obtenu) {
      return Refus{.Quoi = Refus::Motif::SansResultat, .Cause = SansResultat::AtteintPole};
    }
    t.Latitude2 = r.Latitude, t.Longitude2 = r.Longitude;
  } else {
    const ResultatDirect r = CalculDirect(r_.Reference, lat1, lon1, course1, metres);
    t.Latitude2 = r.Latitude, t.Longitude2 = r.Longitude, t.RouteArrivee = r.RouteArrivee;
  }
  ecriture_.Angle(t.Latitude2, Axe::Latitude, sortie);
  Separer(sortie);
  ecriture_.Angle(LongitudeReduite(t.Longitude2), Axe::Longitude, sortie);
  Separer(sortie);
  ecriture_.Angle(t.RouteArrivee, std::nullopt, sortie);
  return t;
}

Issue Calculateur::Inverse(const Valeurs& v, Tampon& sortie) const {
  const auto [lat1, lon1, lat2, lon2] = v;
  Trajet t{r_.Reference, lat1, lon1, 0, 0, lat2, lon2, 0, r_.Chemin};
  if (r_.Chemin == Ligne::Loxodromie) {
    const ResultatInverseLoxodromie r =
        CalculInverseLoxodromie(r_.Reference, lat1, lon1, lat2, lon2);
    t.RouteInitiale = t.RouteArrivee = r.Route, t.Distance = r.Distance;
  } else {
    const ResultatInverse r = CalculInverseComplet(r_.Reference, lat1, lon1, lat2, lon2);
    t.RouteInitiale = r.RouteInitiale, t.RouteArrivee = r.RouteArrivee, t.Distance = r.Distance;
  }
  ecriture_.Angle(t.RouteInitiale, std::nullopt, sortie);
  Separer(sortie);
  ecriture_.Angle(t.RouteArrivee, std::nullopt, sortie);
  Separer(sortie);
  ecriture_.Distance(t.Distance, sortie);
  return t;
}

}  // namespace orbalide::calc
