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

// Links followed at most, as the system follows them before ELOOP.
constexpr int kLiensMax = 40;
// The temporary file's name beside the target, short whatever the target's.
constexpr std::string_view kModeleTemporaire = ".orbalide-XXXXXX";

// The file that a name stands for: through symbolic links, the file they lead to, which the
// shell's ">" would write while the links stay, whether it exists yet or not.
std::optional<std::filesystem::path> Cible(const std::string& nom, bool existe) {
  namespace fs = std::filesystem;
  std::error_code erreur;
  if (existe) {
    const fs::path cible = fs::canonical(nom, erreur);
    if (erreur) return std::nullopt;  // a file without a name to replace (a memfd's)
    return cible;
  }
  fs::path chemin = nom;
  for (int i = 0; i < kLiensMax && fs::is_symlink(fs::symlink_status(chemin, erreur)); ++i) {
    const fs::path lien = fs::read_symlink(chemin, erreur);
    if (erreur) break;
    chemin = lien.is_absolute() ? lien : chemin.parent_path() / lien;
  }
  return chemin;
}

// Whether the rename of a new file onto `existant`, in the folder `dossier`, would be refused:
// in a sticky folder only the file's owner, the folder's or a privileged user may.
bool RemplacementRefuse(const struct stat& existant, const std::string& dossier) {
  struct stat d {};
  const uid_t moi = ::geteuid();
  return ::stat(dossier.c_str(), &d) == 0 && (d.st_mode & S_ISVTX) != 0 && moi != 0 &&
         existant.st_uid != moi && d.st_uid != moi;
}

}  // namespace

std::optional<EchecAcces> FichierSortie::Ouvrir(const std::string& nom) {
  struct stat existant {};
  const bool existe = ::stat(nom.c_str(), &existant) == 0;
  // A name that leads nowhere yet makes a new file; one that cannot be followed (a loop of links)
  // is refused, as the shell's ">" refuses it, rather than replaced.
  if (!existe && errno != ENOENT) return EchecAcces{Acces::Ouverture, errno};
  if (existe && !S_ISREG(existant.st_mode)) {
    nom_ = nom;
    flux_ = std::fopen(nom.c_str(), "wbe");
    if (flux_ == nullptr) return EchecAcces{Acces::Ouverture, errno};
    return std::nullopt;
  }
  if (existe) {
    // A file that the shell's ">" would refuse (read-only, on a read-only file system) is refused
    // too, though a new file could take its place.
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return EchecAcces{Acces::Ouverture, errno};
    ::close(fd);
  }
  const std::optional<std::filesystem::path> cible = Cible(nom, existe);
  if (!cible) return EchecAcces{Acces::Temporaire, ENOENT};
  nom_ = cible->string();
  const std::string dossier = cible->parent_path().empty() ? "." : cible->parent_path().string();
  if (existe && RemplacementRefuse(existant, dossier))
    return EchecAcces{Acces::Remplacement, EPERM};
  temporaire_ = dossier + "/" + std::string(kModeleTemporaire);
  const int fd = CreerTemporaire(temporaire_.data());
  if (fd < 0) {
    const int erreur = errno;
    temporaire_.clear();  // as the shell's ">" fails where the file cannot be made
    return EchecAcces{existe ? Acces::Temporaire : Acces::Ouverture, erreur};
  }
  const mode_t masque = ::umask(0);
  ::umask(masque);
  const mode_t mode = existe ? existant.st_mode & 07777 : 0666 & ~masque;
  if (::fchmod(fd, mode) != 0 || (flux_ = ::fdopen(fd, "wb")) == nullptr) {
    const int erreur = errno;
    if (flux_ == nullptr) ::close(fd);
    Abandonner();
    return EchecAcces{Acces::Temporaire, erreur};
  }
  return std::nullopt;
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
