#include <gtest/gtest.h>

#include <set>

#include "Calculatrice.hpp"

using namespace orbalide;
using namespace orbalide::test;

// Each complete component moves the focus on: every box of the direct departure, the latitude
// boxes only elsewhere, at the precision's length of seconds, never to a hidden box. A panel
// switch puts it into the first box of the panel shown.
TEST(Entry, FocusMovesOnWhenAComponentIsComplete) {
  Calculatrice c;
  c.f.LatD[2].SetText("12");  // a write into the hidden panel: its advance is refused
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[0]);
  const struct {
    const char* keys;
    Control* next;
  } steps[] = {{"49", &c.f.LATM[0]},  {"00", &c.f.LATS[0]}, {"23.260", &c.f.LOnD[0]},
               {"006", &c.f.LonM[0]}, {"09", &c.f.LonS[0]}, {"41.280", &c.f.Text1[0]}};
  for (const auto& s : steps) {
    c.Keys(s.keys);
    EXPECT_EQ(c.f.Focus(), s.next) << s.keys;
  }
  c.f.UserClick(c.f.Mcent);
  c.Click(c.f.LATS[0]);
  c.f.UserType(c.f.LATS[0], "23.260");  // six characters at hundredths: no advance
  EXPECT_EQ(c.f.Focus(), &c.f.LATS[0]);
  c.f.UserClick(c.f.Command8);
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[2]);
  c.Type(c.f.LatD[2], "49");
  EXPECT_EQ(c.f.Focus(), &c.f.LATM[2]);
  c.Type(c.f.LOnD[2], "006");        // longitudes move on in the direct departure only
  c.f.UserType(c.f.LatD[3], "123");  // longer than full: the test is equality
  EXPECT_EQ(c.f.Focus(), &c.f.LOnD[2]);
  c.f.UserClick(c.f.Command7);
  EXPECT_EQ(c.f.Focus(), &c.f.LatD[0]);
  EXPECT_FALSE(c.f.SetFocus(c.f.Label1) || c.f.SetFocus(c.f.INS[1]) || c.f.SetFocus(c.f.Command2));
}

// What a box keeps of what is typed, and what it selects when it takes the focus: a course
// above 360 is emptied, a comma becomes a point; "Calculer" follows the distance.
TEST(Entry, TypedTexts) {
  Calculatrice c;
  const struct {
    TextBox* box;
    const char* typed;
    const char* kept;
    bool compute;  // whether "Calculer" is enabled after it
    int selected;  // characters selected from the first when the box takes the focus again
  } cases[] = {
      // clang-format off
      {&c.f.Text1[0], "360", "360", false, 3}, {&c.f.Text1[0], "361", "", false, 0},
      {&c.f.Text1[0], "3600", "", false, 0},   {&c.f.Text1[1], "999", "999", false, 3},
      {&c.f.Text1[2], "1,5", "1.5", false, 3},
      {&c.f.LATS[0], "1,5", "1.5", false, 3},  {&c.f.LatD[0], "4", "4", false, 1},
      {&c.f.Text2, "0", "0", false, 1},
      {&c.f.Text2, "abc", "abc", false, 3},    {&c.f.Text2, "0,5", "0.5", true, 3},
      {&c.f.Text2, "-3", "-3", false, 2},      {&c.f.Text2, "1E999", "1E999", false, 5},
      {&c.f.Text2, "123456789012", "123456789012", true, 10}, {&c.f.Text2, "", "", false, 0},
      // clang-format on
  };
  for (const auto& t : cases) {
    c.Type(*t.box, t.typed);
    EXPECT_EQ(t.box->Text(), t.kept) << t.box->FullName() << " " << t.typed;
    EXPECT_EQ(c.f.Command2.Enabled, t.compute) << t.typed;
    c.f.SetFocus(c.f.Command1);
    c.Click(*t.box);
    EXPECT_EQ(t.box->SelStart() * 100 + t.box->SelLength(), t.selected) << t.typed;
  }
  c.f.LATS[0].SetText("23.2601234");  // seconds select their full length at the precision
  c.Click(c.f.LATS[0]);
  EXPECT_EQ(c.f.LATS[0].SelLength(), 6);
  c.f.UserType(c.f.Text1[0], "1E999");  // pasted: beyond the range of a double
  EXPECT_EQ(c.f.Text1[0].Text(), "");
  c.f.Text2.SetText("12,5");  // the program's own writes stay as they are, typing around them too
  c.f.UserType(c.f.Text2, ",12,5");
  EXPECT_EQ(c.f.Text2.Text(), ".12,5");
}

