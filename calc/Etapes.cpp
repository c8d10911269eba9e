#include "Etapes.hpp"

#include <array>
#include <cstdio>
#include <string>

#include "Champs.hpp"
#include "Lecture.hpp"

namespace orbalide::calc {
namespace {

constexpr std::array<std::string_view, 11> kColonnes{
    "leg",  "from",   "to",       "lat1",      "lon1",       "lat2",
    "lon2", "course", "distance", "gc_course", "gc_distance"};
constexpr std::array<std::string_view, 2> kColonnesTemps{"time", "elapsed"};
constexpr std::string_view kColonneEta = "eta";
constexpr std::string_view kTotal = "total";

}  // namespace

TableEtapes::TableEtapes(const Ecriture& ecriture, char separateur, bool temps, bool eta)
    : ecriture_(ecriture), separateur_(separateur), temps_(temps), eta_(eta) {}

void TableEtapes::EnTete(Tampon& sortie) const {
  sortie.Ecrire(kColonnes[0]);
  for (std::size_t i = 1; i < kColonnes.size(); ++i) Texte(kColonnes[i], sortie);
  for (const std::string_view nom : kColonnesTemps) {
    if (temps_) Texte(nom, sortie);
  }
  if (eta_) Texte(kColonneEta, sortie);
  sortie.Ecrire('\n');
}

void TableEtapes::Ecrire(const Passage& p, Tampon& sortie) const {
  for (std::size_t i = 0; i < p.Troncons.size(); ++i) {
    const Troncon& t = p.Troncons[i];
    Debut(std::to_string(i + 1), p.Points[t.Depart], p.Points[t.Arrivee], sortie);
    Angle(t.Route, std::nullopt, sortie);
    Distance(t.Distance, sortie);
    Angle(t.RouteOrthodromie, std::nullopt, sortie);
    Distance(t.DistanceOrthodromie, sortie);
    Temps(t.Heures, t.HeuresCumulees, p.Depart, sortie);
  }
  Debut(kTotal, p.Points.front(), p.Points.back(), sortie);
  Angle(std::nullopt, std::nullopt, sortie);
  Distance(p.Distance, sortie);
  Angle(std::nullopt, std::nullopt, sortie);
  Distance(p.DistanceOrthodromie, sortie);
  Temps(p.Heures, p.Heures, p.Depart, sortie);
}

// A line's first fields: its label, the names and the positions of its two waypoints.
void TableEtapes::Debut(std::string_view etiquette, const PointDePassage& a,
                        const PointDePassage& b, Tampon& sortie) const {
  sortie.Ecrire(etiquette);
  Texte(a.Nom, sortie, true);
  Texte(b.Nom, sortie, true);
  for (const PointDePassage* p : {&a, &b}) {
    Angle(p->Latitude, Axe::Latitude, sortie);
    Angle(p->Longitude, Axe::Longitude, sortie);
  }
}

// A field of text after the separator, quoted where a reader would not take it whole; a name
// also where it would be taken for part of a position.
void TableEtapes::Texte(std::string_view texte, Tampon& sortie, bool nom) const {
  sortie.Ecrire(separateur_);
  const bool plain = separateur_ == ' ';
  const bool position = nom && plain && MotDePosition(texte.substr(0, texte.find_first_of(" \t")));
  const bool guillemets = plain && (texte.empty() || position || texte.find('\t') != texte.npos);
  sortie.Ecrire(ChampCsv(texte, separateur_, guillemets));
}

// An angle after the separator; none: an empty field.
void TableEtapes::Angle(std::optional<double> v, std::optional<Axe> axe, Tampon& sortie) const {
  if (!v) return Texte("", sortie);
  sortie.Ecrire(separateur_);
  const std::size_t debut = sortie.Position();
  ecriture_.Angle(*v, axe, sortie);
  DecimalesEnVirgules(debut, sortie);
}

void TableEtapes::Distance(double metres, Tampon& sortie) const {
  sortie.Ecrire(separateur_);
  const std::size_t debut = sortie.Position();
  ecriture_.Distance(metres, sortie);
  DecimalesEnVirgules(debut, sortie);
}

// With the times, both as hours:minutes, then the time of arrival; then the line's end.
void TableEtapes::Temps(double heures, double depuisDepart, std::optional<Instant> depart,
                        Tampon& sortie) const {
  for (const double h : {heures, depuisDepart}) {
    if (!temps_) break;
    const HeuresMinutes hm = EnHeuresMinutes(h);
    std::array<char, 400> texte{};  // the hours of the largest double: 309 digits
    std::snprintf(texte.data(), texte.size(), "%.0f:%02d", hm.Heures, hm.Minutes);
    Texte(texte.data(), sortie);
  }
  if (eta_ && depart) Texte(TexteInstant(*InstantApres(*depart, depuisDepart)), sortie);
  sortie.Ecrire('\n');
}

// A number written since `debut` with a decimal comma under the semicolons' separator.
void TableEtapes::DecimalesEnVirgules(std::size_t debut, Tampon& sortie) const {
  if (separateur_ == ';') sortie.Remplacer(debut, '.', ',');
}

}  // namespace orbalide::calc
