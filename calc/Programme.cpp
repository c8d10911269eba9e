#include "Programme.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "Calculateur.hpp"
#include "Lignes.hpp"
#include "Options.hpp"
#include "Reel.hpp"
#include "Sortie.hpp"
#include "Tampon.hpp"
#include "Textes.hpp"
#include "Traces.hpp"

namespace orbalide::calc {
namespace {

struct Entree {
  std::optional<std::string> Nom;  // none: the standard input
  int Fd;
};

Reglages ReglagesDe(const Options& o) {
  return {*o.Calcul, *EllipsoideDuCatalogue(o.Ellipsoide), o.Csv, o.Dms, o.Decimales, o.Distances};
}

// The run of a command: its inputs, its outputs, the lines in turn.
class Execution {
 public:
  Execution(const Options& o, bool anglais, std::FILE* sortie, std::FILE* erreurs)
      : o_(o), anglais_(anglais), erreurs_(erreurs), tampon_(sortie), calculateur_(ReglagesDe(o)) {}
  Execution(const Execution&) = delete;
  Execution& operator=(const Execution&) = delete;
  ~Execution();

  int Lancer(int entreeStandard);

 private:
  bool Ouvrir(int entreeStandard);
  bool OuvrirTrace(const std::string& nom, FichierSortie& fichier);
  bool Lire(const Entree& entree, Traces& traces);
  void Repondre(const Ligne& ligne, Traces& traces);
  bool Vider();
  bool Fermer(FichierSortie& fichier, const std::string& nom);
  bool Signaler(Acces acces, std::optional<std::string_view> fichier, int erreur);

  const Options& o_;
  bool anglais_;
  std::FILE* erreurs_;
  Tampon tampon_;
  Calculateur calculateur_;
  std::vector<Entree> entrees_;
  FichierSortie kml_, gpx_;
  std::size_t numero_ = 0;  // of the last line read, over all the inputs
  bool toutesRepondues_ = true;
};

Execution::~Execution() {
  for (const Entree& e : entrees_) {
    if (e.Nom) ::close(e.Fd);
  }
}

// Every input is opened before any line is answered, so that a wrong name stops the run before
// it writes anything.
bool Execution::Ouvrir(int entreeStandard) {
  for (const std::string& nom : o_.Fichiers.empty() ? std::vector<std::string>{"-"} : o_.Fichiers) {
    if (nom == "-") {
      entrees_.push_back({std::nullopt, entreeStandard});
      continue;
    }
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Signaler(Acces::Ouverture, nom, errno);
    entrees_.push_back({nom, fd});
  }
  return OuvrirTrace(o_.Kml, kml_) && OuvrirTrace(o_.Gpx, gpx_);
}

// A file of geodesics is never one that the run reads, nor the other one: it would lose what it
// holds before it is read.
bool Execution::OuvrirTrace(const std::string& nom, FichierSortie& fichier) {
  if (nom.empty()) return true;
  const bool lu = std::any_of(entrees_.begin(), entrees_.end(), [&](const Entree& e) {
    return (e.Nom && MemeFichier(*e.Nom, nom)) || MemeFichier(e.Fd, nom);
  });
  const bool deuxFois = !o_.Kml.empty() && !o_.Gpx.empty() && MemeFichier(o_.Kml, o_.Gpx);
  if (lu || deuxFois) {
    std::fputs(TexteConflit(nom, lu, anglais_).c_str(), erreurs_);
    return false;
  }
  const int erreur = fichier.Ouvrir(nom);
  return erreur == 0 || Signaler(Acces::Ouverture, nom, erreur);
}

int Execution::Lancer(int entreeStandard) {
  if (!Ouvrir(entreeStandard)) return kEchec;
  const bool directe = o_.Calcul == Commande::Directe;
  Traces traces(kml_.Flux(), gpx_.Flux(),
                std::string(kNomProgramme) + (directe ? " direct" : " inverse"));
  for (const Entree& e : entrees_) {
    if (!Lire(e, traces)) {
      tampon_.Vider();  // the lines answered go out all the same; the failure is told already
      return kEchec;
    }
  }
  traces.Terminer();
  if (!Vider() || !Fermer(kml_, o_.Kml) || !Fermer(gpx_, o_.Gpx)) return kEchec;
  return toutesRepondues_ ? kToutesCalculees : kLignesSansReponse;
}

// The output is written whenever the next line would have to wait for the input, so that a
// line typed at a terminal is answered at once.
bool Execution::Lire(const Entree& entree, Traces& traces) {
  LecteurLignes lecteur(entree.Fd);
  bool enTete = o_.Csv;
  while (const std::optional<Ligne> ligne = lecteur.Suivante()) {
    ++numero_;
    if (enTete) {
      tampon_.Ecrire(calculateur_.EnTete());
      tampon_.Ecrire('\n');
      enTete = false;
    } else {
      Repondre(*ligne, traces);
    }
    if ((tampon_.Plein() || !lecteur.Prete()) && !Vider()) return false;
  }
  return lecteur.Erreur() == 0 || Signaler(Acces::Lecture, entree.Nom, lecteur.Erreur());
}

void Execution::Repondre(const Ligne& ligne, Traces& traces) {
  const std::size_t debut = tampon_.Position();
  Issue issue = ligne.TropLongue ? Refus{.Quoi = Refus::Motif::LigneTropLongue}
                                 : calculateur_.Calculer(ligne.Texte, tampon_);
  if (const Trajet* trajet = std::get_if<Trajet>(&issue); trajet && traces.Actives()) {
    try {
      traces.Ajouter(*trajet, NomLigne(numero_, anglais_), tampon_.Depuis(debut));
    } catch (const ErreurArithmetique&) {
      issue = Refus{.Quoi = Refus::Motif::SansResultat, .Cause = SansResultat::HorsDomaine};
    }
  }
  if (const Refus* refus = std::get_if<Refus>(&issue)) {
    tampon_.Revenir(debut);
    std::fputs(TexteRefus(numero_, *refus, anglais_).c_str(), erreurs_);
    toutesRepondues_ = false;
  }
  tampon_.Ecrire('\n');
}

bool Execution::Vider() {
  const int erreur = tampon_.Vider();
  return erreur == 0 || Signaler(Acces::Ecriture, std::nullopt, erreur);
}

bool Execution::Fermer(FichierSortie& fichier, const std::string& nom) {
  const int erreur = fichier.Fermer();
  return erreur == 0 || Signaler(Acces::Ecriture, nom, erreur);
}

// Always false, to be returned by the step that failed.
bool Execution::Signaler(Acces acces, std::optional<std::string_view> fichier, int erreur) {
  std::fputs(TexteFichier(acces, fichier, erreur, anglais_).c_str(), erreurs_);
  return false;
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
  const std::variant<Options, ErreurUsage> lues = LireOptions(arguments);
  if (const auto* erreur = std::get_if<ErreurUsage>(&lues)) {
    std::fputs(TexteUsage(*erreur, anglais).c_str(), erreurs);
    return kEchec;
  }
  const Options& o = std::get<Options>(lues);
  if (o.Aide) return Afficher(TexteAide(anglais), sortie, erreurs, anglais);
  if (o.Version) return Afficher(TexteVersion(anglais), sortie, erreurs, anglais);
  if (o.ListeEllipsoides) return Afficher(TexteEllipsoides(anglais), sortie, erreurs, anglais);
  return Execution(o, anglais, sortie, erreurs).Lancer(entree);
}

}  // namespace orbalide::calc