// A Shift-click, or Shift+Return in the box, reads a whole position from the paste box, in its
// fixed layout, and beeps; a double click empties the box.
TEST(Entry, PasteBox) {
  const struct {
    std::int16_t slot;
    const char* text;
    int shift;          // of the mouse press; -1: Shift+Return in the box
    const char* shown;  // nullptr: unchanged
    const char* nameAndHemispheres;
  } cases[] = {
      // clang-format off
      {0, "WP1 N49°00'23.26 E006°09'41.28", kShift, "49 00 23.26 006 09 41.28", "WP1 NE"},
      {2, "WP1 N49°00'23,26 E006°09'41,28", -1, "49 00 23.26 006 09 41.28", "WP1 NE"},
      {0, "  Brest   n48 23 12.34 e004 29 10.5  ", kShift, "48 23 12. 4 e 04 29 10.5",
       "Brest SW"},  // lower case: S and W; spaces shift the layout
      {3, "X S33:51:54.51 W151:12:34.99", -1, "33 51 54.51 151 12 34.99", "X SW"},
      {0, "WP1 N49°00'23.260 E006°09'41.280", kShift, "49 00 23.26  E0 6° 9'41.280",
       "WP1 NW"},  // three decimals overflow the layout
      {0, "A B", kShift, "     ", "A SW"},
      {0, "N49°00'23.26E006°09'41.28", kShift, nullptr, " NE"},  // no space: nothing to read
      {0, "WP1 N49°00'23.26 E006°09'41.28", kCtrl, nullptr, " NE"},
      {0, "WP1 N49°00'23.26 E006°09'41.28", kShift | kAlt, nullptr, " NE"},
      // clang-format on
  };
  for (const auto& t : cases) {
    Calculatrice c;
    if (t.slot >= 2) c.f.UserClick(c.f.Command8);
    const std::string before = c.Shown(t.slot);
    const Emplacement& e = c.f.Emplacements(t.slot);
    c.f.INS[t.slot].SetText(t.text);
    t.shift < 0 ? (void)(c.f.SetFocus(c.f.INS[t.slot]) && c.f.UserKey(Key::ShiftReturn))
                : c.f.UserMouseDown(c.f.INS[t.slot], 2, t.shift);
    EXPECT_EQ(c.Shown(t.slot), t.shown ? t.shown : before) << t.text;
    EXPECT_EQ(
        e.Nom->Text() + " " + e.Liste(Axe::Latitude)->Text() + e.Liste(Axe::Longitude)->Text(),
        t.nameAndHemispheres);
    EXPECT_EQ(c.platform.beeps, t.shift == kShift || t.shift < 0);
    c.f.UserDblClick(c.f.INS[t.slot]);
    EXPECT_EQ(c.f.INS[t.slot].Text(), "");
  }
}

