#include <gtest/gtest.h>

#include "Calculatrice.hpp"

using namespace orbalide;
using namespace orbalide::test;

// Typing the departure from the keyboard: each complete component moves the focus on.
TEST(Entry, TypingTheDepartureEndsInTheCourse) {
  Calculatrice c;
  ASSERT_EQ(c.f.Focus(), &c.f.LatD[0]);
  const struct {
    const char* keys;
    Control* next;
  } steps[] = {{"49", &c.f.LATM[0]},  {"00", &c.f.LATS[0]}, {"23.260", &c.f.LOnD[0]},
               {"006", &c.f.LonM[0]}, {"09", &c.f.LonS[0]}, {"41.280", &c.f.Text1[0]}};
  for (const auto& s : steps) {
    c.Keys(s.keys);
    EXPECT_EQ(c.f.Focus(), s.next) << s.keys;
  }
  EXPECT_EQ(c.Shown(0), "49 00 23.260 006 09 41.280");
}

TEST(Entry, AdvanceRules) {
  Calculatrice c;
  c.f.Mcent_Click();
  c.Click(c.f.LATS[0]);
  c.f.UserType(c.f.LATS[0], "23.260");  // six characters at hundredths: no advance
  EXPECT_EQ(c.f.Focus(), &c.f.LATS[0]);
  c.Type(c.f.LATS[0], "23.26");
  EXPECT_EQ(c.f.Focus(), &c.f.LOnD[0]);

  c.f.UserClick(c.f.Command8);
  c.Type(c.f.LatD[2], "49");  // latitudes advance in every slot
  EXPECT_EQ(c.f.Focus(), &c.f.LATM[2]);
  c.Type(c.f.LOnD[2], "006");  // longitudes only in the direct departure
  EXPECT_EQ(c.f.Focus(), &c.f.LOnD[2]);
  c.Click(c.f.LatD[3]);
  c.f.UserType(c.f.LatD[3], "123");  // longer than full: the test is equality
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[3]);
}

// A move to a hidden target is refused and changes nothing.
TEST(Entry, RefusedFocusMoves) {
  Calculatrice c;
  EXPECT_FALSE(c.f.SetFocus(c.f.LATM[2]));   // inside the hidden inverse panel
  EXPECT_FALSE(c.f.SetFocus(c.f.Command2));  // disabled
  EXPECT_FALSE(c.f.SetFocus(c.f.INS[1]));    // hidden
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[0]);
  c.f.LatD[2].SetText("12");  // a write into the hidden panel: its advance is refused
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[0]);
  EXPECT_EQ(c.f.LatD[2].Text(), "12");
}

TEST(Entry, SelectionOnFocus) {
  Calculatrice c;
  c.f.LATS[0].SetText("23.2601234");
  c.f.Text2.SetText("123456789012");
  c.f.Text1[0].SetText("123");
  c.f.LatD[0].SetText("4");
  const struct {
    TextBox* box;
    int length;
  } cases[] = {{&c.f.LATS[0], 6}, {&c.f.Text2, 10}, {&c.f.Text1[0], 3}, {&c.f.LatD[0], 1}};
  for (const auto& t : cases) {
    c.f.SetFocus(c.f.Command1);
    c.Click(*t.box);
    EXPECT_EQ(t.box->SelStart(), 0) << t.box->FullName();
    EXPECT_EQ(t.box->SelLength(), t.length) << t.box->FullName();
  }
}

TEST(Entry, InitialCourseAbove360IsEmptied) {
  Calculatrice c;
  c.Type(c.f.Text1[0], "360");
  EXPECT_EQ(c.f.Text1[0].Text(), "360");
  c.Type(c.f.Text1[0], "361");
  EXPECT_EQ(c.f.Text1[0].Text(), "");
  c.Click(c.f.Text1[0]);
  for (const char* expected : {"3", "36", "360", ""}) {
    c.Keys("0" == std::string(expected) ? "0"
                                        : std::string(1, "3600"[Length(c.f.Text1[0].Text())]));
    EXPECT_EQ(c.f.Text1[0].Text(), expected);
  }
  c.f.UserType(c.f.Text1[0], "1E999");  // beyond the range of a double
  EXPECT_EQ(c.f.Text1[0].Text(), "");
  c.Type(c.f.Text1[1], "999");  // minutes are not checked
  EXPECT_EQ(c.f.Text1[1].Text(), "999");
}

