// KML export through the window: the file's exact bytes, well-formedness under a real XML
// parser, and the failure paths.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <GeographicLib/Geodesic.hpp>

#include "Calculatrice.hpp"
#include "Distribution.hpp"
#include "Nombres.hpp"

using namespace orbalide;
using namespace orbalide::test;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Replace(std::string& text, const std::string& from, std::string_view to) {
  text.replace(text.find(from), from.size(), to);
}

xmlNodePtr Child(xmlNodePtr parent, const char* name) {
  for (xmlNodePtr n = parent == nullptr ? nullptr : parent->children; n != nullptr; n = n->next) {
    if (n->type == XML_ELEMENT_NODE && xmlStrcmp(n->name, BAD_CAST name) == 0) return n;
  }
  return nullptr;
}

// The placemark's name as a real XML parser reads the file; nothing when it is not well-formed.
std::optional<std::string> PlacemarkName(const std::string& content) {
  xmlDocPtr doc = xmlReadMemory(content.data(), static_cast<int>(content.size()), "k.kml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (doc == nullptr) return std::nullopt;
  std::optional<std::string> name;
  xmlNodePtr node = Child(Child(Child(xmlDocGetRootElement(doc), "Document"), "Placemark"), "name");
  if (node != nullptr) {
    xmlChar* text = xmlNodeGetContent(node);
    name = reinterpret_cast<const char*>(text);
    xmlFree(text);
  }
  xmlFreeDoc(doc);
  return name;
}

class Export : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/orbalide-kml-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    c_.platform.directory = dir_.string();
  }
  void TearDown() override {
    chmod(dir_.c_str(), 0755);
    fs::remove_all(dir_);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Runs an export while the directory cannot be written, even for root.
  void ExportReadOnly(std::int16_t slot) {
    chmod(dir_.c_str(), 0555);
    const bool root = geteuid() == 0;
    if (root) {
      ASSERT_EQ(seteuid(65534), 0);
    }
    c_.f.Command11_Click(slot);
    if (root) {
      ASSERT_EQ(seteuid(0), 0);
    }
    chmod(dir_.c_str(), 0755);
  }

  Calculatrice c_;
  fs::path dir_;
};

}  // namespace

TEST_F(Export, ExactBytesOfTheDepartureExport) {
  c_.Position(0, {"49", "00", "23.260", "006", "09", "41.280"});
  c_.f.UserClick(c_.f.Command11[0]);
  std::string golden = Read(ORBALIDE_GOLDEN_KML);
  Replace(golden, "@HOST@", kHoteSiteWeb);
  Replace(golden, "@BANNER@", kImageBandeau);
  EXPECT_EQ(Read(dir_ / "Geo(0).kml"), golden);
  ASSERT_EQ(c_.platform.opened.size(), 1u);
  EXPECT_EQ(c_.platform.opened[0], (dir_ / "Geo(0).kml").string());
  EXPECT_TRUE(c_.platform.messages.empty());
}

TEST_F(Export, CoordinatesOfEachSlot) {
  c_.Position(0, {"49", "00", "23.260", "006", "09", "41.280"});
  c_.f.UserSelect(c_.f.Combo1, 1);
  c_.f.UserSelect(c_.f.Combo2, 1);
  c_.f.UserClick(c_.f.Command11[0]);
  c_.f.UserClick(c_.f.Command11[1]);  // before any computation: empty boxes
  c_.f.UserClick(c_.f.Command8);      // carries the southern and western hemispheres along
  c_.f.UserSelect(c_.f.Combo4, 0);
  c_.Position(2, {"0", "0", "0.036", "49,5", "", ""});  // 1e-05 degree; a typed comma is a point
  c_.f.UserClick(c_.f.Command11[2]);
  const struct {
    const char* file;
    const char* coordinates;
  } cases[] = {{"Geo(0).kml", "-6.16146666666667,-49.0064611111111,10"},
               {"Geo(1).kml", "0,0,10"},
               {"Geo(2).kml", "49.5,-0.00001,10"}};
  for (const auto& t : cases) {
    const std::string content = Read(dir_ / t.file);
    EXPECT_NE(content.find(std::string("<coordinates>") + t.coordinates + "</coordinates>"),
              std::string::npos)
        << t.file << "\n"
        << content;
  }
}

