// KML files through the window: the exact bytes of a position, what a real XML parser reads of
// positions and routes, the route against GeographicLib, the folder of the files, the failures.
#include <gtest/gtest.h>
#include <unistd.h>
#include <GeographicLib/Geodesic.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "Calculatrice.hpp"
#include "Distribution.hpp"
#include "Nombres.hpp"
#include "Xml.hpp"

using namespace orbalide;
using namespace orbalide::test;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ostringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

using Points = std::vector<std::pair<double, double>>;  // longitude, latitude

Points Coordinates(const std::string& text) {
  Points points;
  std::istringstream in(text);
  for (std::string point; in >> point;)
    points.emplace_back(LireNombre(point), LireNombre(point.substr(point.find(',') + 1)));
  return points;
}

// The route of a panel, from the menu of one of its export buttons.
void ExportRoute(Calculatrice& c, std::int16_t slot) {
  c.f.UserContextMenu(c.f.Command11[slot]);
  c.f.UserClick(c.f.MRoute);
}

class Export : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orbalide-kml-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    c_.platform.directory = dir_.string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::set<std::string> Files() const {  // every file under the folder
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir_))
      if (e.is_regular_file()) names.insert(e.path());
    return names;
  }

  Calculatrice c_;
  fs::path dir_;
};

}  // namespace

// The exact bytes of the departure; each slot's own position, hemispheres and name; unnamed
// slots never overwrite each other.
TEST_F(Export, EachSlot) {
  c_.Position(0, "49 00 23.260 006 09 41.280");
  c_.f.UserClick(c_.f.Command11[0]);
  std::string golden = Read(ORBALIDE_GOLDEN_KML);
  for (const auto& [from, to] : {std::pair{"@HOST@", kHoteSiteWeb}, {"@BANNER@", kImageBandeau}})
    golden.replace(golden.find(from), std::string_view(from).size(), to);
  EXPECT_EQ(Read(dir_ / "Geo(0).kml"), golden);
  EXPECT_EQ(c_.platform.opened, std::vector<std::string>{dir_ / "Geo(0).kml"});
  c_.f.UserSelect(c_.f.Combo1, 1);
  c_.f.UserSelect(c_.f.Combo2, 1);
  c_.f.UserClick(c_.f.Command11[1]);  // before any computation: empty boxes
  c_.f.Label3[0].Caption = "S";       // as a computation writes them
  c_.f.LatD[1].SetText("10");
  c_.f.Text4[3].SetText("Arrival");
  c_.f.UserClick(c_.f.Command11[1]);
  c_.f.UserClick(c_.f.Command8);       // carries the hemispheres and the arrival's name along
  c_.Position(2, "0 0 0.036 49,5  ");  // 1e-05 degree; a typed comma is a point
  c_.f.UserClick(c_.f.Command11[2]);
  c_.f.UserClick(c_.f.Command11[3]);
  std::string exported;
  for (const char* file : {"Geo(1).kml", "Arrival(1).kml", "Geo(2).kml", "Arrival(3).kml"}) {
    auto e = Elements(dir_ / file);
    exported += e["name"].back() + " " + e["coordinates"].at(0) + "; ";
  }
  EXPECT_EQ(exported,
            "Point non nommé 0,0,10; Arrival 0,-10,10; Point non nommé -49.5,-0.00001,10; "
            "Arrival 0,-10,10; ");
  EXPECT_EQ(Files().size(), 5u);
}

