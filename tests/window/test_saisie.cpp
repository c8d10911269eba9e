#include <gtest/gtest.h>

#include <set>

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

namespace {

// The controls that Tab visits from the focused one until it comes back to it.
std::vector<std::string> TabWalk(Calculatrice& c, Key key) {
  std::vector<std::string> walk;
  const Control* start = c.f.Focus();
  do {
    if (!c.f.UserKey(key) || walk.size() > 200) return {"no wrap"};
    EXPECT_TRUE(c.f.Focus()->Reachable()) << c.f.Focus()->FullName();
    walk.push_back(c.f.Focus()->FullName());
  } while (c.f.Focus() != start);
  return walk;
}

// Whether `order` appears in `walk` in that order, not necessarily side by side.
bool InOrder(const std::vector<std::string>& walk, const std::vector<std::string>& order) {
  auto at = walk.begin();
  for (const std::string& name : order) {
    at = std::find(at, walk.end(), name);
    if (at == walk.end()) return false;
  }
  return true;
}

}  // namespace

// In each panel, with or without the About window open, Tab visits every control that can take
// the focus once, in the design's entry order, and comes back; Shift+Tab walks back the same way.
TEST(Keyboard, TabWalksThePanelAndWraps) {
  const std::vector<std::string> direct{"Command1", "LatD(0)",  "LATM(0)",  "LATS(0)",  "LOnD(0)",
                                        "LonM(0)",  "LonS(0)",  "Text1(0)", "Text1(1)", "Text1(2)",
                                        "Text2",    "Command8", "Combo3"};
  const std::vector<std::string> inverse{
      "LatD(2)", "LATM(2)", "LATS(2)",  "Combo5",   "LOnD(2)",   "LonM(2)",     "LonS(2)",
      "Combo4",  "LatD(3)", "LATM(3)",  "LATS(3)",  "Combo7",    "LOnD(3)",     "LonM(3)",
      "LonS(3)", "Combo6",  "Command4", "Command7", "Command10", "Command11(3)"};
  for (const bool about : {false, true}) {
    Calculatrice c;
    if (about) c.f.UserClick(c.f.Image1);
    for (const auto* order : {&direct, &inverse}) {
      if (order == &inverse) c.f.UserClick(c.f.Command8);
      std::vector<std::string> walk = TabWalk(c, Key::Tab);
      std::vector<std::string> doubled = walk;
      doubled.insert(doubled.end(), walk.begin(), walk.end());
      EXPECT_TRUE(InOrder(doubled, *order)) << testing::PrintToString(walk);
      EXPECT_EQ(std::set<std::string>(walk.begin(), walk.end()).size(), walk.size());
      std::vector<std::string> back = TabWalk(c, Key::BackTab);
      std::rotate(back.begin(), back.end() - 1, back.end());
      std::reverse(back.begin(), back.end());
      EXPECT_EQ(back, walk);
    }
  }
}

// Return presses the shown default button, or the focused button; Escape closes the About
// window; the Quit key ends the program.
TEST(Keyboard, ReturnEscapeAndQuit) {
  Calculatrice c;
  EXPECT_FALSE(c.f.UserKey(Key::Return));  // "Calculer" is disabled without a distance
  c.Position(0, {"45", "00", "00.000", "000", "00", "00.000"});
  c.Type(c.f.Text1[0], "180");
  c.Type(c.f.Text1[1], "30");
  c.Type(c.f.Text2, "100000");
  c.f.UserSelect(c.f.Option1[0]);
  EXPECT_TRUE(c.f.UserKey(Key::Return));
  EXPECT_EQ(c.Shown(1), "44 06 00.468 00 00 39.233");
  c.f.SetFocus(c.f.Command5);
  c.f.UserKey(Key::Return);  // the focused button, not the default one
  EXPECT_EQ(c.f.Text2.Text(), "");
  c.f.UserClick(c.f.Command8);
  c.f.UserKey(Key::Return);
  EXPECT_EQ(c.platform.beeps, 1);  // the inverse of the design's same two points: no result
  EXPECT_FALSE(c.f.UserKey(Key::Escape));
  c.f.UserClick(c.f.Image1);
  EXPECT_TRUE(c.about.Fenetre()->UserKey(Key::Escape));
  EXPECT_EQ(c.about.Fenetre(), nullptr);
  EXPECT_EQ(c.platform.quits, 0);
  c.f.UserKey(Key::Quit);
  EXPECT_EQ(c.platform.quits, 1);
}
