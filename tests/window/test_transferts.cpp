#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Nombres.hpp"

using namespace orbalide;
using namespace orbalide::test;

// "Monter" then "Calculer" runs the geodesic back to the former departure; before any
// computation it copies empty texts and selects N and E. "Inverse" then carries both positions,
// hemispheres (N and E when none is selected) and names; "RAZ" keeps the arrival's letters,
// which "Inverse" then follows. "Inverser" exchanges the positions, the hemispheres (a typed one
// included) and the names; twice restores everything.
TEST(Transfers, RunBackInverseAndInverser) {
  Calculatrice c;
  c.f.UserSelect(c.f.Combo1, 1);
  c.f.UserClick(c.f.Command3);
  EXPECT_EQ(c.Shown(0) + c.f.Combo1.Text() + c.f.Combo2.Text(), "     NE");
  c.Position(0, "48 30 00.000 004 30 00.000");
  c.f.UserSelect(c.f.Combo2, 1);
  c.TypeFields({&c.f.Text1[0], &c.f.Text1[1], &c.f.Text1[2]}, "300 15 ");
  c.Type(c.f.Text2, "100");
  c.f.UserClick(c.f.Command2);
  c.f.Text4[0].SetText("Brest");
  c.f.Text4[3].SetText("Arrivee");
  const std::string arrival = c.Shown(1);
  c.f.UserClick(c.f.Command3);
  EXPECT_EQ(c.Shown(0), arrival);
  EXPECT_EQ(c.f.Text1[0].Text() + c.f.Text1[1].Text() + c.f.Text1[2].Text(),
            c.f.FB[3].Text() + c.f.FB[4].Text() + c.f.FB[5].Text());
  EXPECT_EQ(c.f.Text4[0].Text() + c.f.Text4[3].Text(), "ArriveeBrest");
  EXPECT_EQ(c.f.Combo1.Text() + c.f.Combo2.Text(), "NW");
  c.f.UserClick(c.f.Command2);
  EXPECT_EQ(c.f.LatD[1].Text() + c.f.LATM[1].Text() + c.f.LOnD[1].Text() + c.f.LonM[1].Text(),
            "48300430");
  for (TextBox* s : {&c.f.LATS[1], &c.f.LonS[1]}) EXPECT_NEAR(LireNombre(s->Text()), 0, 0.0015);
  c.f.UserClick(c.f.Command8);
  EXPECT_TRUE(c.f.Frame4.Visible && !c.f.Combo3.Reachable());
  EXPECT_EQ(c.Shown(2) + c.Shown(3), c.Shown(0) + c.Shown(1));
  EXPECT_EQ(c.f.Combo5.Text() + c.f.Combo4.Text() + c.f.Combo7.Text() + c.f.Combo6.Text(), "NWNW");
  EXPECT_EQ(c.f.Text4[1].Text() + c.f.Text4[2].Text(), "ArriveeBrest");
  c.f.UserClick(c.f.Command4);  // the inverse of the forward computation
  EXPECT_EQ(c.f.Text3.Text(), "100.000");
  c.f.UserClick(c.f.Command7);
  c.f.UserClick(c.f.Command5);
  EXPECT_FALSE(c.f.Command2.Enabled);
  EXPECT_EQ(c.Shown(0) + c.Shown(1), "          ");
  c.f.UserSelect(c.f.Combo2, 0);  // the arrival's letter, not the departure's list
  c.f.UserClick(c.f.Command8);
  EXPECT_EQ(c.Shown(3) + c.f.Combo7.Text() + c.f.Combo6.Text(), "     NW");
  EXPECT_EQ(c.f.Text3.Text(), "100.000");  // the inverse results stay
  c.f.Text4[1].SetText("kept");
  c.f.Text1[5].ToolTipText = "kept";
  c.f.UserClick(c.f.Command6);
  EXPECT_EQ(c.Shown(2) + c.Shown(3) + c.f.Text3.Text() + c.f.Text1[3].Text() + c.f.Text1[8].Text(),
            "          ");
  EXPECT_EQ(c.f.Text4[1].Text() + c.f.Text1[5].ToolTipText, "keptkept");
  c.Position(2, "10 20 30.000 40 50 10.000");
  c.Position(3, "11 21 31.000 41 51 11.000");
  c.f.UserSelect(c.f.Combo5, 1);
  c.f.UserSelect(c.f.Combo6, 1);
  c.f.UserType(c.f.Combo4, "e");  // a typed text: no item selected
  c.f.Text4[1].SetText("D");
  c.f.Text4[2].SetText("A");
  const std::string from = c.Shown(2), to = c.Shown(3);
  c.f.UserClick(c.f.Command9);
  EXPECT_EQ(c.Shown(2) + c.Shown(3), to + from);
  EXPECT_EQ(c.f.Combo5.Text() + c.f.Combo4.Text() + c.f.Combo7.Text() + c.f.Combo6.Text(), "NWSe");
  EXPECT_EQ(c.f.Combo6.ListIndex(), -1);
  EXPECT_EQ(c.f.Text4[1].Text() + c.f.Text4[2].Text(), "AD");
  c.f.UserClick(c.f.Command9);
  EXPECT_EQ(c.Shown(2) + c.Shown(3), from + to);
  EXPECT_EQ(c.f.Combo5.ListIndex() * 10 + c.f.Combo6.ListIndex(), 11);
  EXPECT_EQ(c.f.Combo4.Text() + c.f.Combo7.Text() + c.f.Text4[1].Text() + c.f.Text4[2].Text(),
            "eNDA");
}
