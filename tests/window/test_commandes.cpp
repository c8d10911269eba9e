#include <gtest/gtest.h>

#include "Calculatrice.hpp"
#include "Nombres.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;
using namespace orbalide::test;

namespace {

struct Forward {
  std::vector<std::string> departure;
  std::int16_t south, west;
  std::vector<std::string> course;
  std::string distance;
  bool metres;
  std::string arrival, letters, arrivalCourse, returnCourse;
};

void Compute(Calculatrice& c, const Forward& t) {
  c.Position(0, t.departure);
  c.f.UserSelect(c.f.Combo1, t.south);
  c.f.UserSelect(c.f.Combo2, t.west);
  for (std::int16_t i = 0; i < 3; ++i) c.Type(c.f.Text1[i], t.course[static_cast<std::size_t>(i)]);
  c.Type(c.f.Text2, t.distance);
  c.f.UserSelect(c.f.Option1[t.metres ? 0 : 1]);
  c.f.UserClick(c.f.Command2);
}

// 45° N 0° E, course 180° 30′, 100 km: arrival 44 06 00.468 N, 00 00 39.233 W.
const Forward kSudOuest{{"45", "00", "00", "000", "00", "00"},
                        0,
                        0,
                        {"180", "30", "00"},
                        "100000",
                        true,
                        "",
                        "",
                        "",
                        ""};

std::string Course(const FormFormules& f, std::int16_t first) {
  return f.FB[first].Text() + " " + f.FB[static_cast<std::int16_t>(first + 1)].Text() + " " +
         f.FB[static_cast<std::int16_t>(first + 2)].Text();
}

}  // namespace

// Typed, clicked and read back as a user would, under both regional separators.
TEST(Forward, ReferenceComputations) {
  // clang-format off
  const Forward cases[] = {
      {{"45", "00", "00", "000", "00", "00"}, 0, 0, {"180", "30", "00"}, "100000", true,
       "44 06 00.468 00 00 39.233", "NW", "180 29 32.476", "0 29 32.476"},
      {{"0", "0", "0", "0", "0", "0"}, 0, 0, {"180", "", ""}, "1852", true,
       "00 01 00.296 00 00 00.000", "SE", "180 00 00", "360 00 00"},
      {{"0", "0", "0", "0", "0", "0"}, 0, 0, {"90", "", ""}, "1000", true,
       "00 00 00.000 00 00 32.339", "NE", "90 00 00", "270 00 00"},
      {{"45", "", "", "001", "30", ""}, 0, 1, {"270", "", ""}, "1000000", true,
       "14 04 52.430", "NW", "261 8 23.635", "81 8 23.635"},  // minutes without a leading zero
      {{"0", "0", "0", "0", "0", "0"}, 0, 0, {"90", "", ""}, "1,5", false,  // a typed comma
       "00 00 00.000 00 01 29.839", "NE", "90 00 00", "270 00 00"},  // is a point: 1.5 Nm
  };
  // clang-format on

  for (const char* separator : {".", ","}) {
    for (const Forward& t : cases) {
      Calculatrice c(separator);
      Compute(c, t);
      SCOPED_TRACE(t.distance + " " + separator);
      const std::string shown = c.Shown(1);
      EXPECT_EQ(shown.substr(shown.size() - t.arrival.size()), t.arrival);
      EXPECT_EQ(c.f.Label3[0].Caption + c.f.Label3[1].Caption, t.letters);
      EXPECT_EQ(Course(c.f, 0), t.arrivalCourse);
      EXPECT_EQ(Course(c.f, 3), t.returnCourse);
      EXPECT_EQ(c.f.Text2.Text().find(','), std::string::npos);
    }
  }
}