TEST(Entry, ComputeButtonFollowsTheDistance) {
  Calculatrice c;
  const struct {
    const char* text;
    bool enabled;
  } cases[] = {{"0", false},  {"", false},      {"abc", false}, {"0.5", true},
               {"-3", false}, {"1E999", false}, {"12,5", true}, {"", false}};
  for (const auto& t : cases) {
    c.Type(c.f.Text2, t.text);
    EXPECT_EQ(c.f.Command2.Enabled, t.enabled) << '"' << t.text << '"';
  }
}

TEST(Entry, PasteBoxFillsTheSlot) {
  Calculatrice c;
  c.f.INS[0].SetText("WP1 N49°00'23.26 E006°09'41.28");
  c.f.UserMouseDown(c.f.INS[0], 1, kShift);
  EXPECT_EQ(c.Shown(0), "49 00 23.26 006 09 41.28");
  EXPECT_EQ(c.f.Text4[0].Text(), "WP1");
  EXPECT_EQ(c.f.Combo1.Text() + c.f.Combo2.Text(), "NE");
  EXPECT_EQ(c.platform.beeps, 1);

  c.f.INS[0].SetText("  Brest   n48 23 12.34 e004 29 10.5  ");
  c.f.UserMouseDown(c.f.INS[0], 2, kShift);
  EXPECT_EQ(c.f.Text4[0].Text(), "Brest");
  EXPECT_EQ(c.f.Combo1.ListIndex() * 10 + c.f.Combo2.ListIndex(), 11);  // lower case: S and W

  c.f.UserClick(c.f.Command8);
  c.f.INS[3].SetText("X S33:51:54.51 W151:12:34.99");
  c.f.UserMouseDown(c.f.INS[3], 1, kShift);
  EXPECT_EQ(c.Shown(3), "33 51 54.51 151 12 34.99");
  EXPECT_EQ(c.f.Text4[2].Text(), "X");
  EXPECT_EQ(c.f.Combo7.Text() + c.f.Combo6.Text(), "SW");
}

TEST(Entry, PasteBoxNeedsShiftAloneAndASpace) {
  Calculatrice c;
  c.Position(0, {"1", "2", "3", "4", "5", "6"});
  const std::string before = c.Shown(0);
  c.f.INS[0].SetText("WP1 N49°00'23.26 E006°09'41.28");
  for (int shift : {0, kCtrl, kShift | kCtrl, kShift | kAlt})
    c.f.UserMouseDown(c.f.INS[0], 1, shift);
  EXPECT_EQ(c.platform.beeps, 0);
  c.f.INS[0].SetText("N49°00'23.26E006°09'41.28");  // no space: no layout to read
  c.f.UserMouseDown(c.f.INS[0], 1, kShift);
  EXPECT_EQ(c.Shown(0), before);
  EXPECT_EQ(c.f.Text4[0].Text(), "");
  EXPECT_EQ(c.platform.beeps, 1);
  c.f.INS[0].SetText("A B");  // too short: the fields get what there is
  c.f.UserMouseDown(c.f.INS[0], 1, kShift);
  EXPECT_EQ(c.Shown(0), "     ");
  c.f.UserDblClick(c.f.INS[0]);
  EXPECT_EQ(c.f.INS[0].Text(), "");
  EXPECT_EQ(c.f.Text4[0].Text(), "A");
}

// Hiding the panel that holds the focus gives the focus to the next control in the tab order.
TEST(Entry, FocusLeavesAHiddenPanel) {
  Calculatrice c;
  c.f.UserClick(c.f.Command8);
  c.Click(c.f.LATM[3]);
  c.f.UserClick(c.f.Command7);
  ASSERT_NE(c.f.Focus(), nullptr);
  EXPECT_TRUE(c.f.Focus()->Reachable());
  EXPECT_FALSE(c.f.SetFocus(c.f.Label1));  // a label never holds the focus
}
