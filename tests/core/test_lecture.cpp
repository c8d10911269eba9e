#include <gtest/gtest.h>

#include <optional>

#include "Lecture.hpp"

using namespace orbalide;

// Every notation accepted, each defect of a field, on the reader of each kind of field. Values
// worked by hand: 49°00′23.26″ is 49.0064611111°, 6°09′41.28″ is 6.1614666667°, 49°01′30″ is
// 49.025°.
TEST(Lecture, NotationsAndDefects) {
  enum Champ { Lat, Lon, Route, Nombre };
  using enum DefautLecture;
  const struct {
    const char* text;
    Champ champ;
    double expected;  // when the defect is Aucun
    DefautLecture defect;
  } cases[] = {
      // clang-format off
      {"-49.5", Lat, -49.5, Aucun}, {"+6.25", Lon, 6.25, Aucun}, {"1e1", Lat, 10, Aucun},
      {"49.5S", Lat, -49.5, Aucun}, {"s49.5", Lat, -49.5, Aucun}, {"6.25w", Lon, -6.25, Aucun},
      {"E6.25", Lon, 6.25, Aucun}, {"6.25e", Lon, 6.25, Aucun}, {"-90", Lat, -90, Aucun},
      {"49°00'23.26\"N", Lat, 49.0064611111, Aucun}, {"49°00′23.26″S", Lat, -49.0064611111, Aucun},
      {"49:00:23.26N", Lat, 49.0064611111, Aucun}, {"49d00m23.26sN", Lat, 49.0064611111, Aucun},
      {"N49°00'23.26", Lat, 49.0064611111, Aucun}, {"E006°09'41.28", Lon, 6.1614666667, Aucun},
      {"006°09′41.280″W", Lon, -6.1614666667, Aucun}, {"49°30'", Lat, 49.5, Aucun},
      {"-49:30", Lat, -49.5, Aucun}, {"30'", Route, 0.5, Aucun}, {"10m15s", Route, 0.1708333333, Aucun},
      {"15s", Lat, -15, Aucun},  // a lower-case s not after marked minutes is south
      {"-10:30", Route, -10.5, Aucun}, {"400", Route, 400, Aucun}, {"91", Lon, 91, Aucun},
      {"1852", Nombre, 1852, Aucun}, {"-1.5e3", Nombre, -1500, Aucun},
      // As other tools and word processors write them, a file in Latin-1 (B0 and BA) included.
      {"49D01'", Lat, 49.0166666667, Aucun}, {"49°01'30''N", Lat, 49.025, Aucun},
      {"49º01′30′′S", Lat, -49.025, Aucun}, {"49°01’30’’", Lat, 49.025, Aucun},
      {"49°01’30”N", Lat, 49.025, Aucun}, {"49°01‘30“N", Lat, 49.025, Aucun},
      {"6\xB0" "01'W", Lon, -6.0166666667, Aucun}, {"6\xBA" "01'", Lon, 6.0166666667, Aucun},
      {"5.", Lat, 5, Aucun}, {"-5.", Route, -5, Aucun}, {"49°01.'30.N", Lat, 49.025, Aucun},
      {"1852.", Nombre, 1852, Aucun}, {"5.5.", Lat, 0, Illisible}, {"1e1.", Nombre, 0, Illisible},
      {".", Lat, 0, Illisible}, {"49°01'''", Lat, 0, Illisible}, {"49\xC2", Lat, 0, Illisible},
      {"49,5", Lat, 0, Illisible}, {"", Lat, 0, Illisible}, {"abc", Lon, 0, Illisible},
      {"-49S", Lat, 0, Illisible}, {"S-49", Lat, 0, Illisible}, {"-5.N", Lat, 0, Illisible},
      {"49:", Lat, 0, Illisible}, {"49:N", Lat, 0, Illisible}, {"49:30°", Lat, 0, Illisible},
      {"49°:30", Lat, 0, Illisible}, {"49°°", Lat, 0, Illisible}, {"49\"30'", Lat, 0, Illisible},
      {"1:2:3:4", Route, 0, Illisible}, {"45N", Route, 0, Illisible}, {"12km", Nombre, 0, Illisible},
      {"49NS", Lat, 0, Illisible},
      // As GPS units and chart plotters print them, in words.
      {"N48 23.500", Lat, 48.3916666667, Aucun}, {"N 48 23.5", Lat, 48.3916666667, Aucun},
      {"48° 23.5′ s", Lat, -48.3916666667, Aucun}, {"W004 29.000", Lon, -4.4833333333, Aucun},
      {"004 29 W", Lon, -4.4833333333, Aucun}, {"49 N", Lat, 49, Aucun}, {"E 4.5", Lon, 4.5, Aucun},
      {"48 23.500N", Lat, 48.3916666667, Aucun}, {"004° 29.0′w", Lon, -4.4833333333, Aucun},
      {"N48 23.5S", Lat, 0, Illisible}, {"48 23.5E", Lat, 0, AutreAxe},
      {"48 23.5", Lat, 0, Illisible}, {"N48.5 23", Lat, 0, Illisible}, {"N 48 23 N", Lat, 0, Illisible},
      {"-48 23.5 N", Lat, 0, Illisible}, {"N48 23 30", Lat, 0, Illisible}, {"N 1 2 3", Lat, 0, Illisible},
      {"N48 60", Lat, 0, SoixanteOuPlus}, {"E4 29", Lat, 0, AutreAxe}, {"N91 0", Lat, 0, AuDelaDuPole},
      {"49.5E", Lat, 0, AutreAxe}, {"N6", Lon, 0, AutreAxe},
      {"90.0000001", Lat, 0, AuDelaDuPole}, {"S90:00:01", Lat, 0, AuDelaDuPole},
      {"540", Lon, 540, Aucun}, {"540.0000001", Lon, 0, AuDelaDe540}, {"-541", Route, 0, AuDelaDe540},
      {"49:75", Lat, 0, SoixanteOuPlus}, {"49°00'60", Lat, 0, SoixanteOuPlus},
      {"nan", Lat, 0, NonFini}, {"-Inf", Route, 0, NonFini}, {"infinity", Nombre, 0, NonFini},
      {"1e999", Lon, 0, NonFini}, {"-1e999", Route, 0, NonFini},
      // clang-format on
  };
  for (const auto& c : cases) {
    const ValeurLue v =
        c.champ == Route ? LireRoute(c.text)
        : c.champ == Nombre
            ? LireNombreSeul(c.text)
            : LireCoordonnee(c.text, c.champ == Lat ? Axe::Latitude : Axe::Longitude);
    EXPECT_EQ(v.Defaut, c.defect) << c.text;
    EXPECT_NEAR(v.Valeur, c.expected, 1e-10) << c.text;
  }
}
