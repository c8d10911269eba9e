#include "Programme.hpp"

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "Aide.hpp"
#include "Calculateur.hpp"
#include "CommandeRoute.hpp"
#include "Fichiers.hpp"
#include "Lignes.hpp"
#include "Options.hpp"
#include "Reel.hpp"
#include "Tampon.hpp"
#include "Textes.hpp"
#include "Traces.hpp"

namespace orbalide::calc {
namespace {

Reglages ReglagesDe(const Options& o) {
  const auto chemin = o.Loxodromie ? orbalide::Ligne::Loxodromie : orbalide::Ligne::Orthodromie;
  const Ellipsoide e = *EllipsoideDuCatalogue(o.Ellipsoide);
  return {*o.Calcul, e, o.Csv, o.Dms, o.Decimales, o.Distances, chemin};
}

// The run of a command: its inputs, its outputs, the lines in turn.
class Execution {
 public:
  Execution(const Options& o, bool anglais, std::FILE* sortie, std::FILE* erreurs)
      : o_(o),
        anglais_(anglais),
        erreurs_(erreurs),
        fichiers_(o, anglais, sortie, erreurs),
        tampon_(sortie),
        calculateur_(ReglagesDe(o)) {}

  int Lancer(int entreeStandard);

 private:
  bool Lire(const Entree& entree, Traces& traces);
  void EnTete(const Enregistrement& enTete, char separateur);
  void Repondre(const Entree& entree, const Enregistrement& e, char separateur, Traces& traces);
  bool Vider();

  const Options& o_;
  bool anglais_;
  std::FILE* erreurs_;
  FichiersExecution fichiers_;
  Tampon tampon_;
  Calculateur calculateur_;
  bool enTeteEcrit_ = false;
  bool toutesRepondues_ = true;
};

int Execution::Lancer(int entreeStandard) {
  if (!fichiers_.Ouvrir(entreeStandard)) return kEchec;
  const bool directe = o_.Calcul == Commande::Directe;
  Traces traces(fichiers_.Kml(), fichiers_.Gpx(),
                std::string(kNomProgramme) + (directe ? " direct" : " inverse"));
  for (const Entree& e : fichiers_.Entrees()) {
    if (!Lire(e, traces)) {
      tampon_.Vider();  // the lines answered go out all the same; the failure is told already
      return kEchec;
    }
  }
  traces.Terminer();
  if (!Vider() || !fichiers_.Fermer()) return kEchec;
  return toutesRepondues_ ? kToutesCalculees : kLignesSansReponse;
}

// The output is written whenever the next line would have to wait for the input, so that a
// line typed at a terminal is answered at once.
bool Execution::Lire(const Entree& entree, Traces& traces) {
  const EntreeOuverte ouverte(entree);
  if (ouverte.Fd() < 0) return fichiers_.Signaler(Acces::Ouverture, entree.Nom, ouverte.Erreur());
  LecteurLignes lignes(ouverte.Fd());
  LecteurEnregistrements lecteur(lignes, o_.Csv);
  while (const std::optional<Enregistrement> e = lecteur.Suivant()) {
    if (o_.Csv && e->Ligne == 1) EnTete(*e, lecteur.Separateur());
    if (!e->EnTete) Repondre(entree, *e, lecteur.Separateur(), traces);
    if ((tampon_.Plein() || !lignes.Prete()) && !Vider()) return false;
  }
  return lignes.Erreur() == 0 || fichiers_.Signaler(Acces::Lecture, entree.Nom, lignes.Erreur());
}

// The answers' header, once for the run, from the first input's first record, its header or,
// without one, its first line: the answers take its separator.
void Execution::EnTete(const Enregistrement& premier, char separateur) {
  if (enTeteEcrit_) return;
  enTeteEcrit_ = true;
  calculateur_.Dialecte(separateur);
  calculateur_.EcrireEnTete(premier.EnTete ? premier.Texte : std::span<char>(), separateur,
                            tampon_);
  tampon_.Ecrire('\n');
}

void Execution::Repondre(const Entree& entree, const Enregistrement& e, char separateur,
                         Traces& traces) {
  const std::size_t debut = tampon_.Position();
  const std::optional<Refus> illisible = RefusEnregistrement(e);
  Reponse r =
      illisible ? Reponse{*illisible, {}} : calculateur_.Calculer(e.Texte, separateur, tampon_);
  const std::string_view fichier = entree.NomLu();
  if (const Trajet* trajet = std::get_if<Trajet>(&r.Quoi); trajet && traces.Actives()) {
    const auto nom = fichiers_.Entrees().size() > 1 ? std::optional(fichier) : std::nullopt;
    try {
      traces.Ajouter(*trajet, NomLigne(nom, e.Ligne, anglais_), tampon_.Depuis(debut));
    } catch (const ErreurArithmetique&) {
      r.Quoi = Refus{.Quoi = Refus::Motif::SansResultat, .Cause = SansResultat::HorsDomaine};
    }
  }
  if (const Refus* refus = std::get_if<Refus>(&r.Quoi)) {
    tampon_.Revenir(debut);
    std::fputs(TexteRefus(fichier, e.Ligne, *refus, anglais_).c_str(), erreurs_);
    toutesRepondues_ = false;
  }
  if (r.Suite) {
    calculateur_.EcrireSuite(*r.Suite, separateur, std::holds_alternative<Trajet>(r.Quoi), tampon_);
  }
  tampon_.Ecrire('\n');
}

bool Execution::Vider() {
  const int erreur = tampon_.Vider();
  return erreur == 0 || fichiers_.Signaler(Acces::Ecriture, std::nullopt, erreur);
}

int Afficher(std::string_view texte, std::FILE* sortie, std::FILE* erreurs, bool anglais) {
  const bool ecrit = std::fwrite(texte.data(), 1, texte.size(), sortie) == texte.size();
  if (ecrit && std::fflush(sortie) == 0) return kToutesCalculees;
  std::fputs(TexteFichier(Acces::Ecriture, std::nullopt, errno, anglais).c_str(), erreurs);
  return kEchec;
}

}  // namespace

int Executer(std::span<const std::string_view> arguments, bool anglais, int entree,
             std::FILE* sortie, std::FILE* erreurs) {
  const std::variant<Options, ErreurUsage> lues = LireOptions(arguments, erreurs);
  if (const auto* erreur = std::get_if<ErreurUsage>(&lues)) {
    std::fputs(TexteUsage(*erreur, anglais).c_str(), erreurs);
    return kEchec;
  }
  const Options& o = std::get<Options>(lues);
  if (o.Aide) return Afficher(TexteAide(anglais), sortie, erreurs, anglais);
  if (o.Version) return Afficher(TexteVersion(anglais), sortie, erreurs, anglais);
  if (o.ListeEllipsoides) return Afficher(TexteEllipsoides(anglais), sortie, erreurs, anglais);
  if (o.Calcul == Commande::Route) return ExecuterRoute(o, anglais, entree, sortie, erreurs);
  return Execution(o, anglais, sortie, erreurs).Lancer(entree);
}

}  // namespace orbalide::calc
