#include "CommandeRoute.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "Ecriture.hpp"
#include "Escales.hpp"
#include "Etapes.hpp"
#include "Fichiers.hpp"
#include "Itineraire.hpp"
#include "Kml.hpp"
#include "LectureGpx.hpp"
#include "Lignes.hpp"
#include "Programme.hpp"
#include "Reel.hpp"
#include "Tampon.hpp"
#include "Textes.hpp"
#include "Traceurs.hpp"

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
  void LireGpx(const Entree& entree, LecteurLignes& octets);
  void LireLignes(const Entree& entree, LecteurLignes& lignes);
  void Garder(const Entree& entree, std::size_t ligne, Lu lu);
  Lu Verifier(Lu lu) const;
  int SansRoute(const ErreurPassage& erreur);
  bool Documents(const Passage& p, const std::string& nom, const std::string& description);

  const Options& o_;
  bool anglais_;
  std::FILE* erreurs_;
  FichiersExecution fichiers_;
  Tampon tampon_;
  std::vector<PointDePassage> points_;
  std::vector<Lieu> lieux_;  // of each waypoint read
  char separateur_ = 0;      // of the first CSV header read
  bool tousLus_ = true;
  bool gpxLu_ = false;  // whether an input is a GPX file, which --route chooses in
};

int ExecutionRoute::Lancer(int entreeStandard) {
  if (!fichiers_.Ouvrir(entreeStandard)) return kEchec;
  for (const Entree& e : fichiers_.Entrees()) {
    if (!Lire(e)) return kEchec;
  }
  if (!tousLus_) return kLignesSansReponse;
  if (!gpxLu_ && (o_.RouteGpx.Rang != 0 || !o_.RouteGpx.Nom.empty())) {
    std::fputs(TexteSansLieu(TexteSansFichierGpx(o_.RouteGpx, anglais_), anglais_).c_str(),
               erreurs_);
    return kLignesSansReponse;
  }
  if (o_.Inverse) {
    points_ = PointsInverses(std::move(points_));
    std::reverse(lieux_.begin(), lieux_.end());
  }
  std::variant<Passage, ErreurPassage> issue = ErreurPassage{ErreurPassage::Motif::Reglages};
  try {
    const Ellipsoide e = *EllipsoideDuCatalogue(o_.Ellipsoide);
    issue = CalculerPassage(points_, {e, EnMetres(o_.Intervalle, o_.Distances), o_.PasMeridiens,
                                      o_.LatitudeMax, o_.Vitesse, o_.Depart});
  } catch (const ErreurArithmetique&) {  // --every beyond the doubles in metres
  }
  if (const auto* erreur = std::get_if<ErreurPassage>(&issue)) return SansRoute(*erreur);
  Passage& p = std::get<Passage>(issue);
  std::string nom = p.Points.front().Nom + std::string(kTiretNom) + p.Points.back().Nom, complet;
  if (o_.LongueurNoms > 0) {
    std::optional<Passage> court = AvecNomsCourts(std::move(p), o_.LongueurNoms);
    if (!court) {
      std::fputs(TexteNomsIndistincts(o_.LongueurNoms, anglais_).c_str(), erreurs_);
      return kLignesSansReponse;
    }
    p = std::move(*court);
    std::tie(nom, complet) = NomsRouteCourte(p);
  }
  if (!Documents(p, nom, complet)) return kLignesSansReponse;
  const Ecriture ecriture(o_.Dms, o_.Decimales, o_.Distances);
  const char separateur = separateur_ != 0 ? separateur_ : ',';  // a GPX input has no header
  const TableEtapes table(ecriture, o_.Csv ? separateur : ' ', o_.Vitesse > 0,
                          p.Depart.has_value());
  if (o_.Csv) table.EnTete(tampon_);
  table.Ecrire(p, tampon_);
  const int erreur = tampon_.Vider();
  const bool ecrit = erreur == 0 || fichiers_.Signaler(Acces::Ecriture, std::nullopt, erreur);
  return ecrit && fichiers_.Fermer() ? kToutesCalculees : kEchec;
}

