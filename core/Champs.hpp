// The fields of one line: separated by runs of spaces and tabs, or by commas or semicolons (CSV).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbalide {

// Each command reads four fields a line.
inline constexpr std::size_t kChampsParLigne = 4;

struct Champs {
  std::array<std::string_view, kChampsParLigne> Texte;  // into the line
  std::size_t Nombre;  // the fields found, kChampsParLigne + 1 standing for any more
  // What follows the fields, written back after the answer: a comment from its mark to the line's
  // end, or CSV's columns after the fourth as they stand (a trailing separator leaves an empty
  // one). None when nothing follows.
  std::optional<std::string_view> Suite;
};

// Fields separated by runs of spaces and tabs, with blanks before the first and after the last,
// up to a comment mark "#" (the delimiter of GeodSolve's --comment-delimiter): the mark and what
// follows it are the Suite. A comma in the first `decimaux` fields is a decimal comma: it is made
// a point in the line. With `positions`, the words that make one coordinate as GPS units print it
// (MotsCoordonnee: N48 23.500) are one field, blanks included.
Champs ChampsSepares(std::span<char> ligne, std::size_t decimaux = kChampsParLigne,
                     bool positions = false);

// Fields separated by `separateur` (',' or ';') as RFC 4180 has them: blanks around a field are
// ignored; a field in double quotes may hold separators, blanks, line breaks and doubled quotes,
// each pair standing for one (the line is changed in place). A quoted field not closed before the
// line's end, or followed by more than blanks before the next separator, is the text "\"", which
// no reader accepts. With ';' a comma in the first `decimaux` fields is a decimal comma, made a
// point. After the fourth field and its separator, the rest of the line is the Suite. A line of
// blanks alone has no field.
Champs ChampsCsv(std::span<char> ligne, char separateur, std::size_t decimaux = kChampsParLigne);

// A field as RFC 4180 writes it with `separateur`: in double quotes, each quote doubled, where it
// holds the separator, a quote or a line break, or blanks at either end (which a reader drops),
// or `guillemets` asks for them.
std::string ChampCsv(std::string_view texte, char separateur, bool guillemets = false);

// CSV's columns `colonnes`, fields separated by `lu` (a record's Suite), with their fields
// separated by `ecrit` instead, each written by ChampCsv: as they stand when both are the same.
std::string ColonnesCsv(std::string_view colonnes, char lu, char ecrit);

// The separator of a CSV file, from its header line (or its first line, without a header): ';'
// when it comes before any comma outside quotes, or after a first comma between two digits and
// before any other (the custom where the comma is the decimal separator, as in French: 48,5;-4,5),
// ',' otherwise.
char SeparateurCsv(std::string_view enTete);

// Where a CSV record stands as its text is read: whether it ends inside a quoted field, and so
// goes on at the next line.
class EtatCsv {
 public:
  explicit EtatCsv(char separateur) : separateur_(separateur) {}
  // The next part of the record, a line break between two lines included.
  void Lire(std::string_view texte);
  bool Ouvert() const { return etat_ == Etat::Guillemets; }

 private:
  enum class Etat { DebutChamp, Simple, Guillemets, GuillemetDedans };
  char separateur_;
  Etat etat_ = Etat::DebutChamp;
};

}  // namespace orbalide