// In each panel, with or without the About window open, Tab visits every control that can take
// the focus once, in the design's entry order (any of them first), the flag and the globe last in
// the direct panel only, the results and their unit last in the inverse one, and comes back;
// Shift+Tab walks back the same way. The direct panel's results take no tab.
TEST(Keyboard, TabWalksThePanelAndWraps) {
  const std::vector<std::string> orders[] = {
      {"Command1", "LatD(0)", "LATM(0)", "LATS(0)", "LOnD(0)", "LonM(0)", "LonS(0)", "Text1(0)",
       "Text1(1)", "Text1(2)", "Text2", "Command8", "Combo3", "Image2(1)", "Image1"},
      {"LatD(2)",  "LATM(2)",  "LATS(2)",  "Combo5",   "LOnD(2)",   "LonM(2)",      "LonS(2)",
       "Combo4",   "LatD(3)",  "LATM(3)",  "LATS(3)",  "Combo7",    "LOnD(3)",      "LonM(3)",
       "LonS(3)",  "Combo6",   "Command4", "Command7", "Command10", "Command11(3)", "Text1(5)",
       "Text1(4)", "Text1(3)", "Text1(8)", "Text1(7)", "Text1(6)",  "Text3",        "Label10"}};
  const auto walk = [](Calculatrice& c, Key key) {  // from the focus until it comes back
    std::vector<std::string> names;
    const Control* start = c.f.Focus();
    while (c.f.UserKey(key) && names.size() < 200) {
      names.push_back(c.f.Focus()->FullName());
      if (c.f.Focus() == start) break;
    }
    return names;
  };
  for (const bool about : {false, true}) {
    Calculatrice c;
    if (about) c.f.UserClick(c.f.Image1);
    for (const auto& order : orders) {
      if (&order == &orders[1]) c.f.UserClick(c.f.Command8);
      const std::vector<std::string> tab = walk(c, Key::Tab);
      std::vector<std::string> round = tab;  // from the order's first control, once round
      std::rotate(round.begin(), std::find(round.begin(), round.end(), order[0]), round.end());
      auto at = round.begin();
      for (const std::string& name : order) at = std::find(at, round.end(), name);
      EXPECT_NE(at, round.end()) << testing::PrintToString(tab);
      EXPECT_EQ(std::set<std::string>(tab.begin(), tab.end()).size(), tab.size());
      for (const char* output : {"LatD(1)", "FB(0)", "FB(5)"})
        EXPECT_EQ(std::count(tab.begin(), tab.end(), output), 0) << output;
      for (const char* covered : {"Image2(0)", "Image2(1)", "Image1"})
        EXPECT_TRUE(&order == &orders[0] || std::count(tab.begin(), tab.end(), covered) == 0)
            << covered;
      std::vector<std::string> back = walk(c, Key::BackTab);
      std::rotate(back.begin(), back.end() - 1, back.end());
      EXPECT_EQ(std::vector<std::string>(back.rbegin(), back.rend()), tab);
    }
  }
}

// Return presses the shown default button, or the focused button; Escape closes the About
// window; the Quit key ends the program.
TEST(Keyboard, ReturnEscapeAndQuit) {
  Calculatrice c;
  EXPECT_FALSE(c.f.UserKey(Key::Return));  // "Calculer" is disabled without a distance
  c.Type(c.f.Text2, "10");
  EXPECT_TRUE(c.f.UserKey(Key::Return));
  EXPECT_EQ(c.Shown(1), "00 10 02.961 00 00 00.000");  // ten miles north (GeographicLib)
  c.f.SetFocus(c.f.Text2);
  c.f.UserKey(Key::Return);  // the same results: no box changes, so the focus stays
  EXPECT_EQ(c.f.Focus(), &c.f.Text2);
  c.f.SetFocus(c.f.Command5);
  c.f.UserKey(Key::Return);  // the focused button, not the default one
  EXPECT_EQ(c.f.Text2.Text(), "");
  c.f.UserClick(c.f.Command8);
  c.f.UserKey(Key::Return);
  EXPECT_EQ(c.platform.beeps, 1);  // the design's same two points: no result
  EXPECT_FALSE(c.f.UserKey(Key::Escape));
  c.f.UserClick(c.f.Image1);
  EXPECT_TRUE(c.about.Fenetre()->UserKey(Key::Escape));
  EXPECT_EQ(c.about.Fenetre(), nullptr);
  c.f.UserKey(Key::Quit);
  EXPECT_EQ(c.platform.quits, 1);
}

