#include <gtest/gtest.h>

#include "Calculatrice.hpp"

using namespace orbalide;
using namespace orbalide::test;

// Hundredths rewrite the typed departure seconds, an exact half going to the even hundredth;
// the rewrite moves the focus as typing does, and happens again at each choice of hundredths
// only, to the direct departure only. One choice is checked at a time, and sets the picture.
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
    for (TextBox* s : {&c.f.LATS[0], &c.f.LonS[0], &c.f.LATS[2]}) s->SetText(t.before);
    c.f.UserClick(c.f.Mcent);
    EXPECT_EQ(c.f.LATS[0].Text() + " " + c.f.LonS[0].Text(), std::string(t.after) + " " + t.after);
    EXPECT_EQ(c.f.LATS[2].Text(), t.before);
  }
  Calculatrice c;
  c.f.LATS[0].SetText("23.265");
  c.f.LonS[0].SetText("41.280");
  const struct {
    MenuItem FormFormules::*item;
    const char* checks;
    const char* picture;
  } choices[] = {{&FormFormules::Mcent, "c", "00.00"},
                 {&FormFormules::Mmaxi, "x", "00.0000000"},
                 {&FormFormules::Mmaxi, "x", "00.0000000"},
                 {&FormFormules::Mmille, "m", "00.000"}};
  for (const auto& t : choices) {
    c.f.UserClick(c.f.*t.item);
    EXPECT_EQ(std::string(c.f.Mcent.Checked ? "c" : "") + (c.f.Mmille.Checked ? "m" : "") +
                  (c.f.Mmaxi.Checked ? "x" : ""),
              t.checks);
    EXPECT_EQ(c.f.FormatSecondes, t.picture);
    EXPECT_EQ(c.f.DecimalesSecondes + 3, static_cast<int>(std::string(t.picture).size()));
    EXPECT_EQ(c.f.LATS[0].Text() + " " + c.f.LonS[0].Text(), "23.26 41.28");
  }
  EXPECT_EQ(c.f.Focus(), &c.f.Text1[0]);
}
