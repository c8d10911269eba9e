// A passage's legs as orbalide-calc route writes them: a line for each leg steered, then the
// totals.
#pragma once

#include <optional>
#include <string_view>

#include "Ecriture.hpp"
#include "Passage.hpp"
#include "Tampon.hpp"

namespace orbalide::calc {

class TableEtapes {
 public:
  // separateur: ' ' for plain text, or CSV's ',' or ';' (then with decimal commas); temps: with
  // the times at the passage's speed; eta: with the times of arrival, from its departure.
  TableEtapes(const Ecriture& ecriture, char separateur, bool temps, bool eta);

  // The header "leg,from,to,lat1,lon1,lat2,lon2,course,distance,gc_course,gc_distance", then
  // ",time,elapsed" with the times and ",eta" with the times of arrival, fields separated by the
  // separator, and a line end.
  void EnTete(Tampon& sortie) const;

  // A line for each leg steered: its number from 1, the names of its two waypoints, their
  // positions, the rhumb line's course and length, the geodesic's initial course and length
  // and, with the times, the leg's and the time since the first waypoint as hours:minutes (2:05,
  // 131:40), with the times of arrival its arrival's in UTC (TexteInstant); then the line "total"
  // with the first and the last waypoints, no courses, the sums of the lengths and the whole time
  // twice. A name is quoted as CSV quotes a field ("Le
  // ""Havre""") where it holds the separator, a quote or a line break, or blanks around it; in
  // plain text also where it holds a blank, is empty (as is an empty field) or begins with a
  // word that reads as a number or an angle (MotDePosition: "12", "N1").
  void Ecrire(const Passage& passage, Tampon& sortie) const;

 private:
  void Debut(std::string_view etiquette, const PointDePassage& a, const PointDePassage& b,
             Tampon& sortie) const;
  void Texte(std::string_view texte, Tampon& sortie, bool nom = false) const;
  void Angle(std::optional<double> v, std::optional<Axe> axe, Tampon& sortie) const;
  void Distance(double metres, Tampon& sortie) const;
  void Temps(double heures, double depuisDepart, std::optional<Instant> depart,
             Tampon& sortie) const;
  void DecimalesEnVirgules(std::size_t debut, Tampon& sortie) const;

  const Ecriture& ecriture_;
  char separateur_;
  bool temps_, eta_;
};

}  // namespace orbalide::calc