TEST(Forward, CourseTooltipKeepsTheRegionalSeparator) {
  Calculatrice point("."), comma(",");
  Compute(point, kSudOuest);
  Compute(comma, kSudOuest);
  EXPECT_EQ(point.f.FB[0].ToolTipText.substr(0, 13), "180.492354447");
  EXPECT_EQ(comma.f.FB[0].ToolTipText.substr(0, 13), "180,492354447");
  EXPECT_EQ(comma.f.LATS[1].Text(), "00.468");  // seconds always with a point
}

// Nautical miles at each precision.
TEST(Forward, NauticalMilesAtEachPrecision) {
  const struct {
    void (FormFormules::*menu)();
    const char* arrival;
    const char* course;
  } cases[] = {
      {&FormFormules::Mcent_Click, "49 18 42.45 06 42 21.50", "298 20 14.57"},
      {&FormFormules::Mmaxi_Click, "49 18 42.4476558 06 42 21.5034642", "298 20 14.5657509"},
  };
  for (const auto& t : cases) {
    Calculatrice c;
    (c.f.*t.menu)();
    Compute(
        c,
        {{"48", "30", "", "004", "30", ""}, 0, 1, {"300", "", ""}, "100", false, "", "", "", ""});
    EXPECT_EQ(c.Shown(1), t.arrival);
    EXPECT_EQ(c.f.Label3[0].Caption + c.f.Label3[1].Caption, "NW");
    EXPECT_EQ(Course(c.f, 0), t.course);
    EXPECT_EQ(c.f.FB[3].Text(), "118");
    EXPECT_EQ(c.f.FB[5].Text(), c.f.FB[2].Text());
  }
}

// The arrival is written field by field; the latitude fields pass the focus on, the longitude
// fields of the arrival do not.
TEST(Forward, FocusEndsInTheArrivalLongitude) {
  Calculatrice c;
  Compute(c, kSudOuest);
  EXPECT_EQ(c.f.Focus(), &c.f.LOnD[1]);
}

// A computation without a result leaves no earlier result beside the new inputs.
TEST(Forward, ArithmeticErrorEmptiesTheResultsAndBeeps) {
  Calculatrice c;
  Compute(c, kSudOuest);
  ASSERT_FALSE(c.f.FB[0].ToolTipText.empty());
  c.Type(c.f.Text2, "1E308");  // × 1852 overflows
  c.f.UserSelect(c.f.Option1[1]);
  const int beeps = c.platform.beeps;
  c.f.UserClick(c.f.Command2);
  EXPECT_EQ(c.platform.beeps, beeps + 1);
  EXPECT_EQ(c.Shown(1), "     ");
  EXPECT_EQ(c.f.Label3[0].Caption + c.f.Label3[1].Caption, "");
  for (TextBox& t : c.f.FB) EXPECT_EQ(t.Text(), "");
  EXPECT_EQ(c.f.FB[0].ToolTipText, "");
  EXPECT_EQ(c.f.LatD[0].Text(), "45");  // the inputs stay
}

namespace {

struct Inverse {
  std::vector<std::string> from, to;
  bool metres;
  std::string distance, feet, initial, arrival, unit;
};

void ComputeInverse(Calculatrice& c, const Inverse& t) {
  c.f.UserClick(c.f.Command8);
  c.Position(2, t.from);
  c.Position(3, t.to);
  for (ComboBox* list : {&c.f.Combo5, &c.f.Combo4, &c.f.Combo7, &c.f.Combo6})
    c.f.UserSelect(*list, 0);
  if (c.f.Option1[1].Value() == t.metres) c.f.UserClick(c.f.Label10);
  c.f.UserClick(c.f.Command4);
}

std::string Courses(const FormFormules& f, int first) {
  std::string s;
  for (int i = first; i > first - 3; --i) s += f.Text1[static_cast<std::int16_t>(i)].Text() + " ";
  s.pop_back();
  return s;
}

}  // namespace

