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

// The standard input's name, as an operand and in messages.
constexpr std::string_view kEntreeStandard = "-";

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
      : o_(o),
        anglais_(anglais),
        sortie_(sortie),
        erreurs_(erreurs),
        tampon_(sortie),
        calculateur_(ReglagesDe(o)) {}
  Execution(const Execution&) = delete;
  Execution& operator=(const Execution&) = delete;
  ~Execution();

  int Lancer(int entreeStandard);

 private:
  bool Ouvrir(int entreeStandard);
  bool OuvrirTrace(const std::string& nom, FichierSortie& fichier);
  std::optional<Conflit> ConflitDe(const std::string& nom) const;
  bool Lire(const Entree& entree, Traces& traces);
  void EnTete(const Enregistrement& enTete, char separateur);
  void Repondre(const Entree& entree, const Enregistrement& e, char separateur, Traces& traces);
  bool Vider();
  bool Fermer(FichierSortie& fichier, const std::string& nom);
  bool Signaler(Acces acces, std::optional<std::string_view> fichier, int erreur);

  const Options& o_;
  bool anglais_;
  std::FILE* sortie_;
  std::FILE* erreurs_;
  Tampon tampon_;
  Calculateur calculateur_;
  std::vector<Entree> entrees_;
  FichierSortie kml_, gpx_;
  bool enTeteEcrit_ = false;
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
    if (nom == kEntreeStandard) {
      entrees_.push_back({std::nullopt, entreeStandard});
      continue;
    }
    const int fd = ::open(nom.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Signaler(Acces::Ouverture, nom, errno);
    entrees_.push_back({nom, fd});
  }
  return OuvrirTrace(o_.Kml, kml_) && OuvrirTrace(o_.Gpx, gpx_);
}

// A file of geodesics never replaces one that the run reads or writes otherwise: what it holds
// would be lost before it is read, or the answers or messages written to it.
bool Execution::OuvrirTrace(const std::string& nom, FichierSortie& fichier) {
  if (nom.empty()) return true;
  if (const std::optional<Conflit> conflit = ConflitDe(nom)) {
    std::fputs(TexteConflit(nom, *conflit, anglais_).c_str(), erreurs_);
    return false;
  }
  const int erreur = fichier.Ouvrir(nom);
  return erreur == 0 || Signaler(Acces::Ouverture, nom, erreur);
}

std::optional<Conflit> Execution::ConflitDe(const std::string& nom) const {
  const bool lu = std::any_of(entrees_.begin(), entrees_.end(), [&](const Entree& e) {
    return (e.Nom && MemeFichier(*e.Nom, nom)) || MemeFichier(e.Fd, nom);
  });
  if (lu) return Conflit::Lu;
  if (!o_.Kml.empty() && !o_.Gpx.empty() && MemeFichier(o_.Kml, o_.Gpx)) return Conflit::DeuxFois;
  if (MemeFichier(::fileno(sortie_), nom)) return Conflit::SortieStandard;
  if (MemeFichier(::fileno(erreurs_), nom)) return Conflit::ErreurStandard;
  return std::nullopt;
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
  LecteurEnregistrements lecteur(entree.Fd, o_.Csv);
  bool enTete = o_.Csv;
  while (const std::optional<Enregistrement> e = lecteur.Suivant()) {
    if (enTete) {
      EnTete(*e, lecteur.Separateur());
      enTete = false;
    } else {
      Repondre(entree, *e, lecteur.Separateur(), traces);
    }
    if ((tampon_.Plein() || !lecteur.Prete()) && !Vider()) return false;
  }
  return lecteur.Erreur() == 0 || Signaler(Acces::Lecture, entree.Nom, lecteur.Erreur());
}

// The answers' header, once for the run, from the first input's header: the answers take its
// separator.
void Execution::EnTete(const Enregistrement& enTete, char separateur) {
  if (enTeteEcrit_) return;
  enTeteEcrit_ = true;
  calculateur_.Dialecte(separateur);
  calculateur_.EcrireEnTete(enTete.Texte, separateur, tampon_);
  tampon_.Ecrire('\n');
}

void Execution::Repondre(const Entree& entree, const Enregistrement& e, char separateur,
                         Traces& traces) {
  const std::size_t debut = tampon_.Position();
  Reponse r = e.GuillemetOuvert ? Reponse{Refus{.Quoi = Refus::Motif::GuillemetOuvert}, {}}
              : e.TropLong      ? Reponse{Refus{.Quoi = Refus::Motif::LigneTropLongue}, {}}
                                : calculateur_.Calculer(e.Texte, separateur, tampon_);
  const std::string_view fichier = entree.Nom ? std::string_view(*entree.Nom) : kEntreeStandard;
  if (const Trajet* trajet = std::get_if<Trajet>(&r.Quoi); trajet && traces.Actives()) {
    const auto nom = entrees_.size() > 1 ? std::optional(fichier) : std::nullopt;
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
  if (r.Suite) calculateur_.EcrireSuite(*r.Suite, std::holds_alternative<Trajet>(r.Quoi), tampon_);
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
  const std::variant<Options, ErreurUsage> lues = LireOptions(arguments, erreurs);
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
