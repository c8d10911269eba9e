// The lines of an input, read in large blocks, each kept in a buffer of constant size.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
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

// A record of an input: a line, or with CSV the lines that quoted fields' line breaks join.
struct Enregistrement {
  // Its lines joined by "\n", without the last line end; empty when TropLong.
  std::span<char> Texte;
  std::size_t Ligne;     // the number of its first line in the input, from 1
  bool TropLong;         // a line, or the lines joined, longer than kLongueurLigneMax
  bool GuillemetOuvert;  // CSV: the input ends inside a quoted field
};

class LecteurEnregistrements {
 public:
  // fd as LecteurLignes has it. csv: RFC 4180's records, their fields separated as the first line
  // has them (SeparateurCsv); a record of lines joined, too long to keep, is read to its end all
  // the same, and one after a line too long ends with it. Otherwise each line is a record.
  LecteurEnregistrements(int fd, bool csv) : lignes_(fd), csv_(csv) {}

  // The next record, valid until the next call and free to be changed in place; nothing at the
  // end of the input or after a read error.
  std::optional<Enregistrement> Suivant();

  // CSV: the separator of the fields, once the first line is read.
  char Separateur() const { return separateur_; }
  bool Prete() const { return lignes_.Prete(); }
  int Erreur() const { return lignes_.Erreur(); }

 private:
  LecteurLignes lignes_;
  bool csv_;
  char separateur_ = 0;
  std::size_t numero_ = 0;  // of the last line read
  std::string joint_;       // the lines of a record that spans several
};

}  // namespace orbalide::calc
