#include "Planificateur.hpp"

namespace orbalide {

void Planificateur::Afficher(const Affichage& affichage, std::int16_t ellipsoide) {
  fermee_.reset();
  if (fenetre_) return platform_.Show(*fenetre_);
  fenetre_ = std::make_unique<FormPassage>(platform_, affichage, ellipsoide);
  fenetre_->Fermer = [this] { fermee_ = std::move(fenetre_); };
  fenetre_->Form_Load();
}

void Planificateur::Ouvrir(const std::string& chemin, const Affichage& affichage,
                           std::int16_t ellipsoide) {
  Afficher(affichage, ellipsoide);
  fenetre_->OuvrirFichier(chemin);
}

void Planificateur::Traduire(bool anglais) {
  if (fenetre_) fenetre_->Traduire(anglais);
}

void Planificateur::Precision(std::int16_t decimales) {
  if (fenetre_) fenetre_->Precision(decimales);
}

bool Planificateur::Fermer() {
  if (!fenetre_) return true;
  if (!fenetre_->PeutFermer()) return false;
  platform_.Unload(*fenetre_);
  fermee_ = std::move(fenetre_);
  return true;
}

}  // namespace orbalide
