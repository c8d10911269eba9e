#include <gtest/gtest.h>

#include <map>

#include "Calculatrice.hpp"
#include "Ellipsoide.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;
using namespace orbalide::test;

TEST(StartUp, StateAfterLoad) {
  Calculatrice c;
  FormFormules& f = c.f;
  EXPECT_EQ(f.Caption, "Orbalide ** WGS-84 **");
  EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, 6356752.3142);
  EXPECT_EQ(f.Focus(), &f.LatD[0]);
  EXPECT_FALSE(f.Command2.Enabled);
  EXPECT_FALSE(f.Frame4.Visible);
  EXPECT_EQ(f.Frame4.Place.Left, 60);
  EXPECT_TRUE(f.Mmille.Checked && !f.Mcent.Checked && !f.Mmaxi.Checked);
  EXPECT_EQ(f.DecimalesSecondes, 3);
  EXPECT_EQ(FormatSecondes(), "00.000");
  EXPECT_TRUE(f.Option1[1].Value());
  EXPECT_EQ(f.Label10.Caption, "");
  EXPECT_TRUE(f.Image2[1].Visible && !f.Image2[0].Visible);
  EXPECT_EQ(c.Shown(0) + c.Shown(1) + f.Text2.Text(), "          ");
  EXPECT_EQ(c.Shown(2), "49 00 23.260 006 09 41.280");  // the inverse panel keeps its design
  EXPECT_EQ(c.Shown(3), "49 00 23.260 006 09 41.280");
  for (ComboBox* l : {&f.Combo1, &f.Combo5, &f.Combo7, &f.Combo2, &f.Combo4, &f.Combo6}) {
    EXPECT_EQ(l->Items().size(), 2u);
    EXPECT_EQ(l->ListIndex(), -1);
  }
  EXPECT_EQ(f.Combo1.Items()[0] + f.Combo1.Items()[1] + f.Combo6.Items()[0] + f.Combo6.Items()[1],
            "NSEW");
  EXPECT_EQ(f.Combo1.Text() + f.Combo2.Text(), "NE");
  EXPECT_EQ(f.Combo3.Items().size(), Catalogue.size());
  EXPECT_EQ(f.Combo3.ListIndex(), 0);
  EXPECT_EQ(f.Command1.Image, Picture::Icon);
  EXPECT_EQ(f.Command10.Image, Picture::Icon);
  EXPECT_EQ(c.platform.shown.front(), &f);
  // French captions, not the design ones.
  EXPECT_EQ(f.Frame2.Caption, "Départ(1)");
  EXPECT_EQ(f.Label6.Caption, "Ellipsoïde...");
  EXPECT_EQ(f.Label4.Caption, "Route à l'arrivée °");
  EXPECT_EQ(f.Command4.Caption + f.Command7.Caption, "CalculerDirecte");
}

namespace {

// Every caption and tooltip of both windows.
std::map<std::string, std::string> Texts(Calculatrice& c) {
  std::map<std::string, std::string> texts;
  std::vector<Form*> forms{&c.f};
  if (c.about.Fenetre() != nullptr) forms.push_back(c.about.Fenetre());
  for (Form* form : forms) {
    for (Control* control : form->Controls()) {
      texts[form->Name() + "." + control->FullName()] =
          control->Caption + "|" + control->ToolTipText;
    }
  }
  return texts;
}

}  // namespace

TEST(Language, EnglishAndBackRestoresTheStartUpCaptions) {
  Calculatrice c;
  const auto french = Texts(c);
  c.f.UserClick(c.f.Image2[1]);
  EXPECT_TRUE(c.f.EnAnglais());
  EXPECT_TRUE(c.f.Image2[0].Visible && !c.f.Image2[1].Visible);
  const auto english = Texts(c);
  EXPECT_EQ(c.f.Command3.Caption + c.f.Command9.Caption, "SwapSwap");
  EXPECT_EQ(c.f.Command8.Caption, "Inverse");
  EXPECT_EQ(c.f.Option1[1].Caption, "Nm");
  EXPECT_EQ(c.f.Option1[0].Caption, "Meters");
  EXPECT_EQ(c.f.Command11[2].ToolTipText, "Show in google earth");
  EXPECT_EQ(c.f.Frame6.Caption, "Waypoint(2)");
  EXPECT_EQ(c.f.Mmaxi.Caption, "Maximal");
  EXPECT_EQ(c.f.Command1.Caption, "END");
  EXPECT_EQ(c.f.Command3.ToolTipText, french.at("FormFormules.Command3").substr(7));
  int changed = 0;
  for (const auto& [name, text] : french) changed += english.at(name) != text;
  EXPECT_EQ(changed, 29);        // the caption table but "Inverse", and the two About texts
  c.f.UserClick(c.f.Image2[1]);  // hidden: a click on it does nothing
  EXPECT_TRUE(c.f.EnAnglais());
  c.f.UserClick(c.f.Image2[0]);
  EXPECT_EQ(Texts(c), french);
}

TEST(Language, SwitchChangesOnlyText) {
  Calculatrice c;
  c.Position(0, {"12", "34", "56.789", "123", "45", "6"});
  Control* focus = c.f.Focus();
  c.f.UserClick(c.f.Image2[1]);
  EXPECT_EQ(c.Shown(0), "12 34 56.789 123 45 6");
  EXPECT_EQ(c.f.Focus(), focus);
  EXPECT_EQ(c.f.Caption, "Orbalide ** WGS-84 **");
  EXPECT_EQ(c.f.Combo3.Items()[9], "Sphérique");
}
