// The program's single passage planner: loaded when the user first asks for it, in the main
// window's language and precision, shown without blocking the main window, and discarded when
// closed (after asking, when its changes are unsaved), loaded afresh at the next opening.
#pragma once

#include <memory>
#include <string>

#include "FormPassage.hpp"

namespace orbalide {

class Planificateur {
 public:
  explicit Planificateur(Platform& platform) : platform_(platform) {}

  // Loads the window when needed and shows it, or brings it forward. `ellipsoide`: the one it
  // starts with, in the catalogue.
  void Afficher(const Affichage& affichage, std::int16_t ellipsoide);
  // The same, then the file opened into it.
  void Ouvrir(const std::string& chemin, const Affichage& affichage, std::int16_t ellipsoide);
  // The main window's language and precision, while the planner is loaded.
  void Traduire(bool anglais);
  void Precision(std::int16_t decimales);
  // Closes the planner when loaded; false when the user keeps it open to save its changes.
  bool Fermer();

  FormPassage* Fenetre() const { return fenetre_.get(); }  // nullptr while not loaded

 private:
  Platform& platform_;
  std::unique_ptr<FormPassage> fenetre_;
  // A window closed by its own handler lives until that handler has returned.
  std::unique_ptr<FormPassage> fermee_;
};

}  // namespace orbalide
