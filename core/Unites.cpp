#include "Unites.hpp"

#include "Nombres.hpp"
#include "Reel.hpp"

namespace orbalide {

double EnUnite(double metres, Unite unite) {
  return unite == Unite::Milles ? metres / kMetresParMille : metres;
}

double EnMetres(double distance, Unite unite) {
  return static_cast<double>(unite == Unite::Milles ? Reel(distance) * kMetresParMille
                                                    : Reel(distance));
}

std::string TexteDistance(double metres, Unite unite, std::string_view picture,
                          std::string_view separateur) {
  return FormatPicture(EnUnite(metres, unite), picture, separateur);
}

}  // namespace orbalide
