#include "Passage.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "Loxodromie.hpp"
#include "Parties.hpp"
#include "Reel.hpp"
#include "Unites.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kPrefixeNom = "WP";
constexpr double kMinutesParHeure = 60;
constexpr double kTour = 360;

bool Valides(const ReglagesPassage& r) {
  const auto positif = [](double v) { return std::isfinite(v) && v >= 0; };
  return positif(r.Intervalle) && positif(r.PasMeridiens) && r.PasMeridiens <= kPasMeridiensMax &&
         positif(r.Vitesse) && (r.Vitesse == 0 || r.Vitesse >= kVitesseMin) && r.LatitudeMax > 0 &&
         r.LatitudeMax <= 90;
}

std::string NomDuRang(std::size_t index) {
  return std::string(kPrefixeNom) + std::to_string(index + 1);
}

// The name that a waypoint's stands for: its full one where it was shortened.
const std::string& NomEntier(const PointDePassage& p) {
  return p.NomComplet.empty() ? p.Nom : p.NomComplet;
}

Position PositionDe(const PointDePassage& p) {
  return {p.Latitude, p.Longitude};
}

// The passage, built one waypoint given at a time.
class Constructeur {
 public:
  explicit Constructeur(const ReglagesPassage& r) : r_(r) {
    passage_.Reference = r.Reference;
    if (r.Vitesse > 0) passage_.Depart = r.Depart;
  }

  // The waypoint given at `index`, after the waypoints made on the leg to it, with the legs
  // steered to each; or the error that stops the passage there.
  std::optional<ErreurPassage> Ajouter(const PointDePassage& donne, std::size_t index);
  Passage Resultat() && { return std::move(passage_); }

 private:
  std::optional<std::vector<Position>> Lieux(const std::vector<Partie>& parties) const;
  double Gouvernee(Position a, const std::vector<Position>& lieux, Position b) const;
  std::optional<ErreurPassage> Faire(const PointDePassage& vers, std::size_t index);
  void Gouverner(std::size_t de, std::size_t a);

  const ReglagesPassage& r_;
  Passage passage_;
  std::size_t faits_ = 0;
};

std::optional<ErreurPassage> Constructeur::Ajouter(const PointDePassage& donne, std::size_t index) {
  // Whole turns off, exactly: the geodesic of a longitude far beyond them would lose its digits.
  PointDePassage vers{donne.Latitude, std::remainder(donne.Longitude, kTour), donne.Nom, false,
                      donne.NomComplet};
  if (vers.Nom.empty()) vers.Nom = NomDuRang(index);
  const std::size_t premier = passage_.Points.size();
  try {
    if (premier > 0) {
      if (auto erreur = Faire(vers, index)) return erreur;
    }
    passage_.Points.push_back(std::move(vers));
    for (std::size_t k = std::max<std::size_t>(premier, 1); k < passage_.Points.size(); ++k) {
      Gouverner(k - 1, k);
    }
  } catch (const ErreurArithmetique&) {
    return ErreurPassage{ErreurPassage::Motif::SansResultat, index, SansResultat::HorsDomaine};
  }
  return std::nullopt;
}

// The waypoints made along the parts of a leg, the ends of its parts included; none when there
// would be more than the passage may make.
std::optional<std::vector<Position>> Constructeur::Lieux(const std::vector<Partie>& parties) const {
  std::vector<Position> lieux;
  for (std::size_t k = 0; k < parties.size(); ++k) {
    auto faits = PointsFaits(r_.Reference, parties[k], r_.Intervalle, r_.PasMeridiens,
                             kPointsFaitsMax - faits_ - lieux.size());
    if (faits && k + 1 < parties.size()) faits->push_back(parties[k].Fin);
    if (!faits || faits_ + lieux.size() + faits->size() > kPointsFaitsMax) return std::nullopt;
    lieux.insert(lieux.end(), faits->begin(), faits->end());
  }
  return lieux;
}

// The length of the rhumb lines steered from `a` through `lieux` to `b`.
double Constructeur::Gouvernee(Position a, const std::vector<Position>& lieux, Position b) const {
  Reel longueur = 0;
  for (std::size_t k = 0; k <= lieux.size(); ++k) {
    const Position p = k == 0 ? a : lieux[k - 1], q = k == lieux.size() ? b : lieux[k];
    longueur = longueur + CalculInverseLoxodromie(r_.Reference, p.Latitude, p.Longitude, q.Latitude,
                                                  q.Longitude)
                              .Distance;
  }
  return static_cast<double>(longueur);
}

