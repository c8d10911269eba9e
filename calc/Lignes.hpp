// The lines of an input, read in large blocks, each kept in a buffer of constant size.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace orbalide::calc {

// Longer lines are not kept: no sensible line comes close, and the memory stays constant.
inline constexpr std::size_t kLongueurLigneMax = 4096;  // bytes, without the line end

struct Ligne {
  std::span<char> Texte;  // without "\n" (nor the "\r" before it); empty when TropLongue
  bool TropLongue;
};

class LecteurLignes {
 public:
  // fd: an open file descriptor, read from its current position and not closed here.
  explicit LecteurLignes(int fd);

  // The next line, valid until the next call and free to be changed in place; nothing at the
  // end of the input or after a read error. A last line without "\n" counts as a line. The
  // bytes of a line longer than kLongueurLigneMax are read and dropped. The byte order mark that
  // some editors put before the first line is not part of it.
  std::optional<Ligne> Suivante();

  // Whether the next line is at hand, Suivante needing no more of the input.
  bool Prete() const;

  // The errno of a read error, 0 when none.
  int Erreur() const { return erreur_; }

 private:
  bool Remplir();
  std::optional<Ligne> Lire();
  std::optional<Ligne> Sauter();

  int fd_;
  std::vector<char> tampon_;
  std::size_t debut_ = 0, fin_ = 0;
  bool finie_ = false, premiere_ = true;
  int erreur_ = 0;
};

}  // namespace orbalide::calc
