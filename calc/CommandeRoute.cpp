#include "CommandeRoute.hpp"

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Ecriture.hpp"
#include "Escales.hpp"
#include "Etapes.hpp"
#include "Fichiers.hpp"
#include "Itineraire.hpp"
#include "Kml.hpp"
#include "Lignes.hpp"
#include "Programme.hpp"
#include "Reel.hpp"
#include "Tampon.hpp"
#include "Textes.hpp"

namespace orbalide::calc {
namespace {

using Lu = std::variant<LigneVide, PointDePassage, Refus>;

class ExecutionRoute {
 public:
  ExecutionRoute(const Options& o, bool anglais, std::FILE* sortie, std::FILE* erreurs)
      : o_(o),
        anglais_(anglais),
        erreurs_(erreurs),
        fichiers_(o, anglais, sortie, erreurs),
        tampon_(sortie) {}

  int Lancer(int entreeStandard);

 private:
  bool Lire(const Entree& entree);
  Lu Escale(const Enregistrement& e, char separateur) const;
  int SansRoute(const ErreurPassage& erreur);
  bool Documents(const Passage& p);

  const Options& o_;
  bool anglais_;
  std::FILE* erreurs_;
  FichiersExecution fichiers_;
  Tampon tampon_;
  std::vector<PointDePassage> points_;
  std::vector<Lieu> lieux_;  // of each waypoint read
  char separateur_ = 0;      // of the first CSV header read
  bool tousLus_ = true;
};

int ExecutionRoute::Lancer(int entreeStandard) {
  if (!fichiers_.Ouvrir(entreeStandard)) return kEchec;
  for (const Entree& e : fichiers_.Entrees()) {
    if (!Lire(e)) return kEchec;
  }
  if (!tousLus_) return kLignesSansReponse;
  std::variant<Passage, ErreurPassage> issue = ErreurPassage{ErreurPassage::Motif::Reglages};
  try {
    const Ellipsoide e = *EllipsoideDuCatalogue(o_.Ellipsoide);
    issue = CalculerPassage(points_, {e, EnMetres(o_.Intervalle, o_.Distances), o_.PasMeridiens,
                                      o_.LatitudeMax, o_.Vitesse});
  } catch (const ErreurArithmetique&) {  // --every beyond the doubles in metres
  }
  if (const auto* erreur = std::get_if<ErreurPassage>(&issue)) return SansRoute(*erreur);
  const Passage& p = std::get<Passage>(issue);
  if (!Documents(p)) return kLignesSansReponse;
  const Ecriture ecriture(o_.Dms, o_.Decimales, o_.Distances);
  const TableEtapes table(ecriture, o_.Csv ? separateur_ : ' ', o_.Vitesse > 0);
  if (o_.Csv) table.EnTete(tampon_);
  table.Ecrire(p, tampon_);
  const int erreur = tampon_.Vider();
  const bool ecrit = erreur == 0 || fichiers_.Signaler(Acces::Ecriture, std::nullopt, erreur);
  return ecrit && fichiers_.Fermer() ? kToutesCalculees : kEchec;
}

// Every waypoint of the input, each refused one told.
bool ExecutionRoute::Lire(const Entree& entree) {
  LecteurLignes lignes(entree.Fd);
  LecteurEnregistrements lecteur(lignes, o_.Csv);
  bool enTete = o_.Csv;
  while (const std::optional<Enregistrement> e = lecteur.Suivant()) {
    if (enTete) {
      if (separateur_ == 0) separateur_ = lecteur.Separateur();
      enTete = false;
      continue;
    }
    Lu lu = Escale(*e, lecteur.Separateur());
    if (auto* point = std::get_if<PointDePassage>(&lu)) {
      points_.push_back(std::move(*point));
      lieux_.push_back({entree.NomLu(), e->Ligne});
    } else if (const auto* refus = std::get_if<Refus>(&lu)) {
      std::fputs(TexteRefus(entree.NomLu(), e->Ligne, *refus, anglais_).c_str(), erreurs_);
      tousLus_ = false;
    }
  }
  return lignes.Erreur() == 0 || fichiers_.Signaler(Acces::Lecture, entree.Nom, lignes.Erreur());
}

Lu ExecutionRoute::Escale(const Enregistrement& e, char separateur) const {
  Lu lu = LireEscale(e, o_.Csv, separateur);
  const auto* point = std::get_if<PointDePassage>(&lu);
  const bool documents = !o_.Gpx.empty() || !o_.Kml.empty();
  if (point != nullptr && documents && !TexteXml(point->Nom)) {
    return Refus{.Quoi = Refus::Motif::NomXml};
  }
  return lu;
}

// The passage's error, at the waypoint concerned when there is one.
int ExecutionRoute::SansRoute(const ErreurPassage& erreur) {
  using Motif = ErreurPassage::Motif;
  const bool situee = erreur.Quoi != Motif::Reglages && erreur.Quoi != Motif::AucunPoint;
  const std::optional<Lieu> lieu = situee ? std::optional(lieux_[erreur.Point]) : std::nullopt;
  std::fputs(TexteSansRoute(erreur, lieu, anglais_).c_str(), erreurs_);
  return kLignesSansReponse;
}

// The GPX route and the KML document, each made whole before any is written.
bool ExecutionRoute::Documents(const Passage& p) {
  const std::string nom = p.Points.front().Nom + std::string(kTiretNom) + p.Points.back().Nom;
  std::string gpx, kml;
  try {
    if (fichiers_.Gpx() != nullptr) gpx = TexteGpxPassage(p, nom);
    if (fichiers_.Kml() != nullptr) kml = TexteKmlPassage(p, nom, TexteLigneKml(anglais_));
  } catch (const ErreurArithmetique&) {
    const ErreurPassage erreur{ErreurPassage::Motif::SansResultat};
    std::fputs(TexteSansRoute(erreur, std::nullopt, anglais_).c_str(), erreurs_);
    return false;
  }
  for (const auto& [fichier, texte] : {std::pair{fichiers_.Gpx(), &gpx}, {fichiers_.Kml(), &kml}}) {
    if (fichier != nullptr) std::fwrite(texte->data(), 1, texte->size(), fichier);
  }
  return true;
}

}  // namespace

int ExecuterRoute(const Options& o, bool anglais, int entree, std::FILE* sortie,
                  std::FILE* erreurs) {
  return ExecutionRoute(o, anglais, sortie, erreurs).Lancer(entree);
}

}  // namespace orbalide::calc
