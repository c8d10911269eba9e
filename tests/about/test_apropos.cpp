#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Distribution.hpp"
#include "Textes.hpp"

using namespace orbalide;
using namespace orbalide::test;

// Loaded hidden at start-up by the language routine; shown by Image1.
TEST(About, LoadedHiddenThenShownWithTheVersion) {
  Calculatrice c;
  c.platform.version = {1, 1, 0};
  ASSERT_NE(c.about.Fenetre(), nullptr);
  EXPECT_EQ(std::count(c.platform.shown.begin(), c.platform.shown.end(), c.about.Fenetre()), 0);
  c.f.UserClick(c.f.Image1);
  apropos* w = c.about.Fenetre();
  EXPECT_EQ(c.platform.shown.back(), w);
  EXPECT_EQ(w->Label6[0].Caption, "Version: 1.0.0");  // loaded before the version changed
  EXPECT_EQ(w->Label3.MousePointer, Picture::Icon);
  EXPECT_EQ(w->Label6[1].MousePointer, Picture::Icon);
  c.f.UserClick(c.f.Image1);  // a second click brings the same window forward
  EXPECT_EQ(c.about.Fenetre(), w);
  EXPECT_EQ(c.platform.shown.back(), w);
  c.f.UserClick(w->Label1);
  c.f.UserClick(c.f.Image1);  // loaded afresh
  EXPECT_EQ(c.about.Fenetre()->Label6[0].Caption, "Version: 1.1.0");
}

// Every click but the two links closes the window; the web link leaves it open.
TEST(About, ClosingClicksAndLinks) {
  Calculatrice c;
  const std::vector<std::function<Control*(apropos&)>> closers{
      [](apropos& w) { return &w.Image1; }, [](apropos& w) { return &w.Label1; },
      [](apropos& w) { return &w.Label2[0]; }, [](apropos& w) { return &w.Label2[1]; },
      [](apropos& w) { return &w.Label6[0]; }};
  for (const auto& closer : closers) {
    c.f.UserClick(c.f.Image1);
    apropos* w = c.about.Fenetre();
    c.f.UserClick(*closer(*w));
    EXPECT_EQ(c.about.Fenetre(), nullptr);
    EXPECT_EQ(c.platform.unloaded.back(), w);
    EXPECT_EQ(c.platform.shown.back(), &c.f);  // the main window comes forward
  }
  c.f.UserClick(c.f.Image1);
  c.about.Fenetre()->Click();  // the window's own background
  EXPECT_EQ(c.about.Fenetre(), nullptr);

  c.f.UserClick(c.f.Image1);
  c.f.UserClick(c.about.Fenetre()->Label6[1]);
  c.f.UserClick(c.about.Fenetre()->Label3);
  ASSERT_NE(c.about.Fenetre(), nullptr);
  EXPECT_EQ(c.platform.opened, (std::vector<std::string>{std::string(kSiteWeb),
                                                         "mailto:" + std::string(kCourrielAuteur) +
                                                             "?subject=Tiramoss V1.0.0"}));
}

TEST(About, TextsFollowTheLanguage) {
  Calculatrice c;
  c.f.UserClick(c.f.Image1);
  EXPECT_EQ(c.about.Fenetre()->Label2[1].Caption, kAproposFrancais.Description);
  c.f.Image2_Click(1);  // switched while open: at once
  EXPECT_EQ(c.about.Fenetre()->Label2[1].Caption, kAproposAnglais.Description);
  EXPECT_EQ(c.about.Fenetre()->Label2[0].Caption, kAproposAnglais.Precision);
  c.f.UserClick(c.about.Fenetre()->Label1);
  for (int opening = 0; opening < 2; ++opening) {  // opened, closed, opened again
    c.f.UserClick(c.f.Image1);
    EXPECT_EQ(c.about.Fenetre()->Label2[1].Caption, kAproposAnglais.Description);
    EXPECT_EQ(c.about.Fenetre()->Label2[0].Caption, kAproposAnglais.Precision);
    c.f.UserClick(c.about.Fenetre()->Image1);
  }
  EXPECT_EQ(kAproposAnglais.Description.substr(0, 4), "   T");
  EXPECT_EQ(kAproposAnglais.Description.back(), ' ');
  EXPECT_NE(kAproposFrancais.Description.find("''Directe''"), std::string_view::npos);
}

// "Quitter" ends the program even while the About window is open.
TEST(About, QuitWhileOpen) {
  Calculatrice c;
  c.f.UserClick(c.f.Image1);
  c.f.UserClick(c.f.Command1);
  EXPECT_EQ(c.platform.quits, 1);
  c.f.UserClick(c.f.Command8);
  c.f.UserClick(c.f.Command10);
  EXPECT_EQ(c.platform.quits, 2);
  c.f.Form_Unload();  // the title bar takes the same path
  EXPECT_EQ(c.platform.quits, 3);
}
