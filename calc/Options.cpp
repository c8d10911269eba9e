#include "Options.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "Ellipsoide.hpp"

namespace orbalide::calc {
namespace {

using Faute = ErreurUsage::Faute;

constexpr std::array<std::pair<std::string_view, bool Options::*>, 5> kDrapeaux{{
    {"--csv", &Options::Csv},
    {"--dms", &Options::Dms},
    {"--help", &Options::Aide},
    {"--version", &Options::Version},
    {"--list-ellipsoids", &Options::ListeEllipsoides},
}};
constexpr std::array<std::string_view, 5> kOptionsAValeur{"--precision", "--unit", "--ellipsoid",
                                                          "--kml", "--gpx"};
constexpr std::array<std::int16_t, 3> kPrecisions{2, 3, 7};
constexpr std::array<std::pair<std::string_view, Unite>, 2> kUnites{{
    {"m", Unite::Metres},
    {"nm", Unite::Milles},
}};

// Sets the option `nom` to `valeur`, or says why the value does not fit it.
std::optional<ErreurUsage> Regler(Options& o, std::string_view nom, std::string_view valeur) {
  const std::string texte(valeur);
  if (nom == "--precision") {
    const auto p = std::find_if(kPrecisions.begin(), kPrecisions.end(),
                                [&](std::int16_t d) { return texte == std::to_string(d); });
    if (p == kPrecisions.end()) return ErreurUsage{Faute::PrecisionInconnue, texte};
    o.Decimales = *p;
  } else if (nom == "--unit") {
    const auto u = std::find_if(kUnites.begin(), kUnites.end(),
                                [&](const auto& unite) { return unite.first == valeur; });
    if (u == kUnites.end()) return ErreurUsage{Faute::UniteInconnue, texte};
    o.Distances = u->second;
  } else if (nom == "--ellipsoid") {
    const std::optional<std::int16_t> index = IndexEllipsoide(valeur);
    if (!index) return ErreurUsage{Faute::EllipsoideInconnu, texte};
    o.Ellipsoide = *index;
  } else if (texte.empty()) {
    return ErreurUsage{Faute::ValeurManquante, std::string(nom)};
  } else {
    (nom == "--kml" ? o.Kml : o.Gpx) = texte;
  }
  return std::nullopt;
}

// The option at arguments[i], with its value, which may be the next argument (i then moves on to
// it); or what is wrong with it.
std::optional<ErreurUsage> LireOption(Options& o, std::span<const std::string_view> arguments,
                                      std::size_t& i) {
  const std::string_view a = arguments[i];
  const std::size_t egal = a.find('=');
  const std::string_view nom = a.substr(0, egal);
  const bool valeurJointe = egal != std::string_view::npos;
  const auto drapeau = std::find_if(kDrapeaux.begin(), kDrapeaux.end(),
                                    [&](const auto& d) { return d.first == nom; });
  if (drapeau != kDrapeaux.end()) {
    if (valeurJointe) return ErreurUsage{Faute::ValeurSuperflue, std::string(nom)};
    o.*(drapeau->second) = true;
    return std::nullopt;
  }
  if (std::find(kOptionsAValeur.begin(), kOptionsAValeur.end(), nom) == kOptionsAValeur.end()) {
    return ErreurUsage{Faute::OptionInconnue, std::string(a)};
  }
  if (!valeurJointe && i + 1 == arguments.size()) {
    return ErreurUsage{Faute::ValeurManquante, std::string(nom)};
  }
  return Regler(o, nom, valeurJointe ? a.substr(egal + 1) : arguments[++i]);
}

// The command and the files; or what is wrong with them.
std::optional<ErreurUsage> LireOperandes(Options& o, std::span<const std::string_view> operandes) {
  if (operandes.empty()) {
    if (o.Aide || o.Version || o.ListeEllipsoides) return std::nullopt;
    return ErreurUsage{Faute::CommandeManquante, ""};
  }
  if (operandes[0] == "direct") {
    o.Calcul = Commande::Directe;
  } else if (operandes[0] == "inverse") {
    o.Calcul = Commande::Inverse;
  } else {
    return ErreurUsage{Faute::CommandeInconnue, std::string(operandes[0])};
  }
  o.Fichiers.assign(operandes.begin() + 1, operandes.end());
  return std::nullopt;
}

}  // namespace

std::variant<Options, ErreurUsage> LireOptions(std::span<const std::string_view> arguments) {
  Options o;
  std::vector<std::string_view> operandes;
  bool options = true;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view a = arguments[i];
    if (!options || a == "-" || !a.starts_with('-')) {
      operandes.push_back(a);
    } else if (a == "--") {
      options = false;
    } else if (auto erreur = LireOption(o, arguments, i)) {
      return *erreur;
    }
  }
  if (auto erreur = LireOperandes(o, operandes)) return *erreur;
  return o;
}

}  // namespace orbalide::calc
