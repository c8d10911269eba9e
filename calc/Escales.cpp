#include "Escales.hpp"

#include <array>

#include "Lecture.hpp"

namespace orbalide::calc {
namespace {

constexpr std::string_view kBlancs = " \t";

struct Colonne {
  std::string_view Nom;
  Axe Lu;
  Genre Quoi;  // in a refusal
};

constexpr std::array<Colonne, kChampsEscale> kColonnes{{
    {"lat", Axe::Latitude, Genre::Latitude},
    {"lon", Axe::Longitude, Genre::Longitude},
}};

// The text between the end of the waypoint's fields and `fin`, without the blanks around it.
std::string_view Reste(std::string_view champ, const char* fin) {
  std::string_view reste(champ.data() + champ.size(),
                         static_cast<std::size_t>(fin - (champ.data() + champ.size())));
  reste.remove_prefix(std::min(reste.size(), reste.find_first_not_of(kBlancs)));
  return reste.substr(0, reste.find_last_not_of(kBlancs) + 1);
}

}  // namespace

std::variant<LigneVide, PointDePassage, Refus> LireEscale(std::span<char> ligne, bool csv,
                                                          char separateur) {
  const Champs c =
      csv ? ChampsCsv(ligne, separateur, kChampsEscale) : ChampsSepares(ligne, kChampsEscale);
  if (c.Nombre == 0) return LigneVide{};
  if (c.Nombre < kChampsEscale) {
    return Refus{
        .Quoi = Refus::Motif::TropPeuDeChamps, .Champs = c.Nombre, .Attendus = kChampsEscale};
  }
  std::array<double, kChampsEscale> v{};
  for (std::size_t i = 0; i < kChampsEscale; ++i) {
    const ValeurLue lue = LireAngle(c.Texte[i], kColonnes[i].Lu);
    if (lue.Defaut != DefautLecture::Aucun) {
      return Refus{.Quoi = Refus::Motif::Champ,
                   .Colonne = kColonnes[i].Nom,
                   .Lu = kColonnes[i].Quoi,
                   .Defaut = lue.Defaut};
    }
    v[i] = lue.Valeur;
  }
  std::string_view nom;
  if (csv && c.Nombre > kChampsEscale) {
    nom = c.Texte[kChampsEscale];
  } else if (!csv) {
    nom =
        Reste(c.Texte[kChampsEscale - 1], c.Suite ? c.Suite->data() : ligne.data() + ligne.size());
  }
  return PointDePassage{v[0], v[1], std::string(nom)};
}

}  // namespace orbalide::calc
