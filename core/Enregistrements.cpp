#include "Enregistrements.hpp"

#include <algorithm>

#include "Champs.hpp"
#include "Lecture.hpp"

namespace orbalide {

LigneLue Decouper(char* texte, std::size_t longueur) {
  if (longueur > 0 && texte[longueur - 1] == '\r') --longueur;
  if (longueur > kLongueurLigneMax) return {{}, true};
  return {{texte, longueur}, false};
}

std::optional<LigneLue> LignesTexte::Suivante() {
  if (debut_ == texte_.size()) return std::nullopt;
  const std::size_t fin = std::min(texte_.find('\n', debut_), texte_.size());
  char* const ligne = texte_.data() + debut_;
  const std::size_t longueur = fin - debut_;
  debut_ = std::min(fin + 1, texte_.size());
  return Decouper(ligne, longueur);
}

std::optional<LigneLue> LecteurEnregistrements::LigneSuivante() {
  std::optional<LigneLue> ligne = lignes_.Suivante();
  constexpr std::string_view kMarqueOrdre = "\xEF\xBB\xBF";
  if (numero_ == 0 && ligne &&
      std::string_view(ligne->Texte.data(), ligne->Texte.size()).starts_with(kMarqueOrdre))
    ligne->Texte = ligne->Texte.subspan(kMarqueOrdre.size());
  if (ligne) ++numero_;
  return ligne;
}

// The record, marked as the header when it is the first and none of its fields is a number: a
// first line of data whose first field is mistyped (4S.5,-4.5,…) is refused, not dropped.
Enregistrement LecteurEnregistrements::EnTete(Enregistrement e) const {
  if (e.Ligne != 1 || e.TropLong || e.GuillemetOuvert) {
    e.EnTete = e.Ligne == 1;
    return e;
  }
  std::string copie(e.Texte.data(), e.Texte.size());
  const Champs c = ChampsCsv(copie, separateur_);
  const auto champs = std::span(c.Texte).first(std::min(c.Nombre, c.Texte.size()));
  e.EnTete = std::none_of(champs.begin(), champs.end(), MotDePosition);
  return e;
}

std::optional<Enregistrement> LecteurEnregistrements::Suivant() {
  std::optional<LigneLue> ligne = LigneSuivante();
  if (!ligne) return std::nullopt;
  Enregistrement e{ligne->Texte, numero_, ligne->TropLongue, false};
  if (!csv_) return e;
  const std::string_view premiere(ligne->Texte.data(), ligne->Texte.size());
  if (separateur_ == 0) separateur_ = SeparateurCsv(premiere);
  EtatCsv etat(separateur_);
  etat.Lire(premiere);
  if (!etat.Ouvert()) return EnTete(e);
  joint_.assign(premiere);
  while (etat.Ouvert()) {
    ligne = LigneSuivante();
    if (!ligne) {
      e.GuillemetOuvert = true;
      break;
    }
    if (ligne->TropLongue) {  // what it holds is not known: the record ends with it
      e.TropLong = true;
      break;
    }
    const std::string_view suite(ligne->Texte.data(), ligne->Texte.size());
    etat.Lire("\n");
    etat.Lire(suite);
    e.TropLong = e.TropLong || joint_.size() + 1 + suite.size() > kLongueurLigneMax;
    if (!e.TropLong) joint_.append("\n").append(suite);
  }
  e.Texte = e.TropLong ? std::span<char>() : std::span<char>(joint_);
  return EnTete(e);
}

}  // namespace orbalide