// A name with XML's reserved characters, quotes or accents is read back exactly as typed; one
// that cannot be one file name in the folder, an unreadable position or a failed write writes
// nothing and hands nothing to the viewer.
TEST_F(Export, NamesAndFailures) {
  const std::string written[] = {"a&b<c>d", "]]>",  "x'\"y",         "  spaced  ", "Île d'Yeu",
                                 "&amp;",   "<!--", "\\back\\slash", "..",         "名前 éè"};
  for (const std::string& name : written) {
    c_.f.Text4[0].SetText(name);
    c_.f.Command11_Click(0);
    EXPECT_EQ(Elements(dir_ / (name + "(0).kml"))["name"].back(), name);
  }
  const std::set<std::string> before = Files();
  const std::string refused[] = {"../escape", "a/b",          std::string("nul\0x", 5),
                                 "tab\there", "\x7f",         std::string(250, 'n'),
                                 "\xc3",      "\xed\xa0\x80", "next\xc2\x85line"};
  for (const std::string& name : refused) {
    c_.f.Text4[0].SetText(name);
    c_.f.Command11_Click(0);
  }
  c_.f.Text4[0].SetText("");
  c_.f.LatD[0].SetText("1E999");
  c_.f.Command11_Click(0);
  c_.f.LatD[0].SetText("");
  c_.platform.failWrites = true;
  c_.f.Command11_Click(0);
  EXPECT_EQ(c_.platform.messages,
            std::vector<std::string>(std::size(refused) + 2, "Erreur inattendue"));
  EXPECT_EQ(c_.platform.opened.size(), std::size(written));
  EXPECT_EQ(Files(), before);
}

// The program's folder when a file can be made there; else "Orbalide" in the user's documents,
// made when needed; else the home folder; else the message, and nothing is written. Routes too.
TEST_F(Export, FolderOfTheFiles) {
  const fs::path bin = dir_ / "bin", documents = dir_ / "Documents", home = dir_ / "home";
  const fs::path orbalide = documents / "Orbalide";
  const struct {
    std::set<std::string> readOnly;
    bool documentsKnown;
    fs::path folder;  // empty: the message
  } cases[] = {
      // clang-format off
      {{}, true, bin}, {{bin}, true, orbalide}, {{bin, orbalide}, true, home}, {{bin}, false, home},
      {{bin, orbalide, home}, true, {}},
      // clang-format on
  };
  c_.platform.directory = bin;
  c_.platform.home = home;
  c_.Type(c_.f.Text2, "1");
  c_.f.UserClick(c_.f.Command2);
  for (const auto& t : cases) {
    c_.platform.readOnly = t.readOnly;
    c_.platform.documents = t.documentsKnown ? documents.string() : "";
    c_.platform.opened.clear();
    c_.platform.messages.clear();
    for (const fs::path& p : {bin, documents, home}) fs::remove_all(p), fs::create_directory(p);
    c_.f.UserClick(c_.f.Command11[0]);
    ExportRoute(c_, 0);
    const std::vector<std::string> files{t.folder / "Geo(0).kml", t.folder / "Route(0).kml"};
    EXPECT_EQ(c_.platform.opened, t.folder.empty() ? std::vector<std::string>{} : files);
    EXPECT_EQ(c_.platform.messages.size(), t.folder.empty() ? 2u : 0u);
    EXPECT_EQ(Files().size(), t.folder.empty() ? 0u : 2u);
  }
}

