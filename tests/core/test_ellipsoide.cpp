#include <gtest/gtest.h>

#include "Ellipsoide.hpp"

using namespace orbalide;

// Every entry of the catalogue as the design's table gives it: the stored b, not a·(1 − f), and
// f = 1 ÷ (1/f); the sphere's radius from the program's π. An index outside the list gives
// no ellipsoid. Each entry found by its name, other spellings of it, and the name PROJ's +ellps
// gives the same figure (as `geod -le` lists it: the same a, and a b that rounds to the
// catalogue's); never by PROJ's names of other figures.
TEST(Ellipsoide, EveryEntryOfTheCatalogueAndNoOther) {
  const double sphere = 6366707.019493714;  // (40003200 ÷ 3.14159265358979) ÷ 2
  const struct {
    const char* name;
    double a, b, inverseF;  // 0: the sphere
    const char* proj;       // none: PROJ's figure of that name is another one
    double projB;           // PROJ's b, or a·(1 − 1/rf) from its rf
  } table[] = {
      {"WGS-84", 6378137.0, 6356752.3142, 298.257223563, "WGS84",
       6378137.0 * (1 - 1 / 298.257223563)},
      {"GRS-80", 6378137.0, 6356752.3141, 298.257222101, "GRS80",
       6378137.0 * (1 - 1 / 298.257222101)},
      {"Clarke 1866", 6378206.4, 6356583.8, 294.9786982, "clrk66", 6356583.8},
      {"Clarke 1880", 6378249.145, 6356514.86955, 293.465, nullptr, 0},  // clrk80: rf 293.4663
      {"Everest 1830", 6377276.345, 6356075.413, 300.801697979, "evrst30",
       6377276.345 * (1 - 1 / 300.8017)},
      {"PZ-90", 6378136.0, 6356751.362, 298.2578393, "PZ90", 6378136.0 * (1 - 1 / 298.25784)},
      {"International 1924", 6378388.0, 6356911.946, 297.0, "intl", 6378388.0 * (1 - 1 / 297.0)},
      {"Bessel 1841", 6377397.155, 6356078.963, 299.152815351323, "bessel",
       6377397.155 * (1 - 1 / 299.1528128)},
      {"Airy (1830)", 6377563.396, 6356256.909, 299.3249646, "airy",
       6377563.396 * (1 - 1 / 299.3249646)},
      {"Sphérique", sphere, sphere, 0, nullptr, 0},  // sphere: radius 6370997 m
  };
  ASSERT_EQ(Catalogue.size(), std::size(table));
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    const Ellipsoide e = *EllipsoideDuCatalogue(static_cast<std::int16_t>(i));
    EXPECT_EQ(Catalogue[i].Nom, table[i].name);
    EXPECT_EQ(e.DemiGrandAxe, table[i].a) << table[i].name;
    EXPECT_EQ(e.DemiPetitAxe, table[i].b) << table[i].name;
    EXPECT_EQ(e.Aplatissement, table[i].inverseF == 0 ? 0 : 1 / table[i].inverseF) << table[i].name;
    EXPECT_EQ(IndexEllipsoide(table[i].name).value_or(-1), static_cast<int>(i));
    EXPECT_EQ(NomsCatalogue[i].Proj, table[i].proj ? table[i].proj : "") << table[i].name;
    EXPECT_NEAR(table[i].proj ? table[i].projB : table[i].b, table[i].b, 0.5e-3) << table[i].name;
  }
  EXPECT_EQ(Catalogue[kIndexSphere].Nom, "Sphérique");
  for (const int index : {-1, static_cast<int>(Catalogue.size()), INT16_MAX, INT16_MIN})
    EXPECT_FALSE(EllipsoideDuCatalogue(static_cast<std::int16_t>(index))) << index;
  const std::pair<const char*, int> names[] = {
      {"wgs 84", 0},
      {"GRS_80", 1},
      {"CLRK66", 2},
      {"evrst30", 4},
      {"international-1924", 6},
      {"intl", 6},
      {"Bessel", 7},
      {"AIRY (1830)", 8},
      {"airy", 8},
      {"SPHÉ rique", 9},
      {"spherique", 9},
      {"clrk80", -1},
      {"sphere", -1},
      {"", -1},
      {"--", -1},
      {"WGS-84x", -1},
      {"sphÈrique", -1},
  };
  for (const auto& [name, index] : names)
    EXPECT_EQ(IndexEllipsoide(name).value_or(-1), index) << name;
}
