#include "Escales.hpp"

#include <array>
#include <optional>

namespace orbalide::calc {
namespace {

constexpr std::string_view kBlancs = " \t";

constexpr std::array<Colonne, kChampsEscale> kColonnes{{
    {"lat", Genre::Latitude},
    {"lon", Genre::Longitude},
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
  if (std::optional<Refus> refus = LireColonnes(kColonnes, c, v)) return *refus;
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
