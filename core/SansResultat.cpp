#include "SansResultat.hpp"

namespace orbalide {

std::string_view TexteSansResultat(SansResultat cause, bool anglais) {
  switch (cause) {
    case SansResultat::Confondus:
      return anglais ? "No result: the two positions are the same point."
                     : "Pas de résultat : les deux positions sont le même point.";
    case SansResultat::NonConvergent:
      return anglais ? "No result: the points are nearly antipodal, Vincenty's method does not "
                       "settle within 20 passes."
                     : "Pas de résultat : les points sont presque antipodaux, la méthode de "
                       "Vincenty ne converge pas en 20 passes.";
    case SansResultat::AtteintPole:
      return anglais ? "No result: the rhumb line would reach a pole."
                     : "Pas de résultat : la loxodromie atteindrait un pôle.";
    case SansResultat::HorsDomaine:
      break;
  }
  return anglais ? "No result: a value is out of range."
                 : "Pas de résultat : une valeur est hors du domaine de calcul.";
}

}  // namespace orbalide
