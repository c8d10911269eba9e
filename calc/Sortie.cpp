#include "Sortie.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "Temporaires.hpp"

namespace orbalide::calc {

FichierSortie::~FichierSortie() {
  Abandonner();
}

void FichierSortie::Abandonner() {
  if (flux_ != nullptr) std::fclose(flux_);
  flux_ = nullptr;
  if (!temporaire_.empty()) {
    ::unlink(temporaire_.c_str());
    Oublier(temporaire_.c_str());
  }
  temporaire_.clear();
}

namespace {

// The file that a name stands for: through a symbolic link, the file it leads to, which the
// shell's ">" would write while the link stays; the name itself for a link that leads nowhere.
std::string Cible(const std::string& nom) {
  struct stat lien {};
  if (::lstat(nom.c_str(), &lien) != 0 || !S_ISLNK(lien.st_mode)) return nom;
  std::error_code erreur;
  const std::filesystem::path cible = std::filesystem::canonical(nom, erreur);
  return erreur ? nom : cible.string();
}

}  // namespace

int FichierSortie::Ouvrir(const std::string& nom) {
  nom_ = Cible(nom);
  struct stat existant {};
  const bool existe = ::stat(nom_.c_str(), &existant) == 0;
  if (existe && S_ISREG(existant.st_mode)) {
    // A file that the shell's ">" would refuse (read-only, on a read-only file system) is refused
    // too, though a new file could take its place.
    const int fd = ::open(nom_.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
  }
  temporaire_ = nom_ + ".XXXXXX";
  const int fd = existe && !S_ISREG(existant.st_mode) ? -1 : CreerTemporaire(temporaire_.data());
  if (fd < 0) {
    temporaire_.clear();
    flux_ = std::fopen(nom_.c_str(), "wbe");
    return flux_ != nullptr ? 0 : errno;
  }
  const mode_t masque = ::umask(0);
  ::umask(masque);
  const mode_t mode = existe ? existant.st_mode & 07777 : 0666 & ~masque;
  if (::fchmod(fd, mode) != 0 || (flux_ = ::fdopen(fd, "wb")) == nullptr) {
    const int erreur = errno;
    if (flux_ == nullptr) ::close(fd);
    Abandonner();
    return erreur;
  }
  return 0;
}

int FichierSortie::Fermer() {
  if (flux_ == nullptr) return 0;
  errno = 0;
  const bool ecrit = std::ferror(flux_) == 0;
  const bool ferme = std::fclose(flux_) == 0;
  flux_ = nullptr;
  int erreur = ecrit && ferme ? 0 : (errno != 0 ? errno : EIO);
  if (erreur == 0 && !temporaire_.empty()) {
    if (std::rename(temporaire_.c_str(), nom_.c_str()) == 0) {
      Oublier(temporaire_.c_str());
      temporaire_.clear();
    } else {
      erreur = errno;
    }
  }
  Abandonner();
  return erreur;
}

namespace {

std::filesystem::path Chemin(const std::string& nom) {
  std::error_code ignore;
  return std::filesystem::weakly_canonical(std::filesystem::absolute(nom, ignore), ignore);
}

bool MemeInode(const struct stat& a, const std::string& nom) {
  struct stat b {};
  return ::stat(nom.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

// Files that exist are the same on disk; names that do not yet, the same path.
bool MemeFichier(const std::string& a, const std::string& b) {
  struct stat premier {
  }, second{};
  const bool existeA = ::stat(a.c_str(), &premier) == 0, existeB = ::stat(b.c_str(), &second) == 0;
  if (existeA && existeB) return premier.st_dev == second.st_dev && premier.st_ino == second.st_ino;
  return !existeA && !existeB && Chemin(a) == Chemin(b);
}

bool MemeFichier(int fd, const std::string& nom) {
  struct stat ouvert {};
  return ::fstat(fd, &ouvert) == 0 && S_ISREG(ouvert.st_mode) && MemeInode(ouvert, nom);
}

}  // namespace orbalide::calc