TEST_F(Export, SlotOneFollowsTheArrivalLetters) {
  c_.f.Label3[0].Caption = "S";
  c_.f.Label3[1].Caption = "W";
  c_.f.LatD[1].SetText("10");
  c_.f.LOnD[1].SetText("20");
  c_.f.Text4[3].SetText("Arrival");
  c_.f.UserClick(c_.f.Command11[1]);
  EXPECT_NE(Read(dir_ / "Arrival(1).kml").find("<coordinates>-20,-10,10</coordinates>"),
            std::string::npos);
}

// Unnamed slots never overwrite each other; the same name twice rewrites one file.
TEST_F(Export, FourSlotsFourFiles) {
  c_.f.UserClick(c_.f.Command8);
  for (std::int16_t k = 0; k < 4; ++k) c_.f.Command11_Click(k);
  c_.f.Text4[2].SetText("Brest");
  c_.f.Command11_Click(3);
  c_.f.Command11_Click(3);
  EXPECT_EQ(Files(), (std::vector<std::string>{"Brest(3).kml", "Geo(0).kml", "Geo(1).kml",
                                               "Geo(2).kml", "Geo(3).kml"}));
  EXPECT_EQ(c_.platform.opened.size(), 6u);
}

// Names with XML's reserved characters, quotes and accents: every file is well-formed and the
// parser reads the name back exactly as typed.
TEST_F(Export, HostileNamesStayWellFormed) {
  const std::string names[] = {"a&b<c>d",   "]]>",           "x'\"y",  "  spaced  ",
                               "Île d'Yeu", "&amp;",         "<!--",   "Point non nommé!",
                               "..",        "\\back\\slash", "名前 éè"};
  for (const std::string& name : names) {
    c_.f.Text4[0].SetText(name);
    c_.platform.opened.clear();
    c_.f.Command11_Click(0);
    ASSERT_EQ(c_.platform.opened.size(), 1u) << name;
    const std::optional<std::string> read = PlacemarkName(Read(c_.platform.opened[0]));
    ASSERT_TRUE(read.has_value()) << name;
    EXPECT_EQ(*read, name);
    EXPECT_EQ(fs::path(c_.platform.opened[0]).parent_path(), dir_);
  }
  c_.f.Text4[0].SetText("Point non nommé");  // that very name gives the base "Geo"
  c_.f.Command11_Click(0);
  EXPECT_EQ(fs::path(c_.platform.opened.back()).filename(), "Geo(0).kml");
  EXPECT_TRUE(c_.platform.messages.empty());
}

// A name that cannot be one file name in the directory writes nothing.
TEST_F(Export, NamesThatAreNoFileName) {
  const std::string names[] = {"../escape",   "a/b",          std::string("nul\0x", 5), "tab\there",
                               "line\nbreak", "\x7f",         std::string(250, 'n'),    "\xff\xfe",
                               "\xc3",        "\xed\xa0\x80", "next\xc2\x85line"};
  for (const std::string& name : names) {
    c_.f.Text4[0].SetText(name);
    c_.f.Command11_Click(0);
  }
  EXPECT_EQ(c_.platform.messages, std::vector<std::string>(std::size(names), "Erreur inattendue"));
  EXPECT_TRUE(c_.platform.opened.empty());
  EXPECT_TRUE(Files().empty());
  EXPECT_FALSE(fs::exists(dir_.parent_path() / "escape(0).kml"));
}

// A directory that cannot be written: the message, no hand-over, and the earlier export intact.
TEST_F(Export, ReadOnlyDirectory) {
  c_.f.Command11_Click(0);
  const std::string earlier = Read(dir_ / "Geo(0).kml");
  c_.Position(0, {"1", "2", "3", "4", "5", "6"});
  c_.platform.opened.clear();
  ExportReadOnly(0);
  ExportReadOnly(2);
  EXPECT_EQ(c_.platform.messages,
            (std::vector<std::string>{"Erreur inattendue", "Erreur inattendue"}));
  EXPECT_TRUE(c_.platform.opened.empty());
  EXPECT_EQ(Files(), std::vector<std::string>{"Geo(0).kml"});
  EXPECT_EQ(Read(dir_ / "Geo(0).kml"), earlier);
}

TEST_F(Export, ArithmeticErrorShowsTheMessage) {
  c_.f.LatD[0].SetText("1E999");
  c_.f.Command11_Click(0);
  EXPECT_EQ(c_.platform.messages, std::vector<std::string>{"Erreur inattendue"});
  EXPECT_TRUE(Files().empty());
}

