// One line of a command: its fields read, its problem solved, its answer written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "Angles.hpp"
#include "Champs.hpp"
#include "Ecriture.hpp"
#include "Ellipsoide.hpp"
#include "Lecture.hpp"
#include "Options.hpp"
#include "Refus.hpp"
#include "Route.hpp"
#include "SansResultat.hpp"
#include "Tampon.hpp"
#include "Unites.hpp"

namespace orbalide::calc {

// How the lines are read and answered.
struct Reglages {
  Commande Calcul;
  Ellipsoide Reference;
  bool Csv;                // CSV fields and a header; otherwise runs of spaces and tabs
  bool Dms;                // degrees, minutes and seconds out; otherwise decimal degrees
  std::int16_t Decimales;  // of the seconds out, 2, 3 or 7
  Unite Distances;         // of the distances in and out
  orbalide::Ligne Chemin;  // the geodesic, or the rhumb line
};

// A line's outcome: nothing to answer, the geodesic it was answered with, or why it has none.
using Issue = std::variant<LigneVide, Trajet, Refus>;

// A line's outcome, and what the line carries after its fields (Champs::Suite).
struct Reponse {
  Issue Quoi;
  std::optional<std::string_view> Suite;
};

// Each answer has three fields.
inline constexpr std::size_t kChampsReponse = 3;

class Calculateur {
 public:
  explicit Calculateur(const Reglages& reglages);

  // CSV: the separator of the fields written, ',' or ';' (then with decimal commas), as the
  // first header read has it; ',' until then.
  void Dialecte(char separateur);

  // CSV: the header of the answers, without a line end: the names of the answer's fields,
  // "lat2,lon2,course2" for the direct problem, "course1,course2,distance" for the inverse one,
  // then the header's own columns after its fourth (the line may be changed in place; its fields
  // separated by separateurLu).
  void EcrireEnTete(std::span<char> enTete, char separateurLu, Tampon& sortie) const;

  // Reads the line's four fields (the line may be changed in place; with CSV, separated by
  // separateurLu), solves its problem on the ellipsoid and writes the answer's three fields,
  // separated by a space (the dialect's separator with CSV), without a line end:
  // - direct: "lat1 lon1 course1 distance" gives "lat2 lon2 course2";
  // - inverse: "lat1 lon1 lat2 lon2" gives "course1 course2 distance", for every pair of points
  //   (CalculInverseComplet).
  // Along the rhumb line, course2 is course1 (CalculDirectLoxodromie, CalculInverseLoxodromie);
  // a direct line that would reach a pole has no result. A direct line beyond
  // kDistanceDirecteMax either way is refused.
  // Positions by LireCoordonnee, courses by LireRoute, the distance by LireNombreSeul in the
  // unit; blank-separated words make one field each, unless there are more than four: then
  // the words of a GPS unit's coordinate make one (ChampsSepares with positions). Out, as
  // Ecriture writes them: longitudes from −180 to 180, courses from 0 included to 360 excluded;
  // decimal commas in CSV separated by ';'. The output may hold part of an answer when the line
  // is refused: the caller takes it back.
  Reponse Calculer(std::span<char> ligne, char separateurLu, Tampon& sortie) const;

  // Writes what a line carries after its fields after its answer (repondue) or in place of one,
  // without a line end: " # comment" after blank-separated fields, a comment alone; CSV's
  // columns (separated by separateurLu) after the answer's, with empty answer fields before them
  // when there is no answer, in the answers' dialect (ColonnesCsv).
  void EcrireSuite(std::string_view suite, char separateurLu, bool repondue, Tampon& sortie) const;

 private:
  using Valeurs = std::array<double, kChampsParLigne>;
  Issue Resoudre(const Champs& champs, Tampon& sortie) const;
  Issue Directe(const Valeurs& v, Tampon& sortie) const;
  Issue Inverse(const Valeurs& v, Tampon& sortie) const;
  void Separer(Tampon& sortie) const { sortie.Ecrire(separateur_); }

  Reglages r_;
  char separateur_;  // of the fields written
  Ecriture ecriture_;
};

}  // namespace orbalide::calc
