#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Distribution.hpp"

using namespace orbalide;
using namespace orbalide::test;

// Loaded hidden at start-up by the language routine; shown by the picture, brought forward by a
// second click, unloaded by a closing click and loaded afresh, with the version and the
// language of that moment. Every click but the two links closes the window and brings the main
// window forward; the links open the web site and a mail with the version in its subject, and
// so do Return and Space on them, which Tab reaches in reading order from nothing focused;
// "Quitter" and the title bar end the program even while it is open.
TEST(About, LifeClicksAndLinks) {
  Calculatrice c;
  c.platform.version = {1, 1, 0};
  ASSERT_NE(c.about.Fenetre(), nullptr);
  EXPECT_EQ(std::count(c.platform.shown.begin(), c.platform.shown.end(), c.about.Fenetre()), 0);
  for (int click = 0; click < 2; ++click) c.f.UserClick(c.f.Image1);
  apropos* w = c.about.Fenetre();
  EXPECT_EQ(c.platform.shown.back(), w);
  EXPECT_EQ(w->Label6[0].Caption, "Version: 1.0.0");  // loaded before the version changed
  EXPECT_TRUE(w->Label3.MousePointer == kIcone && w->Label6[1].MousePointer == kIcone);
  c.f.UserClick(w->Label1);
  c.f.UserClick(c.f.Image2[1]);
  c.f.UserClick(c.f.Image1);
  EXPECT_EQ(c.about.Fenetre()->Label6[0].Caption, "Version: 1.1.0");
  EXPECT_TRUE(c.about.Fenetre()->Label2[1].Caption.starts_with("   The earth is not round"));
  c.f.UserClick(c.f.Image2[0]);  // while it is open: at once
  EXPECT_TRUE(c.about.Fenetre()->Label2[0].Caption.starts_with("Les calculs sont effectués"));
  for (int k = 0; k < 6; ++k) {
    c.f.UserClick(c.f.Image1);
    w = c.about.Fenetre();
    Control* closers[] = {&w->Image1, &w->Label1, &w->Label2[0], &w->Label2[1], &w->Label6[0]};
    k < 5 ? c.f.UserClick(*closers[k]) : w->Click();  // the last: the window's own background
    EXPECT_EQ(c.about.Fenetre(), nullptr);
    EXPECT_EQ(c.platform.unloaded.back(), w);
    EXPECT_EQ(c.platform.shown.back(), &c.f);
  }
  c.f.UserClick(c.f.Image1);
  c.f.UserClick(c.about.Fenetre()->Label6[1]);
  c.f.UserClick(c.about.Fenetre()->Label3);
  apropos& shown = *c.about.Fenetre();
  EXPECT_EQ(shown.Focus(), nullptr);
  for (const Key key : {Key::Tab, Key::Return, Key::Tab, Key::Space})
    EXPECT_TRUE(shown.UserKey(key));
  EXPECT_EQ(shown.Focus(), &shown.Label3);
  const std::string mail = "mailto:" + std::string(kCourrielAuteur) + "?subject=Tiramoss V1.1.0";
  EXPECT_EQ(c.platform.opened,
            (std::vector<std::string>{std::string(kSiteWeb), mail, std::string(kSiteWeb), mail}));
  for (CommandButton* quit : {&c.f.Command1, &c.f.Command8, &c.f.Command10}) c.f.UserClick(*quit);
  c.f.Form_Unload();
  EXPECT_EQ(c.platform.quits, 3);
}
