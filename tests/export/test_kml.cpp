// KML export through the window: the file's exact bytes, well-formedness under a real XML
// parser, and the failure paths.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <fstream>
#include <sstream>

#include "Calculatrice.hpp"
#include "Distribution.hpp"

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
  for (const auto& t : cases) {
    c_.platform.readOnly = t.readOnly;
    c_.platform.documents = t.documentsKnown ? documents.string() : "";
    c_.platform.opened.clear();
    c_.platform.messages.clear();
    fs::remove_all(orbalide);
    for (const fs::path& p : {bin, home}) fs::remove(p / "Geo(0).kml");
    c_.f.UserClick(c_.f.Command11[0]);
    SCOPED_TRACE(t.folder.string());
    if (t.folder.empty()) {
      EXPECT_EQ(c_.platform.messages, std::vector<std::string>{"Erreur inattendue"});
      EXPECT_FALSE(fs::exists(bin / "Geo(0).kml") || fs::exists(home / "Geo(0).kml"));
    } else {
      ASSERT_EQ(c_.platform.opened, std::vector<std::string>{(t.folder / "Geo(0).kml").string()});
      EXPECT_TRUE(fs::is_regular_file(t.folder / "Geo(0).kml"));
    }
  }
}
