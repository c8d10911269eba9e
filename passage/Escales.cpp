#include "Escales.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "Champs.hpp"

namespace orbalide {
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

std::variant<LigneVide, PointDePassage, Refus> LireEscale(const Enregistrement& e, bool csv,
                                                          char separateur) {
  if (std::optional<Refus> refus = RefusEnregistrement(e)) return *refus;
  const std::span<char> ligne = e.Texte;
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

std::vector<EscaleLue> LireEscales(std::string_view texte, bool csv) {
  LignesTexte lignes(texte);
  LecteurEnregistrements lecteur(lignes, csv);
  std::vector<EscaleLue> escales;
  for (bool enTete = csv; const std::optional<Enregistrement> e = lecteur.Suivant();
       enTete = false) {
    if (enTete) continue;
    auto lu = LireEscale(*e, csv, lecteur.Separateur());
    if (auto* point = std::get_if<PointDePassage>(&lu)) {
      escales.push_back({e->Ligne, std::move(*point)});
    } else if (const auto* refus = std::get_if<Refus>(&lu)) {
      escales.push_back({e->Ligne, *refus});
    }
  }
  return escales;
}

std::variant<double, Refus> LireCoordonneeEscale(std::string_view texte, Axe axe) {
  std::string cellule(texte.substr(std::min(texte.size(), texte.find_first_not_of(kBlancs))));
  cellule.erase(cellule.find_last_not_of(kBlancs) + 1);
  std::replace(cellule.begin(), cellule.end(), ',', '.');
  return LireColonne(kColonnes[axe == Axe::Latitude ? 0 : 1], cellule);
}

}  // namespace orbalide
