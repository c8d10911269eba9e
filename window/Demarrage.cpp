// Start-up, the ellipsoid list and shutdown.
#include "Ellipsoide.hpp"
#include "FormFormules.hpp"
#include "Sexagesimal.hpp"

namespace orbalide {

void FormFormules::Form_Load() {
  constexpr int kMargeGauche = 60;
  Frame4.Place.Left = kMargeGauche;
  RazDirecte();
  for (ComboBox* liste : {&Combo1, &Combo5, &Combo7}) {
    liste->AddItem("N");
    liste->AddItem("S");
  }
  for (ComboBox* liste : {&Combo2, &Combo4, &Combo6}) {
    liste->AddItem("E");
    liste->AddItem("W");
  }
  Command1.Image = Icon;
  Command10.Image = Icon;
  DecimalesSecondes = 3;
  DefinirFormatSecondes(ImageSecondes(DecimalesSecondes));
  Mmille.Checked = true;
  Mcent.Checked = false;
  for (const EntreeCatalogue& e : Catalogue) Combo3.AddItem(e.Nom);
  Combo3.SetListIndex(0);
  Image2_Click(0);
  platform_.Show(*this);
  SetFocus(LatD[0]);
}

void FormFormules::Combo3_Click() {
  SelectionnerEllipsoide(Combo3.ListIndex());
  Caption = "Orbalide ** " + Combo3.Text() + " **";
}

void FormFormules::Form_Unload() {
  platform_.Quit();
}

void FormFormules::Command1_Click() {
  platform_.Unload(*this);
  Form_Unload();
}

void FormFormules::Command10_Click() {
  Command1_Click();
}

}  // namespace orbalide
