#include "Escales.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "Champs.hpp"
#include "Lecture.hpp"

namespace orbalide {
namespace {

constexpr std::string_view kBlancs = " \t";

constexpr std::array<Colonne, kChampsEscale> kColonnes{{
    {"lat", Genre::Latitude},
    {"lon", Genre::Longitude},
}};

// The waypoint's name: with CSV its column, if any; otherwise the text between the end of its
// position and its comment, or the line's end, without the blanks around it.
std::string_view Nom(const Champs& c, std::span<const char> ligne, bool csv) {
  if (c.Nombre <= kChampsEscale) return {};
  if (csv) return c.Texte[kChampsEscale];
  const std::string_view lon = c.Texte[kChampsEscale - 1];
  const char* const fin = c.Suite ? c.Suite->data() : ligne.data() + ligne.size();
  std::string_view reste(lon.data() + lon.size(),
                         static_cast<std::size_t>(fin - (lon.data() + lon.size())));
  reste.remove_prefix(std::min(reste.size(), reste.find_first_not_of(kBlancs)));
  return reste.substr(0, reste.find_last_not_of(kBlancs) + 1);
}

std::string_view PremierMot(std::string_view nom) {
  return nom.substr(0, nom.find_first_of(kBlancs));
}

// A name in double quotes as CSV quotes a field ("12 Apôtres", "Le ""Havre"""), without them;
// any other as it stands.
std::string SansGuillemets(std::string_view nom) {
  if (nom.size() < 2 || nom.front() != '"' || nom.back() != '"') return std::string(nom);
  std::string sans;
  for (std::size_t i = 1; i + 1 < nom.size(); ++i) {
    if (nom[i] == '"' && (i + 2 >= nom.size() || nom[++i] != '"')) return std::string(nom);
    sans += nom[i];
  }
  return sans;
}

// The waypoint of a record's fields.
std::variant<LigneVide, PointDePassage, Refus> Escale(const Champs& c, std::span<const char> ligne,
                                                      bool csv) {
  if (c.Nombre == 0) return LigneVide{};
  if (c.Nombre < kChampsEscale) {
    return Refus{
        .Quoi = Refus::Motif::TropPeuDeChamps, .Champs = c.Nombre, .Attendus = kChampsEscale};
  }
  std::array<double, kChampsEscale> v{};
  if (std::optional<Refus> refus = LireColonnes(kColonnes, c, v)) return *refus;
  const std::string_view nom = Nom(c, ligne, csv);
  if (csv) return PointDePassage{v[0], v[1], std::string(nom)};
  if (MotDePosition(PremierMot(nom))) return Refus{.Quoi = Refus::Motif::NomPosition};
  return PointDePassage{v[0], v[1], SansGuillemets(nom)};
}

}  // namespace

std::variant<LigneVide, PointDePassage, Refus> LireEscale(const Enregistrement& e, bool csv,
                                                          char separateur) {
  if (std::optional<Refus> refus = RefusEnregistrement(e)) return *refus;
  const std::span<char> ligne = e.Texte;
  if (csv) return Escale(ChampsCsv(ligne, separateur, kChampsEscale), ligne, true);
  const Champs c = ChampsSepares(ligne, kChampsEscale);
  if (!MotDePosition(PremierMot(Nom(c, ligne, false)))) return Escale(c, ligne, false);
  // A name that starts like a coordinate: the position is a GPS unit's, N48 23.500 W004 29.000;
  // unless its words make none (0 0 N Cardinal): then the name is refused as it stands.
  const auto simple = Escale(c, ligne, false);
  const auto groupee = Escale(ChampsSepares(ligne, kChampsEscale, true), ligne, false);
  const auto motif = [](const auto& lu, Refus::Motif m, DefautLecture d = DefautLecture::Aucun) {
    const Refus* r = std::get_if<Refus>(&lu);
    return r != nullptr && r->Quoi == m && r->Defaut == d;
  };
  const bool sansPosition = motif(groupee, Refus::Motif::TropPeuDeChamps) ||
                            motif(groupee, Refus::Motif::Champ, DefautLecture::Illisible) ||
                            motif(groupee, Refus::Motif::Champ, DefautLecture::AutreAxe);
  return sansPosition && motif(simple, Refus::Motif::NomPosition) ? simple : groupee;
}

std::vector<EscaleLue> LireEscales(std::string_view texte, bool csv) {
  LignesTexte lignes(texte);
  LecteurEnregistrements lecteur(lignes, csv);
  std::vector<EscaleLue> escales;
  while (const std::optional<Enregistrement> e = lecteur.Suivant()) {
    if (e->EnTete) continue;
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
