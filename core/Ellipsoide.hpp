// The catalogue of reference ellipsoids.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbalide {

struct EntreeCatalogue {
  std::string_view Nom;         // shown as is in both languages
  double DemiGrandAxe;          // a, metres
  double DemiPetitAxe;          // b, metres, the catalogue's own value (not a·(1 − f))
  double InverseAplatissement;  // 1/f
};

// One minute of arc of a great circle of the sphere is one nautical mile: its meridian is
// 21600 × 1852 m long.
inline constexpr double kCirconferenceSphere = 40003200;
inline constexpr std::int16_t kIndexWgs84 = 0;
inline constexpr std::int16_t kIndexSphere = 9;

// In the order of the ellipsoid list; the index is the list's index. The sphere (index 9) has no
// axes nor flattening here: its radius is computed when it is selected.
inline constexpr std::array<EntreeCatalogue, 10> Catalogue{{
    {"WGS-84", 6378137.0, 6356752.3142, 298.257223563},
    {"GRS-80", 6378137.0, 6356752.3141, 298.257222101},
    {"Clarke 1866", 6378206.4, 6356583.8, 294.9786982},
    {"Clarke 1880", 6378249.145, 6356514.86955, 293.465},
    {"Everest 1830", 6377276.345, 6356075.413, 300.801697979},
    {"PZ-90", 6378136.0, 6356751.362, 298.2578393},
    {"International 1924", 6378388.0, 6356911.946, 297.0},
    {"Bessel 1841", 6377397.155, 6356078.963, 299.152815351323},
    {"Airy (1830)", 6377563.396, 6356256.909, 299.3249646},
    {"Sphérique", 0, 0, 0},
}};

// The other names of a catalogue entry, by the catalogue's index.
struct NomsEllipsoide {
  // Spellings of its name besides the catalogue's, as users type them: "SPHÉRIQUE", "Spherique".
  std::array<std::string_view, 2> Graphies;
  // The name that PROJ's +ellps gives the same figure: the same a, and a b (given, or a·(1 − f)
  // from its 1/f) that rounds to the catalogue's b. Empty when PROJ has none.
  std::string_view Proj;
  // Where Proj is empty, the name that PROJ gives another figure of the ellipsoid, which is not
  // this one: PROJ's clrk80 has 1/f 293.4663, its sphere a radius of 6370997 m.
  std::string_view ProjAutreFigure;
};
inline constexpr std::array<NomsEllipsoide, Catalogue.size()> NomsCatalogue{{
    {{}, "WGS84", ""},
    {{}, "GRS80", ""},
    {{}, "clrk66", ""},
    {{}, "", "clrk80"},
    {{}, "evrst30", ""},
    {{}, "PZ90", ""},
    {{}, "intl", ""},
    {{}, "bessel", ""},
    {{}, "airy", ""},
    {{"SPHÉRIQUE", "Spherique"}, "", "sphere"},
}};

// The catalogue's index of the ellipsoid named `nom`: by its name in the catalogue, another
// spelling of it or PROJ's name of the same figure, with case (of ASCII letters), spaces and
// punctuation ignored: "WGS84", "wgs 84", "AIRY (1830)", "airy", "Sphérique", "SPHÉ rique",
// "intl". Nothing for any other name (PROJ's "clrk80" and "sphere" included).
std::optional<std::int16_t> IndexEllipsoide(std::string_view nom);

// The ellipsoid that both solutions compute on.
struct Ellipsoide {
  double DemiGrandAxe;   // a, metres
  double DemiPetitAxe;   // b, metres
  double Aplatissement;  // f, 0 for the sphere
  friend bool operator==(const Ellipsoide&, const Ellipsoide&) = default;
};

// Catalogue entry `index` as an ellipsoid: a and b as stored and f = 1 ÷ (1/f); for the sphere
// a = b = (40003200 ÷ 3.14159265358979) ÷ 2 and f = 0. Nothing for any other index (−1 when the
// list has no selection).
std::optional<Ellipsoide> EllipsoideDuCatalogue(std::int16_t index);

}  // namespace orbalide
