// Commands that copy texts between positions, clear a panel or switch panels. They copy what
// the boxes show; the change handlers of the boxes run as for typing.
#include <array>
#include <utility>

#include "Angles.hpp"
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

// The arrival becomes the departure and the return course the initial course, so that
// computing again runs the geodesic back.
void FormFormules::Command3_Click() {
  Echanger(Text4[0], Text4[3]);
  for (Composante c : kComposantes) Boite(c, 0).SetText(Boite(c, 1).Text());
  for (std::int16_t i = 0; i < 3; ++i)
    Text1[i].SetText(FB[static_cast<std::int16_t>(i + 3)].Text());
  Combo1.SetListIndex(IndexHemisphere(Label3[0].Caption, Axe::Latitude));
  Combo2.SetListIndex(IndexHemisphere(Label3[1].Caption, Axe::Longitude));
}

void FormFormules::Command5_Click() {
  RazDirecte();
}

void FormFormules::RazDirecte() {
  TrajetDirect.reset();
  for (const std::int16_t slot : std::array<std::int16_t, 2>{0, 1}) {
    for (Composante c : kOrdreVidage) Boite(c, slot).SetText("");
  }
  for (std::int16_t i = 0; i < 3; ++i) {
    FB[i].SetText("");
    FB[static_cast<std::int16_t>(i + 3)].SetText("");
    Text1[i].SetText("");
  }
  Text2.SetText("");
}

void FormFormules::Command6_Click() {
  TrajetInverse.reset();
  for (const std::int16_t slot : std::array<std::int16_t, 2>{2, 3}) {
    for (Composante c : kOrdreVidage) Boite(c, slot).SetText("");
  }
  for (std::int16_t i = 3; i < 9; ++i) Text1[i].SetText("");
  Text3.SetText("");
}

// The focus goes into the panel now shown, where the user goes on typing.
void FormFormules::Command7_Click() {
  Frame4.Visible = false;
  SetFocus(LatD[0]);
}

void FormFormules::Command8_Click() {
  // Latitudes first, then longitudes; within each, the departure before the arrival.
  for (std::size_t ligne : {0u, 3u}) {
    for (const auto& [de, vers] : {std::pair<std::int16_t, std::int16_t>{0, 2}, {1, 3}}) {
      for (std::size_t i = ligne; i < ligne + 3; ++i) {
        Boite(kComposantes[i], vers).SetText(Boite(kComposantes[i], de).Text());
      }
    }
  }
  Combo5.SetListIndex(Combo1.ListIndex());
  Combo4.SetListIndex(Combo2.ListIndex());
  if (Combo5.ListIndex() == -1) Combo5.SetListIndex(0);
  if (Combo4.ListIndex() == -1) Combo4.SetListIndex(0);
  Combo7.SetListIndex(IndexHemisphere(Label3[0].Caption, Axe::Latitude));
  Combo6.SetListIndex(IndexHemisphere(Label3[1].Caption, Axe::Longitude));
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
  std::array<std::string, 6> memoire;
  for (std::size_t i = 0; i < ordre.size(); ++i) memoire[i] = Boite(ordre[i], 2).Text();
  const ComboBox::Choice latitude = Combo5.GetChoice(), longitude = Combo4.GetChoice();
  for (Composante c : ordre) Boite(c, 2).SetText(Boite(c, 3).Text());
  Combo5.SetChoice(Combo7.GetChoice());
  Combo4.SetChoice(Combo6.GetChoice());
  for (std::size_t i = 0; i < ordre.size(); ++i) Boite(ordre[i], 3).SetText(memoire[i]);
  Combo7.SetChoice(latitude);
  Combo6.SetChoice(longitude);
  Echanger(Text4[1], Text4[2]);
}

}  // namespace orbalide
