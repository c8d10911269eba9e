// A file that the command writes beside its answers (--kml, --gpx): whole or not at all.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace orbalide::calc {

// What a file could not be: opened, read, written; for a file written whole, given a temporary
// file beside it, or replaced by it.
enum class Acces { Ouverture, Lecture, Ecriture, Temporaire, Remplacement };

struct EchecAcces {
  Acces Quoi;
  int Erreur;  // errno
};

class FichierSortie {
 public:
  FichierSortie() = default;
  FichierSortie(const FichierSortie&) = delete;
  FichierSortie& operator=(const FichierSortie&) = delete;
  // A file not closed is dropped: a regular file keeps what it held before.
  ~FichierSortie();

  // A regular file, or one that does not exist yet, is written as a new file beside it, with a
  // short name of its own, the user's umask or the permissions of the file it replaces, and takes
  // its name when closed (a signal that ends the process removes it: Temporaires.hpp). Through a
  // symbolic link, even one that leads nowhere yet, the file written is the one it leads to, the
  // link staying, as the shell's ">" writes it. A device or a pipe is written in place. Refused,
  // so that nothing is lost: a file that exists and cannot be opened for writing (Ouverture,
  // EACCES for a read-only one, as ">" refuses it), or a name that cannot be followed (Ouverture,
  // ELOOP for a loop of links); one beside which no temporary file can be made (Temporaire: its
  // folder not writable); one that the rename would not replace (Remplacement, EPERM: another
  // user's file in a sticky folder, as /tmp).
  std::optional<EchecAcces> Ouvrir(const std::string& nom);
  std::FILE* Flux() const { return flux_; }
  // Closes the file and gives it its name. Returns the errno of a failure, 0 when none; then the
  // file is dropped.
  int Fermer();

 private:
  void Abandonner();

  std::string nom_, temporaire_;  // no temporary name: written in place
  std::FILE* flux_ = nullptr;
};

// Whether two names, or an open file and a name, stand for the same file: one file on disk, or
// for names of no file yet, one path once ".", ".." and links are resolved.
bool MemeFichier(const std::string& a, const std::string& b);
bool MemeFichier(int fd, const std::string& nom);

}  // namespace orbalide::calc
