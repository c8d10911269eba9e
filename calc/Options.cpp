#include "Options.hpp"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "Ellipsoide.hpp"
#include "Lecture.hpp"
#include "Passage.hpp"
#include "Textes.hpp"
#include "Traceurs.hpp"

namespace orbalide::calc {
namespace {

using Faute = ErreurUsage::Faute;

constexpr std::array<std::pair<std::string_view, Commande>, 3> kCommandes{{
    {"direct", Commande::Directe},
    {"inverse", Commande::Inverse},
    {"route", Commande::Route},
}};
constexpr std::array<std::int16_t, 3> kPrecisions{2, 3, 7};
constexpr std::array<std::pair<std::string_view, Unite>, 2> kUnites{{
    {"m", Unite::Metres},
    {"nm", Unite::Milles},
}};

std::optional<ErreurUsage> Precision(Options& o, std::string_view valeur) {
  const auto p = std::find_if(kPrecisions.begin(), kPrecisions.end(),
                              [&](std::int16_t d) { return valeur == std::to_string(d); });
  if (p == kPrecisions.end()) return ErreurUsage{Faute::PrecisionInconnue, std::string(valeur)};
  o.Decimales = *p;
  return std::nullopt;
}

std::optional<ErreurUsage> UniteNommee(Options& o, std::string_view valeur) {
  const auto u = std::find_if(kUnites.begin(), kUnites.end(),
                              [&](const auto& unite) { return unite.first == valeur; });
  if (u == kUnites.end()) return ErreurUsage{Faute::UniteInconnue, std::string(valeur)};
  o.Distances = u->second;
  return std::nullopt;
}

std::optional<ErreurUsage> EllipsoideNomme(Options& o, std::string_view valeur) {
  const std::optional<std::int16_t> index = IndexEllipsoide(valeur);
  if (!index) return ErreurUsage{Faute::EllipsoideInconnu, std::string(valeur)};
  o.Ellipsoide = *index;
  return std::nullopt;
}

// A file of geodesics needs a name, and "-" is none: the standard output holds the answers.
std::optional<ErreurUsage> Fichier(std::string& fichier, std::string_view option,
                                   std::string_view valeur) {
  if (valeur.empty()) return ErreurUsage{Faute::ValeurManquante, std::string(option)};
  if (valeur == "-") return ErreurUsage{Faute::SortieStandard, std::string(option)};
  fichier = valeur;
  return std::nullopt;
}

// A setting of route, read as `lue`: above 0, at most `maximum`, at least `minimum`.
std::optional<ErreurUsage> Positif(double& reglage, std::string_view option, ValeurLue lue,
                                   std::string_view valeur, double maximum = HUGE_VAL,
                                   double minimum = 0) {
  if (lue.Defaut != DefautLecture::Aucun || lue.Valeur <= 0 || lue.Valeur > maximum ||
      lue.Valeur < minimum) {
    return ErreurUsage{Faute::ValeurInvalide, std::string(valeur), std::string(option)};
  }
  reglage = lue.Valeur;
  return std::nullopt;
}

// A whole number of route, at least `minimum`.
std::optional<ErreurUsage> Entier(std::size_t& reglage, std::string_view option,
                                  std::string_view valeur, std::size_t minimum) {
  std::size_t n = 0;
  const auto [fin, erreur] = std::from_chars(valeur.data(), valeur.data() + valeur.size(), n);
  if (valeur.empty() || erreur != std::errc{} || fin != valeur.data() + valeur.size() ||
      n < minimum) {
    return ErreurUsage{Faute::ValeurInvalide, std::string(valeur), std::string(option)};
  }
  reglage = n;
  return std::nullopt;
}

std::optional<ErreurUsage> Depart(Options& o, std::string_view valeur) {
  o.Depart = LireInstant(valeur);
  if (o.Depart) return std::nullopt;
  return ErreurUsage{Faute::ValeurInvalide, std::string(valeur), "--depart"};
}

// A route of GPX files: its rank when the value is a number (blanks around it aside), else its
// name; blanks alone are neither.
std::optional<ErreurUsage> RouteGpx(Options& o, std::string_view valeur) {
  constexpr std::string_view kBlancs = " \t";
  const std::size_t debut = valeur.find_first_not_of(kBlancs);
  if (debut == valeur.npos) {
    return ErreurUsage{Faute::ValeurInvalide, std::string(valeur), "--route"};
  }
  const std::string_view mot = valeur.substr(debut, valeur.find_last_not_of(kBlancs) + 1 - debut);
  if (mot.find_first_not_of("0123456789") == mot.npos) {
    return Entier(o.RouteGpx.Rang, "--route", mot, 1);
  }
  o.RouteGpx.Nom = valeur;
  return std::nullopt;
}

// A latitude's magnitude, whatever its hemisphere or sign: the limit holds north and south.
ValeurLue Magnitude(ValeurLue lue) {
  return {std::fabs(lue.Valeur), lue.Defaut};
}

// The commands an option applies to.
enum class Portee { Toutes, DirecteInverse, Route };

// An option of the command line: without a value it sets its flag, with one it follows its rule,
// which sets the value or says why it does not fit.
struct OptionConnue {
  const char* Nom;         // without "--"
  char Courte;             // the short name, 0 for none
  bool Options::*Drapeau;  // null for an option with a value
  std::optional<ErreurUsage> (*Regle)(Options& o, std::string_view valeur);
  Portee Pour = Portee::Toutes;
};

constexpr std::array kOptions{
    OptionConnue{"csv", 0, &Options::Csv, nullptr},
    OptionConnue{"dms", 0, &Options::Dms, nullptr},
    OptionConnue{"precision", 0, nullptr, &Precision},
    OptionConnue{"unit", 0, nullptr, &UniteNommee},
    OptionConnue{"ellipsoid", 0, nullptr, &EllipsoideNomme},
    OptionConnue{"list-ellipsoids", 0, &Options::ListeEllipsoides, nullptr},
    OptionConnue{"kml", 0, nullptr,
                 [](Options& o, std::string_view v) { return Fichier(o.Kml, "--kml", v); }},
    OptionConnue{"gpx", 0, nullptr,
                 [](Options& o, std::string_view v) { return Fichier(o.Gpx, "--gpx", v); }},
    OptionConnue{"rhumb", 0, &Options::Loxodromie, nullptr, Portee::DirecteInverse},
    OptionConnue{"every", 0, nullptr,
                 [](Options& o, std::string_view v) {
                   return Positif(o.Intervalle, "--every", LireNombreSeul(v), v);
                 },
                 Portee::Route},
    OptionConnue{"meridians", 0, nullptr,
                 [](Options& o, std::string_view v) {
                   return Positif(o.PasMeridiens, "--meridians", LireRoute(v), v, kPasMeridiensMax);
                 },
                 Portee::Route},
    OptionConnue{"max-latitude", 0, nullptr,
                 [](Options& o, std::string_view v) {
                   return Positif(o.LatitudeMax, "--max-latitude",
                                  Magnitude(LireCoordonnee(v, Axe::Latitude)), v);
                 },
                 Portee::Route},
    OptionConnue{"speed", 0, nullptr,
                 [](Options& o, std::string_view v) {
                   return Positif(o.Vitesse, "--speed", LireNombreSeul(v), v, HUGE_VAL,
                                  kVitesseMin);
                 },
                 Portee::Route},
    OptionConnue{"depart", 0, nullptr, &Depart, Portee::Route},
    OptionConnue{"route", 0, nullptr, &RouteGpx, Portee::Route},
    OptionConnue{"reverse", 0, &Options::Inverse, nullptr, Portee::Route},
    OptionConnue{"name-length", 0, nullptr,
                 [](Options& o, std::string_view v) {
                   return Entier(o.LongueurNoms, "--name-length", v, kLongueurNomMin);
                 },
                 Portee::Route},
    OptionConnue{
        "max-points", 0, nullptr,
        [](Options& o, std::string_view v) { return Entier(o.PointsMax, "--max-points", v, 2); },
        Portee::Route},
    OptionConnue{"help", 'h', &Options::Aide, nullptr},
    OptionConnue{"version", 'V', &Options::Version, nullptr},
};

// What getopt_long returns for kOptions[i]: its short name, or a code above every character.
int Code(std::size_t i) {
  constexpr int kPremierCodeLong = 256;
  return kOptions[i].Courte != 0 ? kOptions[i].Courte : kPremierCodeLong + static_cast<int>(i);
}

// glibc's standard streams are variables that a program may set (its manual says so):
// getopt_long writes its messages to `stderr`, made the run's error stream while it reads.
class ErreursVers {
 public:
  explicit ErreursVers(std::FILE* erreurs) : avant_(stderr) { stderr = erreurs; }
  ErreursVers(const ErreursVers&) = delete;
  ErreursVers& operator=(const ErreursVers&) = delete;
  ~ErreursVers() { stderr = avant_; }