// The program's folder when a file can be made there; else "Orbalide" in the user's documents,
// made when needed; else the home folder; else the message, and nothing is written.
TEST_F(Export, FolderOfTheFiles) {
  const fs::path bin = dir_ / "bin", documents = dir_ / "Documents", home = dir_ / "home";
  for (const fs::path& p : {bin, documents, home}) fs::create_directory(p);
  const fs::path orbalide = documents / "Orbalide";
  const struct {
    std::set<std::string> readOnly;
    bool documentsKnown;
    fs::path folder;  // empty: the message
  } cases[] = {{{}, true, bin},
               {{bin}, true, orbalide},
               {{bin, orbalide}, true, home},
               {{bin}, false, home},
               {{bin, orbalide, home}, true, {}}};
  c_.platform.directory = bin;
  c_.platform.home = home;
  c_.Type(c_.f.Text2, "1");
  c_.f.UserClick(c_.f.Command2);
  for (const auto& t : cases) {
    c_.platform.readOnly = t.readOnly;
    c_.platform.documents = t.documentsKnown ? documents.string() : "";
    c_.platform.opened.clear();
    c_.platform.messages.clear();
    fs::remove_all(orbalide);
    for (const fs::path& p : {bin, home}) {
      fs::remove_all(p);
      fs::create_directory(p);
    }
    c_.f.UserClick(c_.f.Command11[0]);
    c_.f.UserContextMenu(c_.f.Command11[0]);
    c_.f.UserClick(c_.f.MRoute);
    SCOPED_TRACE(t.folder.string());
    if (t.folder.empty()) {
      EXPECT_EQ(c_.platform.messages, std::vector<std::string>(2, "Erreur inattendue"));
      EXPECT_TRUE(fs::is_empty(bin) && fs::is_empty(home));
    } else {
      EXPECT_EQ(c_.platform.opened,
                (std::vector<std::string>{t.folder / "Geo(0).kml", t.folder / "Route(0).kml"}));
      EXPECT_TRUE(fs::is_regular_file(t.folder / "Route(0).kml"));
    }
  }
}

namespace {

// What a route file holds, as a real XML parser reads it: the document's name, the points'
// names and places, the line's description and points.
struct Route {
  std::string name, description;
  std::vector<std::string> pointNames;
  std::vector<std::pair<double, double>> points, line;  // longitude, latitude
};

std::vector<std::pair<double, double>> Coordinates(xmlNodePtr node) {
  xmlChar* text = xmlNodeGetContent(node);
  std::istringstream in(reinterpret_cast<const char*>(text));
  xmlFree(text);
  std::vector<std::pair<double, double>> points;
  double lon = 0, lat = 0;
  char comma = 0;
  while (in >> lon >> comma >> lat) points.emplace_back(lon, lat);
  return points;
}

std::string Text(xmlNodePtr node) {
  xmlChar* text = xmlNodeGetContent(node);
  std::string s = text != nullptr ? reinterpret_cast<const char*>(text) : "";
  xmlFree(text);
  return s;
}

Route ReadRoute(const fs::path& file) {
  const std::string content = Read(file);
  xmlDocPtr doc = xmlReadMemory(content.data(), static_cast<int>(content.size()), "r.kml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  Route r;
  if (doc == nullptr) return r;
  const xmlNodePtr root = xmlDocGetRootElement(doc);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(root->ns->href)),
            "http://www.opengis.net/kml/2.2");
  const xmlNodePtr document = Child(root, "Document");
  r.name = Text(Child(document, "name"));
  for (xmlNodePtr n = document->children; n != nullptr; n = n->next) {
    if (n->type != XML_ELEMENT_NODE || xmlStrcmp(n->name, BAD_CAST "Placemark") != 0) continue;
    if (const xmlNodePtr line = Child(n, "LineString")) {
      EXPECT_EQ(Text(Child(line, "tessellate")), "1");
      r.description = Text(Child(n, "description"));
      r.line = Coordinates(Child(line, "coordinates"));
    } else {
      r.pointNames.push_back(Text(Child(n, "name")));
      r.points.push_back(Coordinates(Child(Child(n, "Point"), "coordinates")).at(0));
    }
  }
  xmlFreeDoc(doc);
  return r;
}

}  // namespace