// Routes from the export buttons' menu once there is a result, the direct panel's then the
// inverse panel's: evenly spaced points along the geodesic (each within a millimetre of
// GeographicLib's point at its distance) on the ellipsoid that computed it, whichever is chosen
// since, at most 10 km apart or 2,001 of them, longitudes continuous across the 180° meridian,
// both ends the two positions, their placemarks' longitudes within −180…180; named as they were
// when computed, whatever came into the name boxes since, and described as the window shows
// distance and courses.
TEST_F(Export, RoutesAlongTheGeodesic) {
  const GeographicLib::Geodesic wgs84 = GeographicLib::Geodesic::WGS84();
  const GeographicLib::Geodesic sphere(6366707.019493714, 0);  // (40003200 ÷ 3.14159265358979) ÷ 2
  const auto along = [&](const fs::path& file, bool onSphere, double course, double s12,
                         std::size_t points) {
    auto e = Elements(file);
    EXPECT_EQ(e["xmlns"].at(0) + " " + e["tessellate"].at(0), "http://www.opengis.net/kml/2.2 1");
    const Points a = Coordinates(e["coordinates"].at(0)), line = Coordinates(e["coordinates"][2]);
    ASSERT_EQ(line.size(), points);
    for (std::size_t i = 0; i < line.size(); ++i) {
      double lat = 0, lon = 0, miss = 0;
      const double at = s12 * static_cast<double>(i) / static_cast<double>(points - 1);
      (onSphere ? sphere : wgs84).Direct(a[0].second, a[0].first, course, at, lat, lon);
      wgs84.Inverse(line[i].second, line[i].first, lat, lon, miss);
      EXPECT_LT(miss, 1e-3) << i;
      EXPECT_LE(std::fabs(line[i].first - line[i > 0 ? i - 1 : 0].first), 180) << i;
    }
    const Points b = Coordinates(e["coordinates"][1]);
    EXPECT_EQ(a.front(), line.front());
    EXPECT_NEAR(std::remainder(b[0].first - line.back().first, 360), 0, 1e-12);
    EXPECT_NEAR(b[0].second, line.back().second, 1e-12);
    EXPECT_LE(std::max(std::fabs(a[0].first), std::fabs(b[0].first)), 180);
  };
  const struct {
    const char* departure;
    std::int16_t west;
    const char* course;
    const char* distance;  // nautical miles
    std::size_t points;
    std::int16_t ellipsoid;
  } cases[] = {
      {"     ", 0, "45", "10800", 2001, kIndexWgs84},        // 20,001.6 km
      {"30   170  ", 0, "90", "1080", 202, kIndexWgs84},     // across the 180° meridian
      {"10   200  ", 0, "90", "100", 20, kIndexWgs84},       // from 160° W typed as 200° E
      {"80   000  ", 0, "0", "1080", 202, kIndexWgs84},      // over the pole
      {"     ", 0, "90", "5400", 1002, kIndexSphere},        // a quarter of the equator
      {"48 30  004 30 ", 1, "300", "100", 20, kIndexWgs84},  // 185.2 km
  };
  for (const auto& t : cases) {
    Calculatrice c;
    c.platform.directory = dir_.string();
    c.f.UserSelect(c.f.Combo3, t.ellipsoid);
    c.Position(0, t.departure);
    c.f.UserSelect(c.f.Combo2, t.west);
    c.Type(c.f.Text1[0], t.course);
    c.Type(c.f.Text2, t.distance);
    c.f.UserContextMenu(c.f.Command11[1]);
    EXPECT_FALSE(c.f.MRoute.Enabled);  // nothing computed yet
    c.f.UserClick(c.f.Command2);
    c.f.UserSelect(c.f.Combo3, kIndexWgs84);
    ExportRoute(c, 1);
    SCOPED_TRACE(std::string(t.course) + " " + t.distance);
    along(dir_ / "Route(0).kml", t.ellipsoid == kIndexSphere, LireNombre(t.course),
          LireNombre(t.distance) * 1852, t.points);
  }
  auto e = Elements(dir_ / "Route(0).kml");  // the last one
  EXPECT_EQ(e["name"], (std::vector<std::string>{"Départ - Arrivée", "Départ", "Arrivée",
                                                 "Départ - Arrivée"}));
  EXPECT_EQ(e["description"].at(0),
            "Distance 100.000 Nm, route initiale 300° 0′ 00.000″, route à l'arrivée 298° 20′ "
            "14.566″");
  c_.f.UserSelect(c_.f.Combo3, kIndexSphere);
  for (Control* c : std::initializer_list<Control*>{&c_.f.Image2[1], &c_.f.Command8})
    c_.f.UserClick(*c);
  c_.Position(2, "48 30  004 30 ");
  c_.Position(3, "49 18 42.448 353 17 38.497");  // 006 42 21.503 W
  c_.f.UserSelect(c_.f.Combo4, 1);
  c_.f.Text4[1].SetText("Brest");
  c_.f.UserClick(c_.f.Command4);
  c_.f.UserClick(c_.f.Command7);
  c_.f.UserSelect(c_.f.Combo3, kIndexWgs84);
  c_.f.UserClick(c_.f.Command8);  // the names and positions of the direct panel, empty, come over
  c_.f.UserClick(c_.f.Label10);   // metres
  ExportRoute(c_, 2);
  along(dir_ / "Route(2).kml", true, 300.070950751, 184644.141586, 20);  // GeographicLib
  e = Elements(dir_ / "Route(2).kml");
  EXPECT_EQ(e["name"].at(1) + " " + e["name"].at(2), "Brest Arrival");
  EXPECT_EQ(e["description"].at(0),
            "Distance 184644.142 Meters, initial course 300° 4′ 15.423″, arrival course 298° 24′ "
            "29.990″");
}
