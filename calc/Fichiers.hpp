// The files of a run: its inputs, each opened in its turn, and the files of geodesics that it
// writes beside its answers (--kml, --gpx).
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Options.hpp"
#include "Sortie.hpp"
#include "Textes.hpp"

namespace orbalide::calc {

// The standard input's name, as an operand and in messages.
inline constexpr std::string_view kEntreeStandard = "-";

struct Entree {
  std::optional<std::string> Nom;  // none: the standard input
  int Fd;                          // the standard input's; −1 for a file
  // Its name in messages.
  std::string_view NomLu() const { return Nom ? std::string_view(*Nom) : kEntreeStandard; }
};

// An input while it is read: a file opened, and closed when this goes, so that a run holds one
// open at a time, as cat does; the standard input as it is.
class EntreeOuverte {
 public:
  explicit EntreeOuverte(const Entree& e);
  EntreeOuverte(const EntreeOuverte&) = delete;
  EntreeOuverte& operator=(const EntreeOuverte&) = delete;
  ~EntreeOuverte();
  int Fd() const { return fd_; }          // −1 when the file could not be opened
  int Erreur() const { return erreur_; }  // then its errno

 private:
  int fd_, erreur_;
  bool nommee_;
};

class FichiersExecution {
 public:
  // Messages go to `erreurs`, in English or French; `sortie` is the standard output.
  FichiersExecution(const Options& o, bool anglais, std::FILE* sortie, std::FILE* erreurs);
  FichiersExecution(const FichiersExecution&) = delete;
  FichiersExecution& operator=(const FichiersExecution&) = delete;
  // Drops the files of geodesics not closed.
  ~FichiersExecution() = default;

  // Checks that the inputs that the options name (the standard input, `entreeStandard`, for "-"
  // or when none is named) may be read, then opens the files of geodesics; false, having said
  // why, when one cannot be read or opened, or would replace a file that the run reads or writes
  // otherwise.
  bool Ouvrir(int entreeStandard);

  const std::vector<Entree>& Entrees() const { return entrees_; }
  // The files of geodesics, null for those not asked for.
  std::FILE* Kml() const { return kml_.Flux(); }
  std::FILE* Gpx() const { return gpx_.Flux(); }

  // Closes the files of geodesics, each taking its name; false, having said why, when one cannot
  // be written.
  bool Fermer();

  // Always false, to be returned by the step that failed: says that `fichier` (none: the standard
  // input, or output for Ecriture) could not be opened, read or written for errno `erreur`.
  bool Signaler(Acces acces, std::optional<std::string_view> fichier, int erreur) const;

 private:
  bool OuvrirTrace(const std::string& nom, FichierSortie& fichier);
  std::optional<Conflit> ConflitDe(const std::string& nom) const;
  bool Fermer(FichierSortie& fichier, const std::string& nom);

  const Options& o_;
  bool anglais_;
  std::FILE* sortie_;
  std::FILE* erreurs_;
  std::vector<Entree> entrees_;
  FichierSortie kml_, gpx_;
};

}  // namespace orbalide::calc
