#include <gtest/gtest.h>

#include "Calculatrice.hpp"

using namespace orbalide;
using namespace orbalide::test;
using namespace std::string_literals;

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

const char* const kOrigin = "0 0 0 0 0 0";

}  // namespace

// One window, one computation after another, typed, clicked and read back as a user would: the
// design's figures, under each regional separator; a typed comma is a decimal point whatever the
// separator (1.5 Nm north: GeographicLib). A computation without a result beeps and leaves nothing
// of the one before it, its route included.
TEST(Forward, ReferenceComputations) {
  const struct {
    MenuItem FormFormules::*precision;
    const char* departure;
    std::int16_t west;
    const char *course, *distance;
    bool metres;
    std::string arrival, letters, arrivalCourse, returnCourse, tooltip;
  } cases[] = {
      // clang-format off
      {&FormFormules::Mmille, "45 00 00 000 00 00", 0, "180 30 00", "100000", true,
       "44 06 00.468 00 00 39.233", "NW", "180 29 32.476", "0 29 32.476", "180.492354447"},
      {&FormFormules::Mmille, kOrigin, 0, "180  ", "1852", true,
       "00 01 00.296 00 00 00.000", "SE", "180 00 00", "360 00 00", "180"},
      {&FormFormules::Mmille, kOrigin, 0, "0  ", "1E308", false, "     ", "", "  ", "  ", ""},
      {&FormFormules::Mmille, kOrigin, 0, "0  ", "1,5", false,
       "00 01 30.444 00 00 00.000", "NE", "0 0 00.000", "180 0 00.000", "0"},
      {&FormFormules::Mmille, kOrigin, 0, "90  ", "1000", true,
       "00 00 00.000 00 00 32.339", "NE", "90 00 00", "270 00 00", "89.9999999999999"},
      {&FormFormules::Mmille, "45   001 30 ", 1, "270  ", "1000000", true,
       "14 04 52.430", "NW", "261 8 23.635", "81 8 23.635", "261.139898"},  // no leading zero
      {&FormFormules::Mcent, "48 30  004 30 ", 1, "300  ", "100", false,
       "49 18 42.45 06 42 21.50", "NW", "298 20 14.57", "118 20 14.57", "298.337"},
      {&FormFormules::Mmaxi, "48 30  004 30 ", 1, "300  ", "100", false,
       "49 18 42.4476558 06 42 21.5034642", "NW", "298 20 14.5657509", "118 20 14.5657509", "298"},
      // clang-format on
  };
  for (const std::string& separator : kSeparators) {
    Calculatrice c(separator);
    for (const auto& t : cases) {
      const int beeps = c.platform.beeps;
      c.f.UserClick(c.f.*t.precision);
      c.f.UserSelect(c.f.Combo2, t.west);
      c.Position(0, t.departure);
      c.TypeFields({&c.f.Text1[0], &c.f.Text1[1], &c.f.Text1[2]}, t.course);
      c.Type(c.f.Text2, t.distance);
      c.f.UserSelect(c.f.Option1[t.metres ? 0 : 1]);
      const std::string distance = c.f.Text2.Text();
      c.f.UserClick(c.f.Command2);
      c.f.UserContextMenu(c.f.Command11[0]);
      SCOPED_TRACE(std::string(t.distance) + " " + separator);
      const std::string shown = c.Shown(1), tip = c.f.FB[0].ToolTipText;
      EXPECT_EQ(shown.substr(shown.size() - t.arrival.size()), t.arrival);
      EXPECT_EQ(c.f.Label3[0].Caption + c.f.Label3[1].Caption + " | " + Three(c.f.FB, 0, 1) +
                    " | " + Three(c.f.FB, 3, 1),
                t.letters + " | " + t.arrivalCourse + " | " + t.returnCourse);
      EXPECT_TRUE(tip.starts_with(Regional(t.tooltip, separator)) &&
                  tip.empty() == t.tooltip.empty())
          << tip;
      EXPECT_EQ(c.f.Text2.Text(), distance);  // the inputs stay
      EXPECT_EQ(c.f.MRoute.Enabled, !t.letters.empty());
      EXPECT_EQ(c.platform.beeps - beeps, t.letters.empty());
      EXPECT_TRUE(t.letters.empty() || c.f.Focus() == &c.f.LOnD[1]);  // passed on by the latitude
    }
  }
}