 private:
  std::FILE* avant_;
};

// The command and the files; or what is wrong with them.
std::optional<ErreurUsage> LireOperandes(Options& o, std::span<char* const> operandes) {
  if (operandes.empty()) {
    if (o.Aide || o.Version || o.ListeEllipsoides) return std::nullopt;
    return ErreurUsage{Faute::CommandeManquante, ""};
  }
  const std::string_view commande = operandes[0];
  const auto c = std::find_if(kCommandes.begin(), kCommandes.end(),
                              [&](const auto& nommee) { return nommee.first == commande; });
  if (c == kCommandes.end()) return ErreurUsage{Faute::CommandeInconnue, std::string(commande)};
  o.Calcul = c->second;
  o.Fichiers.assign(operandes.begin() + 1, operandes.end());
  return std::nullopt;
}

// An option given to a command it does not apply to.
std::optional<ErreurUsage> HorsCommande(const Options& o, std::string_view commande,
                                        const std::vector<std::size_t>& donnees) {
  if (!o.Calcul) return std::nullopt;
  const bool route = o.Calcul == Commande::Route;
  for (const std::size_t i : donnees) {
    const Portee p = kOptions[i].Pour;
    if (p != Portee::Toutes && (p == Portee::Route) != route) {
      return ErreurUsage{Faute::HorsCommande, std::string(commande),
                         "--" + std::string(kOptions[i].Nom)};
    }
  }
  return std::nullopt;
}

}  // namespace

std::variant<Options, ErreurUsage> LireOptions(std::span<const std::string_view> arguments,
                                               std::FILE* erreurs) {
  // argv[0] names the program in getopt_long's messages.
  std::vector<std::string> textes{std::string(kNomProgramme)};
  textes.insert(textes.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& t : textes) argv.push_back(t.data());
  argv.push_back(nullptr);
  std::vector<option> longues;
  std::string courtes;
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const bool valeur = kOptions[i].Regle != nullptr;
    longues.push_back(
        {kOptions[i].Nom, valeur ? required_argument : no_argument, nullptr, Code(i)});
    if (kOptions[i].Courte != 0) courtes += kOptions[i].Courte;
  }
  longues.push_back({});

