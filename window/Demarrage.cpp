// Start-up, the ellipsoid list and shutdown.
#include "Angles.hpp"
#include "FormFormules.hpp"

namespace orbalide {

void FormFormules::Form_Load() {
  constexpr int kMargeGauche = 60;
  Frame4.Place.Left = kMargeGauche;
  RazDirecte();
  for (const Axe axe : kAxes) {
    for (std::int16_t k = 0; k < 4; ++k) {
      if (ComboBox* liste = Emplacements(k).Liste(axe)) {
        for (const char lettre : LettresHemisphere(axe)) liste->AddItem({&lettre, 1});
      }
    }
  }
  Command1.Image = Command10.Image = Icon;
  DecimalesSecondes = 3;
  FormatSecondes = ImageSecondes(DecimalesSecondes);
  Mmille.Checked = true;
  Mcent.Checked = false;
  for (const EntreeCatalogue& e : Catalogue) Combo3.AddItem(e.Nom);
  Combo3.SetListIndex(0);
  Image2_Click(0);
  platform_.Show(*this);
  SetFocus(LatD[0]);
}

void FormFormules::Combo3_Click() {
  if (const std::optional<Ellipsoide> choisi = EllipsoideDuCatalogue(Combo3.ListIndex()))
    EllipsoideCourant = *choisi;
  Caption = "Orbalide ** " + Combo3.Text() + " **";
}

// The planner's unsaved changes are saved or given up first, or the program goes on.
void FormFormules::Form_Unload() {
  if (planificateur_.Fermer()) platform_.Quit();
}

void FormFormules::Command1_Click() {
  if (!planificateur_.Fermer()) return;
  platform_.Unload(*this);
  Form_Unload();
}

void FormFormules::Command10_Click() {
  Command1_Click();
}

}  // namespace orbalide