TEST(InverseCommand, ReferenceComputations) {
  // clang-format off
  const Inverse cases[] = {
      {{"0", "0", "0", "0", "0", "0"}, {"1", "0", "0", "1", "0", "0"}, true, "156899.568", "",
       "45 11 16.945", "45 11 48.362", "Mètres"},
      {{"0", "0", "0", "0", "0", "0"}, {"1", "0", "0", "1", "0", "0"}, false, "84.719", "",
       "45 11 16.945", "45 11 48.362", "Nm"},
      {{"0", "0", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "0"}, true, "1842.905",
       "6046.275 ft", "0 0 00.000", "0 0 00.000", "Mètres"},
      {{"10", "0", "0", "5", "0", "0"}, {"0", "0", "0", "5", "0", "0"}, true, "1105854.833", "",
       "180 0 00.000", "180 0 00.000", "Mètres"},
  };
  // clang-format on

  for (const std::string separator : {".", ",", "٫"}) {  // the Arabic one is two bytes
    for (const Inverse& t : cases) {
      Calculatrice c(separator);
      ComputeInverse(c, t);
      std::string distance = t.distance, feet = t.feet;
      for (std::string* s : {&distance, &feet}) {
        if (const auto dot = s->find('.'); dot != std::string::npos) s->replace(dot, 1, separator);
      }
      SCOPED_TRACE(t.distance + " " + separator);
      EXPECT_EQ(c.f.Text3.Text(), distance);
      EXPECT_EQ(c.f.Text3.ToolTipText, feet);
      EXPECT_EQ(Courses(c.f, 5), t.initial);  // seconds always with a point
      EXPECT_EQ(Courses(c.f, 8), t.arrival);
      EXPECT_EQ(c.f.Label10.Caption, t.unit);
    }
  }
  Calculatrice c;
  ComputeInverse(c, cases[0]);
  EXPECT_NEAR(LireNombre(c.f.Text1[5].ToolTipText), 45.18804022934, 5e-12);
}

TEST(InverseCommand, SevenDecimals) {
  Calculatrice c;
  c.f.Mmaxi_Click();
  ComputeInverse(
      c,
      {{"0", "0", "0", "0", "0", "0"}, {"1", "0", "0", "1", "0", "0"}, true, "", "", "", "", ""});
  EXPECT_EQ(c.f.Text3.Text(), "156899.5682902");
}

// The feet of an earlier short distance never stay beside a new one. A computation without a
// result empties what it would have written, beeps, and says why in the distance's tooltip, in
// the window's language; the next result empties it.
TEST(InverseCommand, NoStaleResults) {
  const Inverse shortLine{
      {"0", "0", "0", "0", "0", "0"}, {"0", "1", "0", "0", "0", "0"}, true, "", "", "", "", ""};
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
    ComputeInverse(c, shortLine);
    ASSERT_EQ(c.f.Text3.ToolTipText, "6046.275 ft");
    c.Position(2, {"", "", "", "", "", ""});
    c.Position(3, t.to);
    c.f.UserClick(c.f.Command4);
    EXPECT_EQ(c.platform.beeps, 1);
    EXPECT_EQ(c.f.Text3.Text(), "");
    EXPECT_EQ(c.f.Text3.ToolTipText, t.french);
    for (std::int16_t i = 3; i < 9; ++i) EXPECT_EQ(c.f.Text1[i].Text(), "");
    EXPECT_EQ(c.f.Text1[5].ToolTipText + c.f.Text1[8].ToolTipText, "");
    EXPECT_EQ(c.f.Label10.Caption, "Mètres");  // everything else as it was
    for (Control* click :
         std::initializer_list<Control*>{&c.f.Command7, &c.f.Image2[1], &c.f.Command8})
      c.f.UserClick(*click);
    EXPECT_EQ(c.f.Text3.ToolTipText, t.english);
    c.Position(3, {"1", "0", "0", "1", "0", "0"});
    c.f.UserClick(c.f.Command4);
    EXPECT_EQ(c.f.Text3.ToolTipText, "");  // a result, and too long for feet
  }
}
