// The command line: the command, its options and its files.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Ellipsoide.hpp"
#include "LectureGpx.hpp"
#include "Temps.hpp"
#include "Unites.hpp"

namespace orbalide::calc {

enum class Commande { Directe, Inverse, Route };

struct Options {
  std::optional<Commande> Calcul;  // none only with --help, --version or --list-ellipsoids
  bool Aide = false, Version = false, ListeEllipsoides = false;
  bool Csv = false;                       // --csv: comma-separated fields and a header line
  bool Dms = false;                       // --dms: degrees, minutes and seconds out
  std::int16_t Decimales = 3;             // --precision: of the seconds out, 2, 3 or 7
  Unite Distances = Unite::Metres;        // --unit: of the distances in and out
  std::int16_t Ellipsoide = kIndexWgs84;  // --ellipsoid: the catalogue's index
  std::string Kml, Gpx;                   // --kml, --gpx: files of the geodesics, empty for none
  bool Loxodromie = false;                // --rhumb: direct and inverse along the rhumb line
  // route's settings, each above 0 when given:
  double Intervalle = 0;              // --every: in the distance unit; 0 for none
  double PasMeridiens = 0;            // --meridians: degrees; 0 for none
  double LatitudeMax = 90;            // --max-latitude: degrees, at most 90
  double Vitesse = 0;                 // --speed: knots; 0 for none
  ChoixRoute RouteGpx;                // --route: the route of GPX inputs, by rank or name
  bool Inverse = false;               // --reverse: from the last waypoint to the first
  std::optional<Instant> Depart;      // --depart: with --speed, the times of arrival
  std::size_t LongueurNoms = 0;       // --name-length: names for plotters; 0 for none
  std::size_t PointsMax = 0;          // --max-points: GPX routes cut; 0 for one route
  std::vector<std::string> Fichiers;  // the inputs in turn, "-" standing for the standard input;
                                      // none: the standard input
};

// What is wrong with a command line, and the argument at fault.
struct ErreurUsage {
  enum class Faute {
    OptionRefusee,      // getopt_long has said why (unknown, ambiguous, a value missing or extra)
    ValeurManquante,    // --kml=
    SortieStandard,     // --kml=-: the standard output holds the answers
    PrecisionInconnue,  // not 2, 3 or 7
    UniteInconnue,      // not m or nm
    EllipsoideInconnu,
    ValeurInvalide,  // route's settings: not a number, or not above 0 (1 for --max-points),
                     // a time without its zone
    SansVitesse,     // --depart without --speed
    HorsCommande,    // an option of another command: Argument is the command
    CommandeManquante,
    CommandeInconnue,
  };
  Faute Quoi;
  std::string Argument;
  std::string Option{};  // ValeurInvalide, HorsCommande: its name, with "--"
};

// The arguments after the program's name, read by glibc's getopt_long: options before, between
// and after the operands, each as --name=value or --name value, a long name shortened to any
// unambiguous start (--ell), -h and -V, "--" ending the options. The first operand is the command
// ("direct", "inverse" or "route"), the others are files. --rhumb is an option of direct and
// inverse; --every, --meridians, --max-latitude, --speed, --depart (LireInstant, with --speed),
// --route (digits alone: a rank from 1; else a name), --reverse, --name-length and --max-points
// are route's. getopt_long's own messages
// (in the language of LC_MESSAGES) go to `erreurs`. It may run again in the same process.
std::variant<Options, ErreurUsage> LireOptions(std::span<const std::string_view> arguments,
                                               std::FILE* erreurs);

}  // namespace orbalide::calc
