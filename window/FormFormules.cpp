#include "FormFormules.hpp"

namespace orbalide {

// The window's client area is 6345 × 4410 twips.
FormFormules::FormFormules(Platform& platform, Apropos& apropos, Planificateur& planificateur)
    : Form("FormFormules", 6345, 4410),
      emplacements_{{
          {&Frame2, {&Combo1, &Combo2}, {}, &Text4[0]},
          {&Frame3, {}, {&Label3[0], &Label3[1]}, &Text4[3]},
          {&Frame5, {&Combo5, &Combo4}, {}, &Text4[1]},
          {&Frame6, {&Combo7, &Combo6}, {}, &Text4[2]},
      }},
      platform_(platform),
      apropos_(apropos),
      planificateur_(planificateur) {
  Disposer();
  Relier();
  Closing = [this] { Form_Unload(); };
  Quit = [this] { Command1_Click(); };
  Help = [this] { Image1_Click(); };  // F1, in either panel: the About window, as the globe
}

// The index of the slot's hemisphere list; for the direct arrival, that of the letter shown.
std::int16_t FormFormules::Hemisphere(std::int16_t slot, Axe axe) const {
  const Emplacement& e = Emplacements(slot);
  return e.Liste(axe) ? e.Liste(axe)->ListIndex() : IndexHemisphere(e.Lettre(axe)->Caption, axe);
}

double FormFormules::Latitude(std::int16_t slot) {
  return PositionEnDegres(LatD[slot].Text(), LATM[slot].Text(), LATS[slot].Text(),
                          Hemisphere(slot, Axe::Latitude));
}

double FormFormules::Longitude(std::int16_t slot) {
  return PositionEnDegres(LOnD[slot].Text(), LonM[slot].Text(), LonS[slot].Text(),
                          Hemisphere(slot, Axe::Longitude));
}

void FormFormules::Relier() {
  using Handler = void (FormFormules::*)(std::int16_t);
  const struct {
    Composante composante;
    Handler change, gotFocus;
  } coordonnees[] = {
      {&FormFormules::LatD, &FormFormules::LatD_Change, &FormFormules::LatD_GotFocus},
      {&FormFormules::LATM, &FormFormules::LATM_Change, &FormFormules::LATM_GotFocus},
      {&FormFormules::LATS, &FormFormules::LATS_Change, &FormFormules::LATS_GotFocus},
      {&FormFormules::LOnD, &FormFormules::LOnD_Change, &FormFormules::LOnD_GotFocus},
      {&FormFormules::LonM, &FormFormules::LonM_Change, &FormFormules::LonM_GotFocus},
      {&FormFormules::LonS, &FormFormules::LonS_Change, &FormFormules::LonS_GotFocus},
  };
  for (const auto& c : coordonnees) {
    for (std::int16_t k = 0; k < 4; ++k) {
      Boite(c.composante, k).Change = [this, h = c.change, k] { (this->*h)(k); };
      Boite(c.composante, k).GotFocus = [this, h = c.gotFocus, k] { (this->*h)(k); };
    }
  }
  for (std::int16_t i = 0; i < Text1.Size(); ++i) {
    Text1[i].Change = [this, i] { Text1_Change(i); };
    Text1[i].GotFocus = [this, i] { Text1_GotFocus(i); };
  }
  Text2.Change = [this] { Text2_Change(); };
  Text2.GotFocus = [this] { Text2_GotFocus(); };
  for (std::int16_t k = 0; k < 4; ++k) {
    INS[k].MouseDown = [this, k](int button, int shift) { INS_MouseDown(k, button, shift); };
    INS[k].DblClick = [this, k] { INS_DblClick(k); };
    INS[k].Action = [this, k] { LireCollage(k); };
    Command11[k].Click = [this, k] { Command11_Click(k); };
    Command11[k].ContextMenu = [this, k] { Command11_ContextMenu(k); };
  }
  for (std::int16_t i = 0; i < 2; ++i) Image2[i].Click = [this, i] { Image2_Click(i); };
  // The unit chosen in the direct panel renames the inverse panel's unit button for readers.
  for (OptionButton& o : Option1) o.Click = [this] { NommerBascule(EnAnglais()); };

  const struct {
    Control* control;
    void (FormFormules::*handler)();
  } clicks[] = {
      {&Command1, &FormFormules::Command1_Click},     {&Command2, &FormFormules::Command2_Click},
      {&Command3, &FormFormules::Command3_Click},     {&Command4, &FormFormules::Command4_Click},
      {&Command5, &FormFormules::Command5_Click},     {&Command6, &FormFormules::Command6_Click},
      {&Command7, &FormFormules::Command7_Click},     {&Command8, &FormFormules::Command8_Click},
      {&Command9, &FormFormules::Command9_Click},     {&Command10, &FormFormules::Command10_Click},
      {&Combo3, &FormFormules::Combo3_Click},         {&Image1, &FormFormules::Image1_Click},
      {&Label10, &FormFormules::Label10_Click},       {&Mcent, &FormFormules::Mcent_Click},
      {&Mmille, &FormFormules::Mmille_Click},         {&Mmaxi, &FormFormules::Mmaxi_Click},
      {&MPosition, &FormFormules::MPosition_Click},   {&MRoute, &FormFormules::MRoute_Click},
      {&MPlanifier, &FormFormules::MPlanifier_Click},
  };
  for (const auto& c : clicks) c.control->Click = [this, h = c.handler] { (this->*h)(); };
}

}  // namespace orbalide
