// Why a computation gives no result, in the words the user reads, in French and in English.
#pragma once

#include <string_view>

namespace orbalide {

enum class SansResultat {
  Confondus,      // the inverse's two positions are the same point
  NonConvergent,  // nearly antipodal points: the inverse does not settle within its passes
  HorsDomaine,    // an arithmetic error: a value out of the range of the computation
  AtteintPole,    // a rhumb line that would reach or pass a pole
};

std::string_view TexteSansResultat(SansResultat cause, bool anglais);

}  // namespace orbalide
