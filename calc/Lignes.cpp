#include "Lignes.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "Champs.hpp"

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

namespace {

Ligne Decouper(char* texte, std::size_t longueur) {
  if (longueur > 0 && texte[longueur - 1] == '\r') --longueur;
  if (longueur > kLongueurLigneMax) return {{}, true};
  return {{texte, longueur}, false};
}

}  // namespace

std::optional<Ligne> LecteurLignes::Suivante() {
  std::optional<Ligne> ligne = Lire();
  constexpr std::string_view kMarqueOrdre = "\xEF\xBB\xBF";
  if (premiere_ && ligne &&
      std::string_view(ligne->Texte.data(), ligne->Texte.size()).starts_with(kMarqueOrdre))
    ligne->Texte = ligne->Texte.subspan(kMarqueOrdre.size());
  premiere_ = false;
  return ligne;
}

std::optional<Ligne> LecteurLignes::Lire() {
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

bool LecteurLignes::Prete() const {
  const std::size_t regard = std::min(fin_ - debut_, kRegard);
  return finie_ || regard == kRegard || std::memchr(tampon_.data() + debut_, '\n', regard);
}

// Drops the bytes up to the next line end, or to the end of the input.
std::optional<Ligne> LecteurLignes::Sauter() {
  for (;;) {
    char* const debut = tampon_.data() + debut_;
    if (auto* const fin = static_cast<char*>(std::memchr(debut, '\n', fin_ - debut_))) {
      debut_ += static_cast<std::size_t>(fin - debut) + 1;
      return Ligne{{}, true};
    }
    debut_ = fin_;
    if (!Remplir()) return Ligne{{}, true};
  }
}

std::optional<Enregistrement> LecteurEnregistrements::Suivant() {
  std::optional<Ligne> ligne = lignes_.Suivante();
  if (!ligne) return std::nullopt;
  Enregistrement e{ligne->Texte, ++numero_, ligne->TropLongue, false};
  if (!csv_) return e;
  const std::string_view premiere(ligne->Texte.data(), ligne->Texte.size());
  if (separateur_ == 0) separateur_ = SeparateurCsv(premiere);
  EtatCsv etat(separateur_);
  etat.Lire(premiere);
  if (!etat.Ouvert()) return e;
  joint_.assign(premiere);
  while (etat.Ouvert()) {
    ligne = lignes_.Suivante();
    if (!ligne) {
      e.GuillemetOuvert = true;
      break;
    }
    ++numero_;
    if (ligne->TropLongue) {  // what it holds is not known: the record ends with it
      e.TropLong = true;
      break;
    }
    const std::string_view suite(ligne->Texte.data(), ligne->Texte.size());
    etat.Lire("\n");
    etat.Lire(suite);
    e.TropLong = e.TropLong || joint_.size() + 1 + suite.size() > kLongueurLigneMax;
    if (!e.TropLong) joint_.append("\n").append(suite);
  }
  e.Texte = e.TropLong ? std::span<char>() : std::span<char>(joint_);
  return e;
}

}  // namespace orbalide::calc
