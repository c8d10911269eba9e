#include "Fichiers.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace orbalide::calc {

FichiersExecution::FichiersExecution(const Options& o, bool anglais, std::FILE* sortie,
                                     std::FILE* erreurs)
    : o_(o), anglais_(anglais), sortie_(sortie), erreurs_(erreurs) {}

EntreeOuverte::EntreeOuverte(const Entree& e)
    : fd_(e.Nom ? ::open(e.Nom->c_str(), O_RDONLY | O_CLOEXEC) : e.Fd),
      erreur_(fd_ < 0 ? errno : 0),
      nommee_(e.Nom.has_value()) {}

EntreeOuverte::~EntreeOuverte() {
  if (nommee_ && fd_ >= 0) ::close(fd_);
}

// Every input is checked before any line is answered, so that a wrong name stops the run before
// it writes anything; each is opened in its turn.
bool FichiersExecution::Ouvrir(int entreeStandard) {
  for (const std::string& nom : o_.Fichiers.empty() ? std::vector<std::string>{"-"} : o_.Fichiers) {
    if (nom == kEntreeStandard) {
      entrees_.push_back({std::nullopt, entreeStandard});
      continue;
    }
    if (::faccessat(AT_FDCWD, nom.c_str(), R_OK, AT_EACCESS) != 0) {
      return Signaler(Acces::Ouverture, nom, errno);
    }
    struct stat s {};
    if (::stat(nom.c_str(), &s) == 0 && S_ISDIR(s.st_mode)) {
      return Signaler(Acces::Ouverture, nom, EISDIR);
    }
    entrees_.push_back({nom, -1});
  }
  return OuvrirTrace(o_.Kml, kml_) && OuvrirTrace(o_.Gpx, gpx_);
}

// A file of geodesics never replaces one that the run reads or writes otherwise: what it holds
// would be lost before it is read, or the answers or messages written to it.
bool FichiersExecution::OuvrirTrace(const std::string& nom, FichierSortie& fichier) {
  if (nom.empty()) return true;
  if (const std::optional<Conflit> conflit = ConflitDe(nom)) {
    std::fputs(TexteConflit(nom, *conflit, anglais_).c_str(), erreurs_);
    return false;
  }
  const std::optional<EchecAcces> echec = fichier.Ouvrir(nom);
  return !echec || Signaler(echec->Quoi, nom, echec->Erreur);
}

std::optional<Conflit> FichiersExecution::ConflitDe(const std::string& nom) const {
  const bool lu = std::any_of(entrees_.begin(), entrees_.end(), [&](const Entree& e) {
    return (e.Nom && MemeFichier(*e.Nom, nom)) || MemeFichier(e.Fd, nom);
  });
  if (lu) return Conflit::Lu;
  if (!o_.Kml.empty() && !o_.Gpx.empty() && MemeFichier(o_.Kml, o_.Gpx)) return Conflit::DeuxFois;
  if (MemeFichier(::fileno(sortie_), nom)) return Conflit::SortieStandard;
  if (MemeFichier(::fileno(erreurs_), nom)) return Conflit::ErreurStandard;
  return std::nullopt;
}

bool FichiersExecution::Fermer() {
  return Fermer(kml_, o_.Kml) && Fermer(gpx_, o_.Gpx);
}

bool FichiersExecution::Fermer(FichierSortie& fichier, const std::string& nom) {
  const int erreur = fichier.Fermer();
  return erreur == 0 || Signaler(Acces::Ecriture, nom, erreur);
}

bool FichiersExecution::Signaler(Acces acces, std::optional<std::string_view> fichier,
                                 int erreur) const {
  std::fputs(TexteFichier(acces, fichier, erreur, anglais_).c_str(), erreurs_);
  return false;
}

}  // namespace orbalide::calc