// The route of each panel, from its export buttons' menu: a line along the geodesic (within a
// millimetre of GeographicLib's), points at most 10 km apart or 2,001 of them, longitudes
// continuous across the 180° meridian, both ends exactly the two positions.
TEST_F(Export, RouteAlongTheGeodesic) {
  const struct {
    std::vector<std::string> departure;
    std::int16_t west;
    const char* course;
    const char* distance;  // nautical miles
    std::size_t points;
  } cases[] = {
      {{"48", "30", "", "004", "30", ""}, 1, "300", "100", 20},  // 185.2 km
      {{"30", "", "", "170", "", ""}, 0, "90", "1080", 202},     // across the 180° meridian
      {{"80", "", "", "000", "", ""}, 0, "0", "1080", 202},      // over the pole
      {{"", "", "", "", "", ""}, 0, "45", "10800", 2001},        // 20,001.6 km
  };
  const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
  for (const auto& t : cases) {
    Calculatrice c;
    c.platform.directory = dir_.string();
    c.Position(0, t.departure);
    c.f.UserSelect(c.f.Combo2, t.west);
    c.Type(c.f.Text1[0], t.course);
    c.Type(c.f.Text2, t.distance);
    c.f.UserContextMenu(c.f.Command11[1]);
    EXPECT_FALSE(c.f.MRoute.Enabled);  // nothing computed yet
    c.f.UserClick(c.f.Command2);
    c.f.UserContextMenu(c.f.Command11[1]);
    ASSERT_TRUE(c.f.MRoute.Enabled);
    c.f.UserClick(c.f.MRoute);
    const Route r = ReadRoute(dir_ / "Route(0).kml");
    SCOPED_TRACE(std::string(t.course) + " " + t.distance);
    ASSERT_EQ(r.line.size(), t.points);
    const double lat1 = c.f.TrajetDirect->Latitude1, lon1 = c.f.TrajetDirect->Longitude1;
    const double s12 = LireNombre(t.distance) * 1852;
    for (std::size_t i = 0; i < r.line.size(); ++i) {
      double lat = 0, lon = 0, miss = 0, step = 0;
      const double along = s12 * static_cast<double>(i) / static_cast<double>(t.points - 1);
      wgs84.Direct(lat1, lon1, LireNombre(t.course), along, lat, lon);
      wgs84.Inverse(r.line[i].second, r.line[i].first, lat, lon, miss);
      EXPECT_LT(miss, 1e-3) << i;
      if (i == 0) continue;
      wgs84.Inverse(r.line[i - 1].second, r.line[i - 1].first, r.line[i].second, r.line[i].first,
                    step);
      EXPECT_LT(step, std::max(10000.0, s12 / 2000) + 1e-3) << i;
      EXPECT_LE(std::fabs(r.line[i].first - r.line[i - 1].first), 180) << i;
    }
    EXPECT_EQ(r.points.front(), r.line.front());
    EXPECT_NEAR(r.points.back().second, r.line.back().second, 1e-12);
    EXPECT_NEAR(std::remainder(r.points.back().first - r.line.back().first, 360), 0, 1e-12);
    EXPECT_EQ(r.pointNames, (std::vector<std::string>{"Départ", "Arrivée"}));
    if (t.points == 20) {
      EXPECT_EQ(r.name, "Départ - Arrivée");
      EXPECT_EQ(r.description,
                "Distance 100.000 Nm, route initiale 300° 0′ 00.000″, route à l'arrivée 298° 20′ "
                "14.566″");
    }
  }
}

// The inverse panel's route runs between its two positions, named as typed, described in the
// window's language and unit.
TEST_F(Export, RouteOfTheInversePanel) {
  c_.f.UserClick(c_.f.Image2[1]);
  c_.f.UserClick(c_.f.Command8);
  c_.Position(2, {"48", "30", "", "004", "30", ""});
  c_.Position(3, {"49", "18", "42.448", "006", "42", "21.503"});
  c_.f.UserSelect(c_.f.Combo4, 1);
  c_.f.UserSelect(c_.f.Combo6, 1);
  c_.f.Text4[1].SetText("Brest");
  c_.f.UserClick(c_.f.Command4);
  c_.f.UserContextMenu(c_.f.Command11[3]);
  c_.f.UserClick(c_.f.MRoute);
  const Route r = ReadRoute(dir_ / "Route(2).kml");
  EXPECT_EQ(r.pointNames, (std::vector<std::string>{"Brest", "Arrival"}));
  ASSERT_EQ(r.line.size(), 20u);
  EXPECT_EQ(r.points.front(), std::make_pair(-4.5, 48.5));
  EXPECT_EQ(r.line.back(), r.points.back());
  EXPECT_EQ(r.description,  // GeographicLib: 185199.997 m, 300.0000043°, 298.3373837°
            "Distance 100.000 Nm, initial course 300° 0′ 00.015″, arrival course 298° 20′ "
            "14.581″");
}
