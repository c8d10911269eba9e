// The command line: the command, its options and its files.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Ellipsoide.hpp"
#include "Unites.hpp"

namespace orbalide::calc {

enum class Commande { Directe, Inverse };

struct Options {
  std::optional<Commande> Calcul;  // none only with --help, --version or --list-ellipsoids
  bool Aide = false, Version = false, ListeEllipsoides = false;
  bool Csv = false;                       // --csv: comma-separated fields and a header line
  bool Dms = false;                       // --dms: degrees, minutes and seconds out
  std::int16_t Decimales = 3;             // --precision: of the seconds out, 2, 3 or 7
  Unite Distances = Unite::Metres;        // --unit: of the distances in and out
  std::int16_t Ellipsoide = kIndexWgs84;  // --ellipsoid: the catalogue's index
  std::string Kml, Gpx;                   // --kml, --gpx: files of the geodesics, empty for none
  std::vector<std::string> Fichiers;  // the inputs in turn, "-" standing for the standard input;
                                      // none: the standard input
};

// What is wrong with a command line, and the argument at fault.
struct ErreurUsage {
  enum class Faute {
    OptionInconnue,
    ValeurManquante,    // an option that takes a value is last
    ValeurSuperflue,    // --csv=yes
    PrecisionInconnue,  // not 2, 3 or 7
    UniteInconnue,      // not m or nm
    EllipsoideInconnu,
    CommandeManquante,
    CommandeInconnue,
  };
  Faute Quoi;
  std::string Argument;
};

// The arguments after the program's name, GNU's way: options before, between and after the
// operands, each as --name=value or --name value; "--" ends the options. The first operand is
// the command ("direct" or "inverse"), the others are files.
std::variant<Options, ErreurUsage> LireOptions(std::span<const std::string_view> arguments);

}  // namespace orbalide::calc