// Space presses the focused button, picture or option button, Return the focused button or
// picture, or else the default one: the flag, which leaves the focus at its place, the globe and
// the inverse panel's unit; F1 opens the About window from either panel. Space in a box is the
// box's, and so is Shift+Return but in a paste box. The unit is told by the name screen readers
// hear for the unit label, the unit it switches to.
TEST(Keyboard, SpaceReturnAndHelp) {
  Calculatrice c;
  FormFormules& f = c.f;
  const auto state = [&] {
    const bool about = c.about.Fenetre() && c.platform.shown.back() == c.about.Fenetre();
    return std::string(f.EnAnglais() ? "en " : "fr ") + f.Focus()->FullName() + " " +
           f.Label10.AccessibleName + (about ? " about" : "");
  };
  const struct {
    Control* focus;  // given the focus first; nullptr: where it is
    Key key;
    bool used;
    const char* after;
  } cases[] = {
      {&f.Image2[1], Key::Space, true, "en Image2(0) Switch to meters"},
      {nullptr, Key::Return, true, "fr Image2(1) Passer en mètres"},
      {&f.Option1[0], Key::Space, true, "fr Option1(0) Passer en milles nautiques"},
      {nullptr, Key::Return, false, "fr Option1(0) Passer en milles nautiques"},  // "Calculer" off
      {&f.Text2, Key::Space, false, "fr Text2 Passer en milles nautiques"},
      {&f.Image1, Key::Return, true, "fr Image1 Passer en milles nautiques about"},
      {&f.LatD[0], Key::Help, true, "fr LatD(0) Passer en milles nautiques about"},
      {&f.Command8, Key::Space, true, "fr LatD(2) Passer en milles nautiques"},
      {nullptr, Key::ShiftReturn, false, "fr LatD(2) Passer en milles nautiques"},
      {nullptr, Key::Help, true, "fr LatD(2) Passer en milles nautiques about"},
      {&f.Label10, Key::Space, true, "fr Label10 Passer en mètres"},
      {nullptr, Key::Return, true, "fr Label10 Passer en milles nautiques"},
  };
  for (const auto& t : cases) {
    if (t.focus) f.SetFocus(*t.focus);
    EXPECT_EQ(f.UserKey(t.key), t.used) << t.after;
    EXPECT_EQ(state(), t.after);
    if (c.about.Fenetre()) c.about.Fenetre()->UserKey(Key::Escape);
  }
}

// A list's keys from the item it shows: from the last, Down and End keep it (an emptied list
// would turn the position north); a typed letter chooses the next item that it starts, going
// round.
TEST(Keyboard, ListKeysFromTheItemShown) {
  Calculatrice c;
  const struct {
    ComboBox FormFormules::*list;
    std::int16_t from;
    ListKey key;
    const char* letter;  // typed instead of the key
    const char* chosen;
  } cases[] = {
      {&FormFormules::Combo1, 1, ListKey::Next, nullptr, "S"},
      {&FormFormules::Combo1, 1, ListKey::Last, nullptr, "S"},
      {&FormFormules::Combo1, 1, ListKey::Previous, nullptr, "N"},
      {&FormFormules::Combo3, 9, ListKey::Next, nullptr, "Sphérique"},
      {&FormFormules::Combo3, 2, ListKey::Next, "c", "Clarke 1880"},
      {&FormFormules::Combo3, 3, ListKey::Next, "C", "Clarke 1866"},
  };
  for (const auto& t : cases) {
    ComboBox& list = c.f.*t.list;
    c.f.UserSelect(list, t.from);
    t.letter ? (void)c.f.UserListCharacter(list, t.letter) : c.f.UserListKey(list, t.key);
    EXPECT_EQ(list.Text(), t.chosen) << list.FullName() << " from " << t.from;
  }
}