  Options o;
  const ErreursVers redirection(erreurs);
  optind = 0;  // getopt_long starts afresh: a process may read several command lines
  opterr = 1;
  const int argc = static_cast<int>(textes.size());
  std::vector<std::size_t> donnees;  // the options given, by index
  for (int code;
       (code = getopt_long(argc, argv.data(), courtes.c_str(), longues.data(), nullptr)) != -1;) {
    std::size_t i = 0;
    while (i < kOptions.size() && Code(i) != code) ++i;
    if (i == kOptions.size()) return ErreurUsage{Faute::OptionRefusee, ""};
    donnees.push_back(i);
    if (kOptions[i].Drapeau != nullptr) {
      o.*(kOptions[i].Drapeau) = true;
    } else if (auto erreur = kOptions[i].Regle(o, optarg)) {
      return *erreur;
    }
  }
  const auto operandes = std::span<char* const>(argv).subspan(static_cast<std::size_t>(optind));
  if (auto erreur = LireOperandes(o, operandes.first(operandes.size() - 1))) return *erreur;
  if (auto erreur = HorsCommande(o, o.Calcul ? operandes[0] : "", donnees)) return *erreur;
  if (o.Depart && o.Vitesse == 0) return ErreurUsage{Faute::SansVitesse, "--depart"};
  return o;
}

}  // namespace orbalide::calc
