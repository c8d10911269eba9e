#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Nombres.hpp"

using namespace orbalide;
using namespace orbalide::test;

namespace {

// The regional separators the computations are read under: the Arabic one is two bytes.
const std::string kSeparators[] = {".", ",", "٫"};

std::string Regional(std::string text, const std::string& separator) {
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, separator);
  return text;
}

template <std::size_t N>
std::string Three(const ControlArray<TextBox, N>& boxes, int first, int step) {
  std::string s;
  for (int i = first; i != first + 3 * step; i += step)
    s += boxes[static_cast<std::int16_t>(i)].Text() + (i == first + 2 * step ? "" : " ");
  return s;
}

}  // namespace

// Typed, clicked and read back as a user would: the design's figures, and a distance typed with
// a comma (1.5 Nm: GeographicLib); each under three regional separators.
TEST(Forward, ReferenceComputations) {
  const struct {
    MenuItem FormFormules::*precision;
    std::vector<std::string> departure, course;
    std::string distance;  // "m" at its end: metres
    std::string arrival, letters, arrivalCourse, returnCourse, tooltip;
  } cases[] = {
      // clang-format off
      {&FormFormules::Mmille, {"45", "00", "00", "000", "00", "00"}, {"180", "30", "00"}, "100000m",
       "44 06 00.468 00 00 39.233", "NW", "180 29 32.476", "0 29 32.476", "180.492354447"},
      {&FormFormules::Mmille, {"0", "0", "0", "0", "0", "0"}, {"180", "", ""}, "1852m",
       "00 01 00.296 00 00 00.000", "SE", "180 00 00", "360 00 00", "180"},
      {&FormFormules::Mmille, {"0", "0", "0", "0", "0", "0"}, {"90", "", ""}, "1000m",
       "00 00 00.000 00 00 32.339", "NE", "90 00 00", "270 00 00", "89.9999999999999"},
      {&FormFormules::Mmille, {"45", "", "", "001", "30", "/W"}, {"270", "", ""}, "1000000m",
       "14 04 52.430", "NW", "261 8 23.635", "81 8 23.635", "261.139898"},  // no leading zero
      {&FormFormules::Mmille, {"0", "0", "0", "0", "0", "0"}, {"90", "", ""}, "1,5",
       "00 00 00.000 00 01 29.839", "NE", "90 00 00", "270 00 00", "89.9999999999999"},
      {&FormFormules::Mcent, {"48", "30", "", "004", "30", "/W"}, {"300", "", ""}, "100",
       "49 18 42.45 06 42 21.50", "NW", "298 20 14.57", "118 20 14.57", "298.337"},
      {&FormFormules::Mmaxi, {"48", "30", "", "004", "30", "/W"}, {"300", "", ""}, "100",
       "49 18 42.4476558 06 42 21.5034642", "NW", "298 20 14.5657509", "118 20 14.5657509", "298"},
      // clang-format on
  };
  for (const std::string& separator : kSeparators) {
    for (const auto& t : cases) {
      Calculatrice c(separator);
      c.f.UserClick(c.f.*t.precision);
      std::vector<std::string> departure = t.departure;
      c.f.UserSelect(c.f.Combo2, departure[5].starts_with("/W"));
      departure[5] = departure[5].starts_with("/W") ? "" : departure[5];
      c.Position(0, departure);
      for (std::int16_t i = 0; i < 3; ++i) c.Type(c.f.Text1[i], t.course[std::size_t(i)]);
      const bool metres = t.distance.ends_with("m");
      c.Type(c.f.Text2, metres ? t.distance.substr(0, t.distance.size() - 1) : t.distance);
      c.f.UserSelect(c.f.Option1[metres ? 0 : 1]);
      c.f.UserClick(c.f.Command2);
      SCOPED_TRACE(t.distance + " " + separator);
      const std::string shown = c.Shown(1);
      EXPECT_EQ(shown.substr(shown.size() - t.arrival.size()), t.arrival);
      EXPECT_EQ(c.f.Label3[0].Caption + c.f.Label3[1].Caption, t.letters);
      EXPECT_EQ(Three(c.f.FB, 0, 1) + " | " + Three(c.f.FB, 3, 1),
                t.arrivalCourse + " | " + t.returnCourse);
      EXPECT_TRUE(c.f.FB[0].ToolTipText.starts_with(Regional(t.tooltip, separator)));
      EXPECT_EQ(c.f.Text2.Text().find(','), std::string::npos);  // a typed comma is a point
      EXPECT_EQ(c.f.Focus(), &c.f.LOnD[1]);  // the arrival's latitude boxes passed it on
    }
  }
}

// A computation without a result leaves no earlier result beside the new inputs, and beeps.
TEST(Forward, ArithmeticErrorEmptiesTheResultsAndBeeps) {
  Calculatrice c;
  c.Type(c.f.Text2, "100");
  c.f.UserClick(c.f.Command2);
  ASSERT_FALSE(c.f.FB[0].ToolTipText.empty());
  c.Type(c.f.Text2, "1E308");  // × 1852 overflows
  c.f.UserClick(c.f.Command2);
  EXPECT_EQ(c.platform.beeps, 1);
  EXPECT_EQ(c.Shown(1) + c.f.Label3[0].Caption + c.f.Label3[1].Caption + Three(c.f.FB, 0, 1) +
                Three(c.f.FB, 3, 1) + c.f.FB[0].ToolTipText,
            "         ");
  EXPECT_EQ(c.f.Text2.Text(), "1E308");  // the inputs stay
}