// The waypoints made on the leg from the last waypoint to `vers`, named after the leg. Composite
// sailing that would be steered no shorter than the rhumb line gives way to it: both ends within
// the limit, the rhumb line keeps within it, its latitude running from one end's to the other's.
std::optional<ErreurPassage> Constructeur::Faire(const PointDePassage& vers, std::size_t index) {
  const PointDePassage& depuis = passage_.Points.back();
  const Position a = PositionDe(depuis), b = PositionDe(vers);
  const ResultatInverse g = Orthodromie(r_.Reference, a, b);
  const std::vector<Partie> parties =
      PartiesDuTroncon(r_.Reference, PartieGeodesique(a, b, g), r_.LatitudeMax);
  std::optional<std::vector<Position>> lieux = Lieux(parties);
  if (lieux && parties.size() > 1) {
    const Partie loxodromie = PartieLoxodromique(r_.Reference, a, b);
    if (loxodromie.Longueur <= Gouvernee(a, *lieux, b)) lieux = Lieux({loxodromie});
  }
  if (!lieux) return ErreurPassage{ErreurPassage::Motif::TropDePoints, index};
  const std::string prefixe = depuis.Nom + std::string(kTiretNom) + vers.Nom + " ";
  const std::string complet = NomEntier(depuis) + std::string(kTiretNom) + NomEntier(vers) + " ";
  for (std::size_t k = 0; k < lieux->size(); ++k) {
    const auto [latitude, longitude] = (*lieux)[k];
    const std::string rang = std::to_string(k + 1);
    passage_.Points.push_back(
        {latitude, longitude, prefixe + rang, true, complet == prefixe ? "" : complet + rang});
  }
  faits_ += lieux->size();
  return std::nullopt;
}

// The leg steered from Points[de] to Points[a].
void Constructeur::Gouverner(std::size_t de, std::size_t a) {
  const Position p = PositionDe(passage_.Points[de]), q = PositionDe(passage_.Points[a]);
  const ResultatInverseLoxodromie l =
      CalculInverseLoxodromie(r_.Reference, p.Latitude, p.Longitude, q.Latitude, q.Longitude);
  const ResultatInverse g = Orthodromie(r_.Reference, p, q);
  const double heures =
      r_.Vitesse > 0 ? static_cast<double>(Reel(l.Distance) / (Reel(r_.Vitesse) * kMetresParMille))
                     : 0;
  passage_.Distance = static_cast<double>(passage_.Distance + Reel(l.Distance));
  passage_.DistanceOrthodromie =
      static_cast<double>(passage_.DistanceOrthodromie + Reel(g.Distance));
  passage_.Heures = static_cast<double>(passage_.Heures + Reel(heures));
  passage_.Troncons.push_back(
      {de, a, l.Route, l.Distance, g.RouteInitiale, g.Distance, heures, passage_.Heures});
}

}  // namespace

std::variant<Passage, ErreurPassage> CalculerPassage(const std::vector<PointDePassage>& points,
                                                     const ReglagesPassage& reglages) {
  using Motif = ErreurPassage::Motif;
  if (!Valides(reglages)) return ErreurPassage{Motif::Reglages};
  std::vector<std::size_t> donnes;  // the indexes of the waypoints given that are not made
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (!points[i].Fait) donnes.push_back(i);
  }
  if (donnes.empty()) return ErreurPassage{Motif::AucunPoint};
  if (donnes.size() == 1) return ErreurPassage{Motif::UnSeulPoint, donnes[0]};
  for (const std::size_t i : donnes) {
    if (std::fabs(points[i].Latitude) > reglages.LatitudeMax && reglages.LatitudeMax < 90) {
      return ErreurPassage{Motif::AuDelaLatitudeMax, i};
    }
  }
  Constructeur constructeur(reglages);
  for (const std::size_t i : donnes) {
    if (auto erreur = constructeur.Ajouter(points[i], i)) return *erreur;
  }
  Passage passage = std::move(constructeur).Resultat();
  if (passage.Depart && reglages.Vitesse > 0 && !InstantApres(*passage.Depart, passage.Heures)) {
    return ErreurPassage{Motif::ArriveeTardive, donnes.back()};
  }
  return passage;
}

std::vector<PointDePassage> PointsInverses(std::vector<PointDePassage> points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (points[i].Nom.empty()) points[i].Nom = NomDuRang(i);
  }
  std::reverse(points.begin(), points.end());
  return points;
}

std::string TexteErreurPassage(const ErreurPassage& erreur, bool anglais) {
  switch (erreur.Quoi) {
    case ErreurPassage::Motif::Reglages:
      return anglais ? "No route: a setting is out of its range."
                     : "Pas de route : un réglage est hors de son domaine.";
    case ErreurPassage::Motif::AucunPoint:
      return anglais ? "No route: the passage has no waypoint."
                     : "Pas de route : le passage n'a aucun point.";
    case ErreurPassage::Motif::UnSeulPoint:
      return anglais ? "No route: the passage has a single waypoint, hence no leg."
                     : "Pas de route : le passage n'a qu'un point, donc aucune étape.";
    case ErreurPassage::Motif::AuDelaLatitudeMax:
      return anglais ? "No route: this waypoint lies poleward of the maximum latitude."
                     : "Pas de route : ce point est au-delà de la latitude maximale.";
    case ErreurPassage::Motif::TropDePoints:
      return (anglais ? "No route: more than " : "Pas de route : plus de ") +
             std::to_string(kPointsFaitsMax) +
             (anglais ? " waypoints to make." : " points à créer.");
    case ErreurPassage::Motif::ArriveeTardive:
      return anglais ? "No route: at this speed the arrival would fall after the year 9999."
                     : "Pas de route : à cette vitesse, l'arrivée tomberait après l'an 9999.";
    case ErreurPassage::Motif::SansResultat:
      break;
  }
  return std::string(TexteSansResultat(erreur.Cause, anglais));
}

HeuresMinutes EnHeuresMinutes(double heures) {
  const double minutes = std::round(heures * kMinutesParHeure);
  const double reste = std::fmod(minutes, kMinutesParHeure);
  return {(minutes - reste) / kMinutesParHeure, static_cast<int>(reste)};
}

}  // namespace orbalide
