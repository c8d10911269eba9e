#include "Lignes.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace orbalide::calc {
namespace {

// Bytes asked of the system at a time: few system calls, and still a small buffer.
constexpr std::size_t kBloc = std::size_t{1} << 16;
// Enough to hold the longest line kept, its "\r" and its "\n": a line end not found within
// that many bytes ends a line too long to keep.
constexpr std::size_t kRegard = kLongueurLigneMax + 2;

}  // namespace

LecteurLignes::LecteurLignes(int fd) : fd_(fd), tampon_(kBloc + kRegard) {}

// Moves the unread bytes to the front and reads more after them; false at the end of the input
// or on a read error.
bool LecteurLignes::Remplir() {
  if (finie_) return false;
  std::memmove(tampon_.data(), tampon_.data() + debut_, fin_ - debut_);
  fin_ -= debut_;
  debut_ = 0;
  for (;;) {
    const ssize_t lus = ::read(fd_, tampon_.data() + fin_, tampon_.size() - fin_);
    if (lus > 0) {
      fin_ += static_cast<std::size_t>(lus);
      return true;
    }
    if (lus < 0 && errno == EINTR) continue;
    if (lus < 0) erreur_ = errno;
    finie_ = true;
    return false;
  }
}

std::optional<LigneLue> LecteurLignes::Suivante() {
  for (;;) {
    char* const debut = tampon_.data() + debut_;
    const std::size_t disponibles = fin_ - debut_;
    const std::size_t regard = std::min(disponibles, kRegard);
    if (auto* const fin = static_cast<char*>(std::memchr(debut, '\n', regard))) {
      debut_ += static_cast<std::size_t>(fin - debut) + 1;
      return Decouper(debut, static_cast<std::size_t>(fin - debut));
    }
    if (regard == kRegard) return Sauter();
    if (!Remplir()) {
      if (fin_ == debut_) return std::nullopt;
      char* const reste = tampon_.data() + debut_;
      const std::size_t longueur = fin_ - debut_;
      debut_ = fin_;
      return Decouper(reste, longueur);
    }
  }
}

std::string_view LecteurLignes::Regarder() {
  const auto vue = [&] { return std::string_view(tampon_.data() + debut_, fin_ - debut_); };
  while (vue().find_first_not_of(" \t\r\n\xEF\xBB\xBF") == std::string_view::npos &&
         fin_ < tampon_.size() && Remplir()) {
  }
  return vue();
}

std::string_view LecteurLignes::Bloc() {
  if (fin_ == debut_) Remplir();
  const std::string_view bloc(tampon_.data() + debut_, fin_ - debut_);
  debut_ = fin_;
  return bloc;
}

bool LecteurLignes::Prete() const {
  const std::size_t regard = std::min(fin_ - debut_, kRegard);
  return finie_ || regard == kRegard || std::memchr(tampon_.data() + debut_, '\n', regard);
}

// Drops the bytes up to the next line end, or to the end of the input.
std::optional<LigneLue> LecteurLignes::Sauter() {
  for (;;) {
    char* const debut = tampon_.data() + debut_;
    if (auto* const fin = static_cast<char*>(std::memchr(debut, '\n', fin_ - debut_))) {
      debut_ += static_cast<std::size_t>(fin - debut) + 1;
      return LigneLue{{}, true};
    }
    debut_ = fin_;
    if (!Remplir()) return LigneLue{{}, true};
  }
}

}  // namespace orbalide::calc
