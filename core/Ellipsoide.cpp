#include "Ellipsoide.hpp"

#include <locale>
#include <string>

#include "Angles.hpp"

namespace orbalide {
namespace {

// A name as names are compared: without spaces and punctuation, its ASCII letters in lower case,
// whatever the user's locale.
std::string Replie(std::string_view nom) {
  const std::locale& c = std::locale::classic();
  std::string replie;
  for (const char x : nom) {
    if (!std::isspace(x, c) && !std::ispunct(x, c)) replie += std::tolower(x, c);
  }
  return replie;
}

}  // namespace

std::optional<std::int16_t> IndexEllipsoide(std::string_view nom) {
  const std::string cherche = Replie(nom);
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    const auto& [graphies, proj, autre] = NomsCatalogue[i];
    for (const std::string_view n : {Catalogue[i].Nom, graphies[0], graphies[1], proj}) {
      if (!n.empty() && Replie(n) == cherche) return static_cast<std::int16_t>(i);
    }
  }
  return std::nullopt;
}

std::optional<Ellipsoide> EllipsoideDuCatalogue(std::int16_t index) {
  if (index == kIndexSphere) {
    const double rayon = (kCirconferenceSphere / Pi) / 2;
    return Ellipsoide{rayon, rayon, 0};
  }
  if (index < 0 || index > kIndexSphere) return std::nullopt;
  const EntreeCatalogue& e = Catalogue[static_cast<std::size_t>(index)];
  return Ellipsoide{e.DemiGrandAxe, e.DemiPetitAxe, 1 / e.InverseAplatissement};
}

}  // namespace orbalide
