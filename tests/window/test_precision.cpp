#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;
using namespace orbalide::test;

namespace {
std::string Checks(const FormFormules& f) {
  return std::string(f.Mcent.Checked ? "c" : "") + (f.Mmille.Checked ? "m" : "") +
         (f.Mmaxi.Checked ? "x" : "");
}
}  // namespace

TEST(Precision, MenuChoices) {
  Calculatrice c;
  EXPECT_EQ(Checks(c.f), "m");
  const struct {
    void (FormFormules::*menu)();
    const char* checks;
    std::int16_t decimals;
    const char* picture;
  } cases[] = {{&FormFormules::Mcent_Click, "c", 2, "00.00"},
               {&FormFormules::Mmaxi_Click, "x", 7, "00.0000000"},
               {&FormFormules::Mmaxi_Click, "x", 7, "00.0000000"},
               {&FormFormules::Mmille_Click, "m", 3, "00.000"}};
  for (const auto& t : cases) {
    c.f.UserClick(t.menu == &FormFormules::Mcent_Click   ? static_cast<Control&>(c.f.Mcent)
                  : t.menu == &FormFormules::Mmaxi_Click ? c.f.Mmaxi
                                                         : c.f.Mmille);
    EXPECT_EQ(Checks(c.f), t.checks);
    EXPECT_EQ(c.f.DecimalesSecondes, t.decimals);
    EXPECT_EQ(FormatSecondes(), t.picture);
  }
}

// Hundredths rewrite the typed departure seconds, an exact half going to the even hundredth.
TEST(Precision, HundredthsRewriteTheDepartureSeconds) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {{"23.265", "23.26"}, {"23.275", "23.28"},  {"07.045", "07.04"},
               {"23.5", "23.50"},   {"23.2651", "23.27"}, {"59.996", "60.00"},
               {"9.999", "10.00"},  {"23", "23"},         {"", ""},
               {"23.", "23.00"},    {"1.2x5", "1.20"},    {".005", ".00"}};
  for (const auto& t : cases) {
    Calculatrice c;
    c.f.LATS[0].SetText(t.before);
    c.f.LonS[0].SetText(t.before);
    c.f.Mcent_Click();
    EXPECT_EQ(c.f.LATS[0].Text(), t.after) << t.before;
    EXPECT_EQ(c.f.LonS[0].Text(), t.after) << t.before;
  }
}

TEST(Precision, RewriteMovesTheFocusAndHappensOnce) {
  Calculatrice c;
  c.f.LATS[0].SetText("23.265");
  c.f.LonS[0].SetText("41.280");
  c.f.LATS[2].SetText("23.265");
  c.f.Mcent_Click();
  EXPECT_EQ(c.f.LATS[0].Text(), "23.26");
  EXPECT_EQ(c.f.LonS[0].Text(), "41.28");
  EXPECT_EQ(c.f.LATS[2].Text(), "23.265");  // only the direct departure
  EXPECT_EQ(c.f.Focus(), &c.f.Text1[0]);
  c.f.Mcent_Click();
  EXPECT_EQ(c.f.LATS[0].Text(), "23.26");
  c.f.Mmaxi_Click();
  EXPECT_EQ(c.f.LATS[0].Text(), "23.26");
}

TEST(Precision, UnitLabelTogglesAndEmptiesTheDistance) {
  Calculatrice c;
  EXPECT_TRUE(c.f.Option1[1].Value());
  EXPECT_EQ(c.f.Label10.Caption, "");
  c.f.Image2_Click(1);  // in English too the label reads the French word
  c.f.Text3.SetText("84.719");
  c.f.Text3.ToolTipText = "277952.756 ft";
  c.f.Label10_Click();
  EXPECT_EQ(c.f.Text3.Text() + c.f.Text3.ToolTipText, "");  // the feet go with the distance
  EXPECT_TRUE(c.f.Option1[0].Value());
  EXPECT_FALSE(c.f.Option1[1].Value());
  EXPECT_EQ(c.f.Label10.Caption, "Mètres");
  c.f.Label10_Click();
  EXPECT_TRUE(c.f.Option1[1].Value());
  EXPECT_EQ(c.f.Label10.Caption, "Nm");
  c.f.UserSelect(c.f.Option1[0]);  // the option buttons change the unit only
  EXPECT_EQ(c.f.Label10.Caption, "Nm");
  EXPECT_FALSE(c.f.Option1[1].Value());
}
