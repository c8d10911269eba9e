// A file that the command writes beside its answers (--kml, --gpx): whole or not at all.
#pragma once

#include <cstdio>
#include <string>

namespace orbalide::calc {

class FichierSortie {
 public:
  FichierSortie() = default;
  FichierSortie(const FichierSortie&) = delete;
  FichierSortie& operator=(const FichierSortie&) = delete;
  // A file not closed is dropped: a regular file keeps what it held before.
  ~FichierSortie();

  // A regular file, or one that does not exist yet, is written as a new file beside it (beside
  // the file that a symbolic link leads to, the link staying), with the user's umask or the
  // permissions of the file it replaces, and takes its name when closed (a signal that ends the
  // process removes it: Temporaires.hpp); a device, a pipe, or a file whose
  // folder takes no new file (/dev/fd/3) is written in place. A file that exists and cannot be
  // opened for writing (EACCES for a read-only one) is refused. Returns the errno of a failure,
  // 0 when none.
  int Ouvrir(const std::string& nom);
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
