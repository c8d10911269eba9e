#include <gtest/gtest.h>

#include "Ellipsoide.hpp"

using namespace orbalide;

TEST(Ellipsoide, SelectionSetsTheStoredValues) {
  SelectionnerEllipsoide(0);
  EXPECT_EQ(EllipsoideCourant().DemiGrandAxe, 6378137.0);
  EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, 6356752.3142);
  EXPECT_EQ(EllipsoideCourant().Aplatissement, 0.0033528106647474805);
  SelectionnerEllipsoide(1);  // GRS-80 after WGS-84: b and f change, a does not
  EXPECT_EQ(EllipsoideCourant().DemiGrandAxe, 6378137.0);
  EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, 6356752.3141);
  EXPECT_EQ(EllipsoideCourant().Aplatissement, 1 / 298.257222101);
  SelectionnerEllipsoide(8);
  EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, 6356256.909);  // the stored b, not a·(1 − f)
  EXPECT_EQ(Catalogue[8].Nom, "Airy (1830)");
}

TEST(Ellipsoide, SphereRadiusUsesTheProgramsPi) {
  SelectionnerEllipsoide(kIndexSphere);
  EXPECT_EQ(EllipsoideCourant().DemiGrandAxe, 6366707.019493714);
  EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, 6366707.019493714);
  EXPECT_EQ(EllipsoideCourant().Aplatissement, 0.0);
  EXPECT_EQ(Catalogue[kIndexSphere].Nom, "Sphérique");
}

TEST(Ellipsoide, IndexOutsideTheListChangesNothing) {
  SelectionnerEllipsoide(6);
  const Ellipsoide before = EllipsoideCourant();
  for (const int index : {-1, 10, INT16_MAX, INT16_MIN}) {
    SelectionnerEllipsoide(static_cast<std::int16_t>(index));
    EXPECT_EQ(EllipsoideCourant().DemiGrandAxe, before.DemiGrandAxe);
    EXPECT_EQ(EllipsoideCourant().DemiPetitAxe, before.DemiPetitAxe);
    EXPECT_EQ(EllipsoideCourant().Aplatissement, before.Aplatissement);
  }
}