// Every waypoint of the input, each refused one told.
bool ExecutionRoute::Lire(const Entree& entree) {
  const EntreeOuverte ouverte(entree);
  if (ouverte.Fd() < 0) return fichiers_.Signaler(Acces::Ouverture, entree.Nom, ouverte.Erreur());
  LecteurLignes lignes(ouverte.Fd());
  if (DebutXml(lignes.Regarder())) {
    LireGpx(entree, lignes);
  } else {
    LireLignes(entree, lignes);
  }
  return lignes.Erreur() == 0 || fichiers_.Signaler(Acces::Lecture, entree.Nom, lignes.Erreur());
}

// The waypoints of a GPX input, read whole; or why it gives none.
void ExecutionRoute::LireGpx(const Entree& entree, LecteurLignes& octets) {
  gpxLu_ = true;
  LecteurGpx lecteur(o_.RouteGpx);
  for (std::string_view bloc; !(bloc = octets.Bloc()).empty() && lecteur.Lire(bloc);) {
  }
  auto lu = lecteur.Fin();
  if (const auto* erreur = std::get_if<ErreurGpx>(&lu)) {
    const std::string raison = TexteErreurGpx(*erreur, o_.RouteGpx, anglais_);
    std::fputs(TexteEntree(entree.NomLu(), erreur->Ligne, raison).c_str(), erreurs_);
    tousLus_ = false;
    return;
  }
  RouteGpxLue& route = std::get<RouteGpxLue>(lu);
  if (route.SansRoute) {
    std::fputs(TexteEntree(entree.NomLu(), 0, TexteSansRouteGpx(anglais_)).c_str(), erreurs_);
  }
  for (PointGpx& p : route.Points) Garder(entree, p.Ligne, Lu(std::move(p.Point)));
}

// The waypoints of an input of lines, plain or CSV.
void ExecutionRoute::LireLignes(const Entree& entree, LecteurLignes& lignes) {
  LecteurEnregistrements lecteur(lignes, o_.Csv);
  while (const std::optional<Enregistrement> e = lecteur.Suivant()) {
    if (o_.Csv && separateur_ == 0) separateur_ = lecteur.Separateur();
    if (e->EnTete) continue;
    Garder(entree, e->Ligne, LireEscale(*e, o_.Csv, lecteur.Separateur()));
  }
}

// The waypoint read at `ligne`, kept; or its refusal told.
void ExecutionRoute::Garder(const Entree& entree, std::size_t ligne, Lu lu) {
  lu = Verifier(std::move(lu));
  if (auto* point = std::get_if<PointDePassage>(&lu)) {
    points_.push_back(std::move(*point));
    lieux_.push_back({entree.NomLu(), ligne});
  } else if (const auto* refus = std::get_if<Refus>(&lu)) {
    std::fputs(TexteRefus(entree.NomLu(), ligne, *refus, anglais_).c_str(), erreurs_);
    tousLus_ = false;
  }
}

// A waypoint whose name the files cannot hold, refused.
Lu ExecutionRoute::Verifier(Lu lu) const {
  const auto* point = std::get_if<PointDePassage>(&lu);
  const bool documents = !o_.Gpx.empty() || !o_.Kml.empty();
  if (point != nullptr && documents && !TexteXml(point->Nom, true)) {
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

// The GPX route and the KML document named `nom`, the route described by `description`, each made
// whole before any is written; a route longer than plotters take told.
bool ExecutionRoute::Documents(const Passage& p, const std::string& nom,
                               const std::string& description) {
  std::string gpx, kml;
  try {
    if (fichiers_.Gpx() != nullptr) {
      gpx = TexteGpxPassage(p, nom, o_.PointsMax, description);
      const std::size_t points =
          o_.PointsMax > 0 ? std::min(o_.PointsMax, p.Points.size()) : p.Points.size();
      if (points > kPointsRouteTraceur) {
        std::fputs(TexteRouteLongue(points, anglais_).c_str(), erreurs_);
      }
    }
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
