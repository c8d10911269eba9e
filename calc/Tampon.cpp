#include "Tampon.hpp"

#include <algorithm>
#include <array>
#include <cerrno>

#include "Decimal.hpp"

namespace orbalide::calc {
namespace {

// Written when this much is gathered: a few system calls for a large output.
constexpr std::size_t kBloc = std::size_t{1} << 16;

}  // namespace

Tampon::Tampon(std::FILE* sortie) : sortie_(sortie) {
  texte_.reserve(2 * kBloc);
}

void Tampon::EcrireDecimal(double v, int decimales) {
  std::array<char, kDecimalLongueurMax> texte;
  texte_.append(texte.data(), calc::EcrireDecimal(texte.data(), v, decimales));
}

std::string_view Tampon::Depuis(std::size_t position) const {
  return std::string_view(texte_).substr(position);
}

void Tampon::Remplacer(std::size_t position, char quoi, char par) {
  std::replace(texte_.begin() + static_cast<std::ptrdiff_t>(position), texte_.end(), quoi, par);
}

bool Tampon::Plein() const {
  return texte_.size() >= kBloc;
}

int Tampon::Vider() {
  errno = 0;
  const bool ecrit = std::fwrite(texte_.data(), 1, texte_.size(), sortie_) == texte_.size();
  texte_.clear();
  if (!ecrit || std::fflush(sortie_) != 0) return errno != 0 ? errno : EIO;
  return 0;
}

}  // namespace orbalide::calc
