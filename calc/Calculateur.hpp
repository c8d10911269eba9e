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
#include "Ellipsoide.hpp"
#include "Lecture.hpp"
#include "Options.hpp"
#include "Route.hpp"
#include "SansResultat.hpp"
#include "Tampon.hpp"
#include "Unites.hpp"

namespace orbalide::calc {

// How the lines are read and answered.
struct Reglages {
  Commande Calcul;
  Ellipsoide Reference;
  bool Csv;                // comma-separated fields; otherwise runs of spaces and tabs
  bool Dms;                // degrees, minutes and seconds out; otherwise decimal degrees
  std::int16_t Decimales;  // of the seconds out, 2, 3 or 7
  Unite Distances;         // of the distances in and out
};

// What a field holds.
enum class Genre { Latitude, Longitude, Route, Distance };

// Why a line has no answer.
struct Refus {
  enum class Motif { TropPeuDeChamps, TropDeChamps, LigneTropLongue, Champ, SansResultat };
  Motif Quoi;
  std::size_t Champs = 0;      // TropPeuDeChamps: the fields found
  std::string_view Colonne{};  // Champ: the field's name, as the CSV header names it
  Genre Lu = Genre::Latitude;  // Champ: what it holds
  DefautLecture Defaut = DefautLecture::Aucun;     // Champ
  SansResultat Cause = SansResultat::HorsDomaine;  // SansResultat
};

// A line of blanks, answered by an empty line.
struct LigneVide {};

// A line's outcome: nothing to answer, the geodesic it was answered with, or why it has none.
using Issue = std::variant<LigneVide, Trajet, Refus>;

class Calculateur {
 public:
  explicit Calculateur(const Reglages& reglages);

  // The names of the answer's fields, comma-separated, without a line end: "lat2,lon2,course2"
  // for the direct problem, "course1,course2,distance" for the inverse one.
  std::string_view EnTete() const;

  // Reads the line's four fields (the line may be changed in place), solves its problem on the
  // ellipsoid and writes the answer's three fields, separated by a space (a comma with CSV),
  // without a line end:
  // - direct: "lat1 lon1 course1 distance" gives "lat2 lon2 course2";
  // - inverse: "lat1 lon1 lat2 lon2" gives "course1 course2 distance", for every pair of points
  //   (CalculInverseComplet).
  // Angles by LireAngle and LireRoute, the distance by LireNombreSeul in the unit. Out, decimal
  // degrees with 9 decimals or, with Dms, the window's picture of a position: 49°00′23.260″N,
  // 006°09′41.280″E, and courses as 298°20′14.566″ or 045°00′00.000″ (longitudes and courses with
  // three digits of degrees); longitudes from −180 to 180, courses from 0 included to 360
  // excluded, a zero without sign, north or east; distances in metres with 4 decimals or
  // nautical miles with 8. The output may hold part of an answer when the line is refused: the
  // caller takes it back.
  Issue Calculer(std::span<char> ligne, Tampon& sortie) const;

 private:
  using Valeurs = std::array<double, kChampsParLigne>;
  Issue Directe(const Valeurs& v, Tampon& sortie) const;
  Issue Inverse(const Valeurs& v, Tampon& sortie) const;
  void EcrireAngle(double v, std::optional<Axe> axe, Tampon& sortie) const;
  void EcrireSexagesimal(double v, std::optional<Axe> axe, Tampon& sortie) const;
  void EcrireDistance(double metres, Tampon& sortie) const;
  void Separer(Tampon& sortie) const { sortie.Ecrire(r_.Csv ? ',' : ' '); }

  Reglages r_;
  std::string image_;  // the seconds picture
};

}  // namespace orbalide::calc
