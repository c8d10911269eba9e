// The records of a text of lines: each line, or with CSV the lines that quoted fields' line
// breaks join, whether the lines come from a file read as it goes or from a whole text at hand.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbalide {

// Longer lines are not kept: no sensible line comes close, and the memory stays constant.
inline constexpr std::size_t kLongueurLigneMax = 4096;  // bytes, without the line end

struct LigneLue {
  std::span<char> Texte;  // without "\n" (nor the "\r" before it); empty when TropLongue
  bool TropLongue;
};

// Where the lines come from.
class SourceLignes {
 public:
  virtual ~SourceLignes() = default;
  // The next line, valid until the next call and free to be changed in place; nothing at the
  // end. A last line without "\n" counts as a line.
  virtual std::optional<LigneLue> Suivante() = 0;

 protected:
  SourceLignes() = default;
  SourceLignes(const SourceLignes&) = default;
  SourceLignes& operator=(const SourceLignes&) = default;
};

// The line without its "\r", or TropLongue beyond kLongueurLigneMax.
LigneLue Decouper(char* texte, std::size_t longueur);

// The lines of a whole text (a file's contents, the clipboard's), kept in a copy of it.
class LignesTexte : public SourceLignes {
 public:
  explicit LignesTexte(std::string_view texte) : texte_(texte) {}
  std::optional<LigneLue> Suivante() override;

 private:
  std::string texte_;
  std::size_t debut_ = 0;
};

// A record: a line, or with CSV the lines that quoted fields' line breaks join.
struct Enregistrement {
  // Its lines joined by "\n", without the last line end; empty when TropLong.
  std::span<char> Texte;
  std::size_t Ligne;     // the number of its first line in the input, from 1
  bool TropLong;         // a line, or the lines joined, longer than kLongueurLigneMax
  bool GuillemetOuvert;  // CSV: the input ends inside a quoted field
  // CSV: the input's header, its first record unless one of its fields reads as a number or an
  // angle (MotDePosition: a file without a header, whose first record is read as the others).
  bool EnTete = false;
};

class LecteurEnregistrements {
 public:
  // csv: RFC 4180's records after a header, their fields separated as the first line has them
  // (SeparateurCsv);
  // a record of lines joined, too long to keep, is read to its end all the same, and one after a
  // line too long ends with it. Otherwise each line is a record. The byte order mark that some
  // editors put before the first line is not part of it.
  LecteurEnregistrements(SourceLignes& lignes, bool csv) : lignes_(lignes), csv_(csv) {}

  // The next record, valid until the next call and free to be changed in place; nothing at the
  // end of the input.
  std::optional<Enregistrement> Suivant();

  // CSV: the separator of the fields, once the first line is read.
  char Separateur() const { return separateur_; }

 private:
  std::optional<LigneLue> LigneSuivante();
  Enregistrement EnTete(Enregistrement e) const;

  SourceLignes& lignes_;
  bool csv_;
  char separateur_ = 0;
  std::size_t numero_ = 0;  // of the last line read
  std::string joint_;       // the lines of a record that spans several
};

}  // namespace orbalide