// One window, one computation after another, under each regional separator and in each language:
// the design's figures; the feet strictly below 10,000 m (both 10000.000 rows are 10,000 m to
// GeographicLib, the last one to the bit). A computation without a result empties what it would
// have written, beeps, and says why in the distance's tooltip in the window's language, which
// the flag switches; the next result empties it, and without one there is no route to export. The
// unit label empties the distance and its feet, flips the unit and names it in French whatever
// the language.
TEST(InverseCommand, ReferenceComputations) {
  const char* const same[] = {"Pas de résultat : les deux positions sont le même point.",
                              "No result: the two positions are the same point."};
  const char* const antipodal[] = {
      "Pas de résultat : les points sont presque antipodaux, la méthode de Vincenty ne converge "
      "pas en 20 passes.",
      "No result: the points are nearly antipodal, Vincenty's method does not settle within 20 "
      "passes."};
  const char* const range[] = {"Pas de résultat : une valeur est hors du domaine de calcul.",
                               "No result: a value is out of range."};
  const struct {
    const char *from, *to;
    bool metres;
    std::string distance, feet;
    const char* const* cause;  // of no result, in French and English
    std::string initial, arrival;
  } cases[] = {
      // clang-format off
      {kOrigin, "1 0 0 1 0 0", true, "156899.568", "", nullptr, "45 11 16.945", "45 11 48.362"},
      {kOrigin, "0 1 0 0 0 0", true, "1842.905", "6046.275 ft", nullptr, "0 0 00.000", "0 0 00.000"},
      {kOrigin, "1 0 0 1 0 0", false, "84.719", "", nullptr, "45 11 16.945", "45 11 48.362"},
      {kOrigin, kOrigin, true, "", "", same, "  ", "  "},
      {"10 0 0 5 0 0", "0 0 0 5 0 0", true, "1105854.833", "", nullptr, "180 0 00.000",
       "180 0 00.000"},
      {kOrigin, "0 0 0 0 0 323.3935", true, "10000.000", "32808.399 ft", nullptr, "90 0 00.000",
       "90 0 00.000"},
      {kOrigin, "0 30  179 42 ", true, "", "", antipodal, "  ", "  "},
      {kOrigin, "0 0 0 0 0 323.3935023261931", true, "10000.000", "", nullptr, "90 0 00.000",
       "90 0 00.000"},
      {kOrigin, "0 0 1E999 0 0 0", true, "", "", range, "  ", "  "},
      // clang-format on
  };
  for (const std::string& separator : kSeparators) {
    for (std::int16_t english = 0; english < 2; ++english) {
      Calculatrice c(separator);
      c.f.UserClick(c.f.Image2[english]);
      c.f.UserClick(c.f.Command8);
      for (const auto& t : cases) {
        const int beeps = c.platform.beeps;
        c.Position(2, t.from);
        c.Position(3, t.to);
        if (c.f.Option1[1].Value() == t.metres) {  // the unit label: no distance, no feet
          c.f.UserClick(c.f.Label10);
          EXPECT_EQ(c.f.Text3.Text() + c.f.Text3.ToolTipText + c.f.Label10.Caption,
                    t.metres ? "Mètres" : "Nm");
        }
        c.f.UserClick(c.f.Command4);
        c.f.UserContextMenu(c.f.Command11[2]);
        EXPECT_EQ(c.f.MRoute.Enabled, !t.distance.empty());
        SCOPED_TRACE(testing::Message() << "row " << &t - cases << " " << separator << english);
        EXPECT_EQ(c.f.Text3.Text() + " | " + c.f.Text3.ToolTipText,
                  Regional(t.distance, separator) + " | " +
                      (t.cause ? t.cause[english] : Regional(t.feet, separator)));
        EXPECT_EQ(Three(c.f.Text1, 5, -1) + " | " + Three(c.f.Text1, 8, -1),
                  t.initial + " | " + t.arrival);  // seconds always with a point
        EXPECT_EQ(c.f.Text1[5].ToolTipText.empty() + c.f.Text1[8].ToolTipText.empty(),
                  t.distance.empty() ? 2 : 0);
        EXPECT_EQ(c.f.Label10.Caption, t.metres ? "Mètres" : "Nm");
        EXPECT_EQ(c.platform.beeps - beeps, t.distance.empty());
      }
      c.f.UserClick(c.f.Command7);
      c.f.UserClick(c.f.Image2[std::int16_t(1 - english)]);
      EXPECT_EQ(c.f.Text3.ToolTipText, range[1 - english]);
      c.f.UserSelect(c.f.Option1[1]);  // the option buttons change the unit only
      EXPECT_EQ(c.f.Label10.Caption + (c.f.Option1[1].Value() ? " Nm" : ""), "Mètres Nm");
    }
  }
  Calculatrice c;
  c.f.UserClick(c.f.Mmaxi);
  c.f.UserClick(c.f.Command8);
  c.Position(3, "1 0 0 1 0 0");
  c.f.UserClick(c.f.Label10);
  c.f.UserClick(c.f.Command4);
  EXPECT_EQ(c.f.Text3.Text(), "156899.5682902");
}

// After each computation a screen reader hears, in the window's language, the results as the
// boxes show them (GeographicLib's figures), or why there is none; the same results twice, twice.
TEST(Reader, HearsTheResultsOrWhyThereAreNone) {
  const struct {
    bool english, inverse, metres;
    const char *to, *said;  // to: the inverse's arrival, or the course and the distance
  } cases[] = {
      {false, false, true, "180 30 00 100000",
       "Arrivée : latitude 44 degrés 06 minutes 00.468 secondes N, longitude 00 degrés 00 minutes "
       "39.233 secondes W. Route à l'arrivée : 180 degrés 29 minutes 32.476 secondes. Route "
       "retour : 0 degrés 29 minutes 32.476 secondes."},
      {true, true, false, "44 00 00 000 00 00",
       "Distance: 60.001 nautical miles. Initial course: 180 degrees 0 minutes 00.000 seconds. "
       "Arrival course: 180 degrees 0 minutes 00.000 seconds."},
      {false, true, true, "45 00 00 000 00 00",
       "Pas de résultat : les deux positions sont le même point."},
      {true, false, false, "0   1E308", "No result: a value is out of range."},
  };
  for (const auto& t : cases) {
    Calculatrice c;
    FormFormules& f = c.f;
    if (t.english) f.UserClick(f.Image2[1]);
    f.UserSelect(f.Option1[t.metres ? 0 : 1]);
    if (t.inverse) f.UserClick(f.Command8);
    c.Position(t.inverse ? 2 : 0, "45 00 00 000 00 00");
    t.inverse ? c.Position(3, t.to)
              : c.TypeFields({&f.Text1[0], &f.Text1[1], &f.Text1[2], &f.Text2}, t.to);
    for (int twice = 0; twice < 2; ++twice) f.UserClick(t.inverse ? f.Command4 : f.Command2);
    EXPECT_EQ(f.Announcement() + " " + std::to_string(f.AnnouncementCount()), t.said + " 2"s);
  }
}
