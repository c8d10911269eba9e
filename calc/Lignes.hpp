// The lines of an input, read in large blocks, each kept in a buffer of constant size.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "Enregistrements.hpp"

namespace orbalide::calc {

class LecteurLignes : public SourceLignes {
 public:
  // fd: an open file descriptor, read from its current position and not closed here.
  explicit LecteurLignes(int fd);

  // As SourceLignes has it; nothing after a read error too. The bytes of a line longer than
  // kLongueurLigneMax are read and dropped.
  std::optional<LigneLue> Suivante() override;

  // The bytes at hand before any line is taken, read until one is no blank (nor a byte order
  // mark), or the buffer is full, or the input ends: enough to tell a GPX file (DebutXml).
  std::string_view Regarder();

  // For an input read whole rather than by lines: the bytes at hand, all taken, or the next ones
  // read when none are; empty at the end of the input or after a read error. Valid until the
  // next call.
  std::string_view Bloc();

  // Whether the next line is at hand, Suivante needing no more of the input.
  bool Prete() const;

  // The errno of a read error, 0 when none.
  int Erreur() const { return erreur_; }

 private:
  bool Remplir();
  std::optional<LigneLue> Sauter();

  int fd_;
  std::vector<char> tampon_;
  std::size_t debut_ = 0, fin_ = 0;
  bool finie_ = false;
  int erreur_ = 0;
};

}  // namespace orbalide::calc
