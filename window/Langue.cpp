// French and English captions. The visible flag is the language the user can switch to: the
// British flag shows while the window speaks French.
#include <vector>

#include "FormFormules.hpp"
#include "Legendes.hpp"

namespace orbalide {
namespace {

struct Legende {
  Control* control;
  bool bulle;  // the tooltip rather than the caption
  const char* francais;
  const char* anglais;
};

}  // namespace

void FormFormules::Traduire(bool anglais) {
  const std::vector<Legende> table{
      {&Label6, false, "Ellipsoïde...", "Ellipsoïd..."},
      {&Label1, false, "Route initiale °", "Initial HDG °"},
      {&Label7, false, "Route initiale °", "Initial HDG °"},
      {&Label8, false, "Route à l'arrivée °", "Arrival HDG °"},
      {&Label4, false, "Route à l'arrivée °", "Arrival HDG °"},
      {&Label5, false, "Route Retour °", "Back HDG °"},
      {&Option1[0], false, "Mètres", "Meters"},
      {&Frame2, false, "Départ(1)", "Waypoint(1)"},
      {&Frame3, false, "Arrivée(2)", "Waypoint(2)"},
      {&Frame5, false, "Départ(1)", "Waypoint(1)"},
      {&Frame6, false, "Arrivée(2)", "Waypoint(2)"},
      {&Command2, false, "Calculer", "Calculate"},
      {&Command4, false, "Calculer", "Calculate"},
      {&Command8, false, "Inverse", "Inverse"},
      {&Command3, false, "Monter", "Swap"},
      {&Command9, false, "Inverser", "Swap"},
      {&Command1, false, "Quitter", "END"},
      {&Command10, false, "Quitter", "END"},
      {&Command11[0], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[1], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[2], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[3], true, "lance dans Google earth", "Show in google earth"},
      {&Command7, false, "Directe", "Forward"},
      {&MPrec, false, "Précision", "Precision"},
      {&Mmille, false, "1000eme seconde", "1000eme second"},
      {&Mcent, false, "100eme seconde", "100eme second"},
      {&Mmaxi, false, "Maximale", "Maximal"},
      {&Label12, false, "langage", "language"},
  };
  for (const Legende& l : table) {
    (l.bulle ? l.control->ToolTipText : l.control->Caption) = anglais ? l.anglais : l.francais;
  }
  const TextesApropos& apropos = anglais ? kAproposAnglais : kAproposFrancais;
  apropos_.EcrireTextes(*this, apropos.Description, apropos.Precision);
}

void FormFormules::TraduireFrancais() {
  Traduire(false);
}

void FormFormules::TraduireAnglais() {
  Traduire(true);
}

void FormFormules::Image2_Click(std::int16_t Index) {
  if (Index == 0) {
    TraduireFrancais();
    Image2[1].Visible = true;
  } else {
    TraduireAnglais();
    Image2[0].Visible = true;
  }
  Image2[Index].Visible = false;
}

void FormFormules::Image1_Click() {
  apropos_.Afficher(*this);
}

}  // namespace orbalide
