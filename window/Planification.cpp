// The passage planner, in the window's language and precision, on the ellipsoid chosen here.
#include "FormFormules.hpp"

namespace orbalide {

void FormFormules::MPlanifier_Click() {
  planificateur_.Afficher({EnAnglais(), DecimalesSecondes}, Combo3.ListIndex());
}

void FormFormules::OuvrirPassage(const std::string& chemin) {
  planificateur_.Ouvrir(chemin, {EnAnglais(), DecimalesSecondes}, Combo3.ListIndex());
}

// The program started with a file, as a file manager starts it for a GPX route: the planner
// opens with the first one.
void FormFormules::OuvrirArguments(const std::vector<std::string>& arguments) {
  if (!arguments.empty()) OuvrirPassage(arguments.front());
}

}  // namespace orbalide