namespace {

// Types both positions of the inverse panel, in the unit asked for, and computes.
void ComputeInverse(Calculatrice& c, const std::vector<std::string>& from,
                    const std::vector<std::string>& to, bool metres = true) {
  c.f.UserClick(c.f.Command8);
  c.Position(2, from);
  c.Position(3, to);
  if (c.f.Option1[1].Value() == metres) c.f.UserClick(c.f.Label10);
  c.f.UserClick(c.f.Command4);
}

const std::vector<std::string> kOrigin{"0", "0", "0", "0", "0", "0"};

}  // namespace

// The design's figures under each regional separator; the feet shown strictly below 10,000 m:
// the last two rows show 10000.000 (GeographicLib), and the last one is 10,000 m to the bit.
TEST(InverseCommand, ReferenceComputations) {
  const struct {
    std::vector<std::string> from, to;
    bool metres;
    std::string distance, feet, initial, arrival;
  } cases[] = {
      // clang-format off
      {kOrigin, {"1", "0", "0", "1", "0", "0"}, true, "156899.568", "", "45 11 16.945",
       "45 11 48.362"},
      {kOrigin, {"1", "0", "0", "1", "0", "0"}, false, "84.719", "", "45 11 16.945",
       "45 11 48.362"},
      {kOrigin, {"0", "1", "0", "0", "0", "0"}, true, "1842.905", "6046.275 ft", "0 0 00.000",
       "0 0 00.000"},
      {{"10", "0", "0", "5", "0", "0"}, {"0", "0", "0", "5", "0", "0"}, true, "1105854.833", "",
       "180 0 00.000", "180 0 00.000"},
      {kOrigin, {"0", "0", "0", "0", "0", "323.3935"}, true, "10000.000", "32808.399 ft",
       "90 0 00.000", "90 0 00.000"},
      {kOrigin, {"0", "0", "0", "0", "0", "323.3935023261931"}, true, "10000.000", "",
       "90 0 00.000", "90 0 00.000"},
      // clang-format on
  };
  for (const std::string& separator : kSeparators) {
    for (const auto& t : cases) {
      Calculatrice c(separator);
      ComputeInverse(c, t.from, t.to, t.metres);
      SCOPED_TRACE(t.distance + " " + separator);
      EXPECT_EQ(c.f.Text3.Text() + " | " + c.f.Text3.ToolTipText,
                Regional(t.distance, separator) + " | " + Regional(t.feet, separator));
      EXPECT_EQ(Three(c.f.Text1, 5, -1) + " | " + Three(c.f.Text1, 8, -1),
                t.initial + " | " + t.arrival);  // seconds always with a point
      EXPECT_EQ(c.f.Label10.Caption, t.metres ? "Mètres" : "Nm");
    }
  }
  Calculatrice c;
  c.f.UserClick(c.f.Mmaxi);
  ComputeInverse(c, kOrigin, {"1", "0", "0", "1", "0", "0"});
  EXPECT_EQ(c.f.Text3.Text(), "156899.5682902");
  EXPECT_NEAR(LireNombre(c.f.Text1[5].ToolTipText), 45.18804022934, 5e-12);
}

// The feet of an earlier short distance never stay beside a new one. A computation without a
// result empties what it would have written, beeps, and says why in the distance's tooltip, in
// the window's language; the next result empties it.
TEST(InverseCommand, NoStaleResults) {
  const struct {
    std::vector<std::string> to;
    const char* french;
    const char* english;
  } cases[] = {
      {{"", "", "", "", "", ""},
       "Pas de résultat : les deux positions sont le même point.",
       "No result: the two positions are the same point."},
      {{"0", "30", "", "179", "42", ""},
       "Pas de résultat : les points sont presque antipodaux, la méthode de Vincenty ne converge "
       "pas en 20 passes.",
       "No result: the points are nearly antipodal, Vincenty's method does not settle within 20 "
       "passes."},
      {{"", "", "1E999", "", "", ""},
       "Pas de résultat : une valeur est hors du domaine de calcul.",
       "No result: a value is out of range."},
  };
  for (const auto& t : cases) {
    Calculatrice c;
    ComputeInverse(c, kOrigin, {"0", "1", "0", "0", "0", "0"});
    ASSERT_EQ(c.f.Text3.ToolTipText, "6046.275 ft");
    ComputeInverse(c, {"", "", "", "", "", ""}, t.to);
    EXPECT_EQ(c.platform.beeps, 1);
    EXPECT_EQ(c.f.Text3.Text() + Three(c.f.Text1, 3, 1) + Three(c.f.Text1, 6, 1) +
                  c.f.Text1[5].ToolTipText + c.f.Text1[8].ToolTipText,
              "    ");
    EXPECT_EQ(c.f.Text3.ToolTipText, t.french);
    EXPECT_EQ(c.f.Label10.Caption, "Mètres");  // everything else as it was
    for (Control* click : std::initializer_list<Control*>{&c.f.Command7, &c.f.Image2[1]})
      c.f.UserClick(*click);
    EXPECT_EQ(c.f.Text3.ToolTipText, t.english);
    ComputeInverse(c, kOrigin, {"1", "0", "0", "1", "0", "0"});
    EXPECT_EQ(c.f.Text3.ToolTipText, "");  // a result, and too long for feet
  }
}
