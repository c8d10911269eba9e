// The standard output's text, gathered line by line and written in large blocks.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace orbalide::calc {

class Tampon {
 public:
  explicit Tampon(std::FILE* sortie);

  void Ecrire(std::string_view texte) { texte_ += texte; }
  void Ecrire(char c) { texte_ += c; }
  // v with `decimales` decimals, 1 to 9, as calc::EcrireDecimal writes it.
  void EcrireDecimal(double v, int decimales);

  // Where the next byte goes, to take back or read what was written since.
  std::size_t Position() const { return texte_.size(); }
  std::string_view Depuis(std::size_t position) const;
  void Revenir(std::size_t position) { texte_.resize(position); }
  // Each `quoi` written since `position` made `par`.
  void Remplacer(std::size_t position, char quoi, char par);

  bool Plein() const;
  // Writes and flushes what is gathered. Returns the errno of a write error, 0 when none.
  int Vider();

 private:
  std::FILE* sortie_;
  std::string texte_;
};

}  // namespace orbalide::calc
