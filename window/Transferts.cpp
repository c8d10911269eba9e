// Commands that copy texts between positions, clear a panel or switch panels. They copy what
// the boxes show; the change handlers of the boxes run as for typing.
#include <array>
#include <utility>

#include "FormFormules.hpp"

namespace orbalide {
namespace {

using Composante = FormFormules::Composante;

// The order in which the clearing commands empty a position.
constexpr std::array<Composante, 6> kOrdreVidage{&FormFormules::LatD, &FormFormules::LOnD,
                                                 &FormFormules::LATM, &FormFormules::LonM,
                                                 &FormFormules::LATS, &FormFormules::LonS};

void Echanger(TextBox& a, TextBox& b) {
  const std::string memoire = a.Text();
  a.SetText(b.Text());
  b.SetText(memoire);
}

}  // namespace

void FormFormules::ViderEmplacement(std::int16_t slot) {
  for (Composante c : kOrdreVidage) Boite(c, slot).SetText("");
}

// Each hemisphere list of a slot takes the hemisphere of another slot, list or letter.
void FormFormules::CopierHemispheres(std::int16_t de, std::int16_t vers) {
  for (const Axe axe : kAxes) Emplacements(vers).Liste(axe)->SetListIndex(Hemisphere(de, axe));
}

// The arrival becomes the departure and the return course the initial course, so that
// computing again runs the geodesic back.
void FormFormules::Command3_Click() {
  Echanger(Text4[0], Text4[3]);
  for (Composante c : kComposantes) Boite(c, 0).SetText(Boite(c, 1).Text());
  for (std::int16_t i = 0; i < 3; ++i)
    Text1[i].SetText(FB[static_cast<std::int16_t>(i + 3)].Text());
  CopierHemispheres(1, 0);
}

void FormFormules::Command5_Click() {
  RazDirecte();
}

void FormFormules::RazDirecte() {
  ViderDirecte(Vidage::Tout);
}

// "RAZ" keeps the arrival's letters and the course's tooltip, which a computation without a
// result empties.
void FormFormules::ViderDirecte(Vidage vidage) {
  const bool tout = vidage == Vidage::Tout;
  RouteDirecte.reset();
  if (tout) ViderEmplacement(0);
  ViderEmplacement(1);
  for (std::int16_t i = 0; i < 3; ++i) {
    FB[i].SetText("");
    FB[static_cast<std::int16_t>(i + 3)].SetText("");
    if (tout) Text1[i].SetText("");
  }
  if (tout) {
    Text2.SetText("");
  } else {
    for (Label& lettre : Label3) lettre.Caption = "";
    FB[0].ToolTipText = "";
  }
}

// "RAZ" keeps the tooltips, which a computation without a result empties.
void FormFormules::ViderInverse(Vidage vidage) {
  const bool tout = vidage == Vidage::Tout;
  RouteInverse.reset();
  if (tout) {
    ViderEmplacement(2);
    ViderEmplacement(3);
  }
  for (std::int16_t i = 3; i < 9; ++i) Text1[i].SetText("");
  Text3.SetText("");
  if (!tout) Text3.ToolTipText = Text1[5].ToolTipText = Text1[8].ToolTipText = "";
}

void FormFormules::Command6_Click() {
  ViderInverse(Vidage::Tout);
}

// The focus goes into the panel now shown, where the user goes on typing.
void FormFormules::Command7_Click() {
  Frame4.Visible = false;
  SetFocus(LatD[0]);
}

// Both positions go to the inverse panel, with their hemispheres: a departure list without a
// choice counts as north or east.
void FormFormules::Command8_Click() {
  // Latitudes first, then longitudes; within each, the departure before the arrival.
  for (std::size_t ligne : {0u, 3u}) {
    for (const auto& [de, vers] : {std::pair<std::int16_t, std::int16_t>{0, 2}, {1, 3}}) {
      for (std::size_t i = ligne; i < ligne + 3; ++i) {
        Boite(kComposantes[i], vers).SetText(Boite(kComposantes[i], de).Text());
      }
    }
  }
  CopierHemispheres(0, 2);
  for (const Axe axe : kAxes) {
    ComboBox& liste = *Emplacements(2).Liste(axe);
    if (liste.ListIndex() == -1) liste.SetListIndex(kHemispherePositif);
  }
  CopierHemispheres(1, 3);
  Text4[2].SetText(Text4[3].Text());
  Text4[1].SetText(Text4[0].Text());
  Frame4.Visible = true;
  SetFocus(LatD[2]);
}

// Exchanges the two positions of the inverse panel, hemispheres and names included.
void FormFormules::Command9_Click() {
  constexpr std::array<Composante, 6> ordre{&FormFormules::LOnD, &FormFormules::LatD,
                                            &FormFormules::LonM, &FormFormules::LATM,
                                            &FormFormules::LonS, &FormFormules::LATS};
  struct Position {
    std::array<std::string, 6> textes;
    std::array<ComboBox::Choice, 2> hemispheres;
  };
  const auto lire = [&](std::int16_t slot) {
    Position p;
    for (std::size_t i = 0; i < ordre.size(); ++i) p.textes[i] = Boite(ordre[i], slot).Text();
    for (const Axe axe : kAxes)
      p.hemispheres[static_cast<std::size_t>(axe)] = Emplacements(slot).Liste(axe)->GetChoice();
    return p;
  };
  const auto ecrire = [&](std::int16_t slot, const Position& p) {
    for (std::size_t i = 0; i < ordre.size(); ++i) Boite(ordre[i], slot).SetText(p.textes[i]);
    for (const Axe axe : kAxes)
      Emplacements(slot).Liste(axe)->SetChoice(p.hemispheres[static_cast<std::size_t>(axe)]);
  };
  const Position depart = lire(2);
  ecrire(2, lire(3));
  ecrire(3, depart);
  Echanger(Text4[1], Text4[2]);
}

}  // namespace orbalide
