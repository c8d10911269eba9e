// The passage planner as a navigator uses it, on a recording platform: waypoints typed, pasted,
// moved and undone, the settings and why they are refused, the legs against those of the real
// orbalide-calc route, the files and the clipboard, and the main window it follows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <unistd.h>

#include "Calculatrice.hpp"
#include "FormPassage.hpp"
#include "Xml.hpp"

using namespace orbalide;
using namespace orbalide::test;
namespace fs = std::filesystem;

namespace {

struct Planner {
  FakePlatform platform;
  FormPassage f{platform, {false, 3}, 0};

  Planner() { f.Form_Load(); }
  void Type(int row, int column, std::string_view text) {
    f.UserCurrent(f.TblPoints, row, column);
    f.UserEdit(f.TblPoints, row, column, text);
  }
  void Paste(std::string text) {
    platform.clipboard = std::move(text);
    f.UserClick(f.MColler);
  }
  void Set(Reglage r, std::string_view text) {
    f.UserType(f.TxtReglage[static_cast<std::int16_t>(r)], text);
  }
  // The waypoints' names in order, "_" for none, each row that cannot be read marked "!", one a
  // passage made "~".
  std::string Names() const {
    std::string s;
    for (const Row& r : f.TblPoints.Rows()) {
      if (r.Header == "*") continue;
      s += (s.empty() ? "" : ", ") + (r.Cells[0].Text.empty() ? "_" : r.Cells[0].Text);
      for (const Cell& c : r.Cells) {
        if (c.Marked == Mark::Invalid) s += "!";
      }
      if (r.Cells[0].Marked == Mark::Made) s += "~";
    }
    return s;
  }
};

// orbalide-calc's output for a text of waypoints, a line of fields each.
std::vector<std::vector<std::string>> Calc(const std::string& options, const std::string& input) {
  const fs::path file = fs::temp_directory_path() / ("route-" + std::to_string(getpid()) + ".txt");
  std::ofstream(file) << input;
  FILE* out = popen((ORBALIDE_CALC " route " + options + " " + file.string()).c_str(), "r");
  std::vector<std::vector<std::string>> lines;
  std::array<char, 4096> line{};
  while (out != nullptr && std::fgets(line.data(), line.size(), out) != nullptr) {
    std::stringstream fields(line.data());
    lines.emplace_back();
    for (std::string f; std::getline(fields, f, ',');) lines.back().push_back(f);
    lines.back().back().erase(lines.back().back().find_last_not_of("\r\n") + 1);
  }
  if (out != nullptr) pclose(out);
  return lines;
}

// "3 j 04:30" or "4:30" in minutes; "102:33" too.
long Minutes(const std::string& shown) {
  long days = 0, hours = 0, minutes = 0;
  if (std::sscanf(shown.c_str(), "%ld %*s %ld:%ld", &days, &hours, &minutes) != 3) {
    days = 0;
    std::sscanf(shown.c_str(), "%ld:%ld", &hours, &minutes);
  }
  return (days * 24 + hours) * 60 + minutes;
}

// A text of waypoints, "lat lon name" a line, as CSV.
std::string Csv(const std::string& plain) {
  std::string csv;
  std::stringstream lines(plain);
  for (std::string lat, lon, name; lines >> lat >> lon && std::getline(lines, name);)
    csv += lat + "," + lon + "," + name.substr(1) + "\n";
  return csv;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

const char* const kIberia =
    "48°23'N 4°29'W Brest\n38°42'N 9°09'W Lisbon\n28°06'N 15°24'W Las Palmas\n";

}  // namespace

// One passage edited as a user would, each step undoable: typed into the empty last row in the
// notations of the command line (a GPS unit's included), pasted, moved, inserted, deleted,
// reversed; a cell that cannot be read is marked with its reason and stops the passage until it
// is mended. Unsaved changes follow the undo stack. A text as shown changes nothing.
TEST(Planner, EditsUndoneAndRedone) {
  Planner p;
  const auto menu = [&](MenuItem FormPassage::*item) {
    return [item](Planner& q) { q.f.UserClick(q.f.*item); };
  };
  const struct {
    std::function<void(Planner&)> act;
    std::string names;
    bool modified;
  } steps[] = {
      {[](Planner& q) { q.Type(0, 0, "Brest"); }, "Brest!!", true},
      {[](Planner& q) { q.Type(0, 1, "48°23'N"); }, "Brest!", true},
      {[](Planner& q) { q.Type(0, 2, "4°29'X"); }, "Brest!", true},
      {[](Planner& q) { q.Type(0, 2, "W004 29.000"); }, "Brest", true},
      {[](Planner& q) { q.Type(1, 1, "38:42N"); }, "Brest, _!", true},
      {[](Planner& q) { q.Type(1, 2, "-9.15"); }, "Brest, _", true},
      {[](Planner& q) { q.Type(1, 0, "  Lisbon "); }, "Brest, Lisbon", true},
      {[](Planner& q) { q.Type(1, 2, "009°09′00.000″W"); }, "Brest, Lisbon", true},
      {[](Planner& q) { q.Type(1, 0, "28,1 -15,4 Las Palmas\r\n"); },  // lines pasted into a cell
       "Brest, Las Palmas, Lisbon", true},
      {menu(&FormPassage::MDescendre), "Brest, Lisbon, Las Palmas", true},
      {menu(&FormPassage::MAnnuler), "Brest, Las Palmas, Lisbon", true},
      {menu(&FormPassage::MRetablir), "Brest, Lisbon, Las Palmas", true},
      {menu(&FormPassage::MMonter), "Lisbon, Brest, Las Palmas", true},
      {menu(&FormPassage::MInserer), "_, Lisbon, Brest, Las Palmas", true},
      {menu(&FormPassage::MSupprimer), "Lisbon, Brest, Las Palmas", true},
      {menu(&FormPassage::MInverser), "Las Palmas, Brest, Lisbon", true},
      {[](Planner& q) { q.Type(1, 1, "95"); }, "Las Palmas, Brest!, Lisbon", true},
      {[](Planner& q) { q.Paste("38.7 -9.15 Cascais\n95 0 Nowhere\n"); },
       "Las Palmas, Cascais, 95 0 Nowhere!, Brest!, Lisbon", true},
  };
  for (const auto& s : steps) {
    s.act(p);
    EXPECT_EQ(p.Names() + (p.f.Modifie() ? " *" : ""), s.names + (s.modified ? " *" : ""));
  }
  EXPECT_EQ(p.f.TxtBilan.Text(),
            "Point 3 : ligne illisible : Latitude dépasse 90°. Corrigez-le ou supprimez-le pour "
            "calculer le passage.");
  EXPECT_EQ(p.f.TblPoints.At(3, 1).Text + " " + p.f.TblPoints.At(3, 1).Reason,
            "95 Latitude dépasse 90°");
  EXPECT_EQ(p.f.TblEtapes.RowCount(), 0);  // no passage without them
  for (int i = 0; i < 6; ++i) p.f.UserClick(p.f.MAnnuler);
  EXPECT_EQ(p.Names(), "Brest, Lisbon, Las Palmas");
  EXPECT_EQ(p.f.TblPoints.At(1, 1).Text + " " + p.f.TblPoints.At(1, 2).Text,
            "38°42′00.000″N 009°09′00.000″W");
  while (p.f.MAnnuler.Enabled) p.f.UserClick(p.f.MAnnuler);
  EXPECT_EQ(p.Names() + (p.f.Modifie() ? " *" : ""), "");
  p.f.UserClick(p.f.MRetablir);
  EXPECT_EQ(p.Names(), "Brest!!");
  p.Paste("lat;lon;nom\n38,7;-9,15;Cascais\n");  // a spreadsheet's, in either dialect
  p.Paste("28.1,-15.4,Las Palmas\n");            // its rows without their header
  EXPECT_EQ(p.Names(), "Las Palmas, Cascais, Brest!!");
  EXPECT_FALSE(p.f.MRetablir.Enabled);  // a new edit forgets those undone
}

// Each setting as the command line reads its option, and why the passage has no route: the
// setting's own words, or the passage's at its waypoint. The keys typed into one box are one
// edit to undo.
TEST(Planner, SettingsAndTheirReasons) {
  const struct {
    Reglage setting;
    const char* text;
    std::string summary;
    bool marked;
  } cases[] = {
      {Reglage::Vitesse, "six",
       "Vitesse (nœuds) : une vitesse de 0,1 nœud ou plus est attendue (rien : sans heures).",
       true},
      {Reglage::Vitesse, "0.09",
       "Vitesse (nœuds) : une vitesse de 0,1 nœud ou plus est attendue (rien : sans heures).",
       true},
      {Reglage::Intervalle, "1e999", "Points tous les (Nm) : un nombre de 0 ou plus est attendu.",
       true},
      {Reglage::Meridiens, "200", "Méridiens tous les (°) : un nombre de 0 à 180 est attendu.",
       true},
      {Reglage::LatitudeMax, "0",
       "Latitude maximale : une latitude au-dessus de 0 et d'au plus 90° est attendue.", true},
      {Reglage::LatitudeMax, "40S",
       "Point 1 : Pas de route : ce point est au-delà de la latitude maximale.", false},
      {Reglage::Depart, "demain",
       "Départ : une date et une heure sont attendues, ainsi 2026-12-24T06:00Z.", true},
  };
  for (const auto& c : cases) {
    Planner p;
    p.Paste(kIberia);
    p.Set(c.setting, c.text);
    EXPECT_EQ(p.f.TxtBilan.Text(), c.summary) << c.text;
    EXPECT_EQ(p.f.TxtReglage[static_cast<std::int16_t>(c.setting)].BackColor.has_value(), c.marked);
  }
  Planner p;
  p.Paste(kIberia);
  const int announced = p.f.AnnouncementCount();
  for (const char* keys : {"6", "6.", "6.5"}) p.Set(Reglage::Vitesse, keys);
  EXPECT_EQ(p.f.AnnouncementCount(), announced);  // typing in a box says nothing, a choice does
  p.Set(Reglage::Depart, "2026-12-24T06:00");     // no zone: in the clock the times are shown in
  EXPECT_EQ(p.f.TblEtapes.At(0, 10).Text, "2026-12-28T04:40Z");  // 615.35 Nm at 6.5 knots
  p.platform.utcOffset = 60;
  p.f.UserSelect(p.f.OptHeures[1]);
  EXPECT_EQ(p.f.TblEtapes.At(0, 10).Text, "2026-12-28T04:40+01:00");  // departed 06:00+01:00
  EXPECT_EQ(p.f.Announcement(), p.f.TxtBilan.Text());
  EXPECT_EQ(p.f.AnnouncementCount(), announced + 1);
  p.f.UserClick(p.f.MAnnuler);
  p.f.UserClick(p.f.MAnnuler);
  EXPECT_EQ(p.f.TblEtapes.At(0, 10).Text, "");
  p.f.UserClick(p.f.MAnnuler);
  EXPECT_EQ(p.f.TxtReglage[3].Text() + "|" + p.f.TblEtapes.At(0, 8).Text, "|");
  // The interval keeps its length in the other unit (1 Nm = 1852 m), and comes back as typed:
  // one edit to undo.
  std::string intervalles;
  const auto unit = [&] { return std::string(p.f.OptUnite[0].Value() ? " m" : " Nm"); };
  for (const char* typed : {"300", "1000", "0.0000002"}) {
    p.Set(Reglage::Intervalle, typed);
    for (int k = 0; k < 2; ++k) {
      p.f.UserSelect(p.f.OptUnite[p.f.OptUnite[0].Value() ? 1 : 0]);
      intervalles += p.f.TxtReglage[0].Text() + unit() + ", ";
    }
    p.f.UserClick(p.f.MAnnuler);
    intervalles += p.f.TxtReglage[0].Text() + unit() + "; ";
  }
  EXPECT_EQ(intervalles,
            "555600 m, 300 Nm, 555600 m; 0.539957 Nm, 1000 m, 0.539957 Nm; "
            "0.0003704 m, 0.0000002 Nm, 0.0003704 m; ");
}

// The legs and their totals are those of the real orbalide-calc route for the same waypoints and
// options: names, positions and courses as written, distances to the decimals shown, times to
// the minute; made waypoints told apart.
TEST(Planner, LegsAsTheCommandLineComputesThem) {
  const struct {
    std::string waypoints, options;
    bool metres;
    Reglages settings;
    std::int16_t decimals;
  } cases[] = {
      {kIberia,
       "--unit=nm --every=300 --speed=6",
       false,
       {0, true, false, {"300", "", "", "6", ""}},
       3},
      {kIberia,
       "--unit=m --meridians=5 --precision=7",
       true,
       {0, false, false, {"", "5", "", "", ""}},
       7},
      {"10 0 A\n-10 179.5 B\n",
       "--unit=nm --max-latitude=20 --speed=0.5 --ellipsoid=clrk66",
       false,
       {2, true, false, {"", "", "20", "0.5", ""}},
       3},
  };
  for (const auto& c : cases) {
    Planner p;
    p.f.Precision(c.decimals);
    p.Paste(c.waypoints);
    p.f.AppliquerReglages(c.settings);
    const auto calc = Calc("--csv --dms " + c.options, "lat,lon,name\n" + Csv(c.waypoints));
    const std::vector<Row>& legs = p.f.TblEtapes.Rows();
    ASSERT_EQ(calc.size(), legs.size() + 1) << c.options;
    for (std::size_t i = 0; i < legs.size(); ++i) {
      const auto& line = calc[i + 1];
      const auto& cells = legs[i].Cells;
      SCOPED_TRACE(c.options + " leg " + line[0]);
      EXPECT_EQ(legs[i].Header, i + 1 < legs.size() ? line[0] : "Total");
      using Columns = std::vector<std::pair<std::size_t, std::size_t>>;  // the planner's, route's
      for (const auto& [cell, field] : Columns{{0, 1}, {1, 2}, {2, 5}, {3, 6}, {4, 7}, {6, 9}})
        EXPECT_EQ(cells[cell].Text, line[field]);
      const double shown = 0.5 * std::pow(10, -c.decimals), written = c.metres ? 5e-5 : 5e-9;
      for (const auto& [cell, field] : Columns{{5, 8}, {7, 10}})
        EXPECT_NEAR(std::stod(cells[cell].Text), std::stod(line[field]), shown + written);
      for (std::size_t k = 11; k < line.size(); ++k)
        EXPECT_EQ(Minutes(cells[k - 3].Text), Minutes(line[k]));
      EXPECT_EQ(cells[1].Marked == Mark::Made, line[2].find("–") != std::string::npos);
    }
  }
}

// A file of waypoints is saved as a GPX route where the user chooses, to the bytes that
// orbalide-calc route writes; read back, its made waypoints are marked and made again, and it is
// saved again in place, or pasted. Failures are said with the file and the system's reason. The
// legs go to the clipboard as CSV, the KML to the desktop's viewer; closing with unsaved changes
// asks first.
TEST(Planner, FilesAndTheClipboard) {
  const fs::path dir = fs::temp_directory_path() / "planificateur";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "passage.txt") << kIberia;
  std::ofstream(dir / "bad.gpx") << "<?xml version='1.0'?>\n<gpx version='1.1'\n";
  Calc("--unit=nm --every=300 --gpx=" + (dir / "calc.gpx").string(), kIberia);
  Planner p;
  p.f.OuvrirFichier((dir / "passage.txt").string());
  p.Set(Reglage::Intervalle, "300");
  EXPECT_EQ(p.f.Caption, "*passage.txt — Planification de passage");
  p.platform.chosen = (dir / "saved.gpx").string();
  p.f.UserClick(p.f.MEnregistrer);
  EXPECT_EQ(p.platform.suggestions.back(), (dir / "passage.gpx").string());
  EXPECT_EQ(Read(dir / "saved.gpx"), Read(dir / "calc.gpx"));
  p.f.OuvrirFichier((dir / "saved.gpx").string());
  EXPECT_EQ(p.Names(),
            "Brest, Brest–Lisbon 1~, Brest–Lisbon 2~, Lisbon, Lisbon–Las Palmas 1~, "
            "Lisbon–Las Palmas 2~, Las Palmas");
  EXPECT_EQ(p.f.Caption + " " + std::to_string(p.f.TblEtapes.RowCount()),
            "saved.gpx — Planification de passage 7");
  p.Set(Reglage::Vitesse, "6");
  p.f.UserClick(p.f.MEnregistrer);
  EXPECT_EQ(p.platform.suggestions.size(), 1u);
  EXPECT_EQ(Elements(dir / "saved.gpx")["rtept"].size(), 7u);
  EXPECT_FALSE(p.f.Modifie());

  p.platform.failWrites = true;
  p.Set(Reglage::Vitesse, "7");
  p.f.UserClick(p.f.MEnregistrer);
  p.f.OuvrirFichier((dir / "nowhere.gpx").string());
  p.f.OuvrirFichier((dir / "bad.gpx").string());
  p.platform.failWrites = false;
  const std::vector<std::string> said(p.platform.messages.end() - 3, p.platform.messages.end());
  EXPECT_EQ(said[0],
            "Le fichier « saved.gpx » ne peut être écrit : Permission denied. Choisissez "
            "un autre dossier ou un autre nom.");
  EXPECT_EQ(said[1], "Le fichier « nowhere.gpx » ne peut être lu : No such file or directory");
  EXPECT_TRUE(said[2].starts_with("Le fichier « bad.gpx » n'est pas une route GPX lisible (ligne "))
      << said[2];
  EXPECT_EQ(p.f.TblPoints.RowCount(), 8);

  p.f.UserClick(p.f.MCopierEtapes);
  const std::string csv = p.platform.clipboard;
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "Étape,De,À,Latitude,Longitude,Route,Distance (Nm),Route orthodromique,Distance "
            "orthodromique (Nm),Temps,Écoulé,Arrivée (UTC)");
  EXPECT_NE(csv.find("\r\nTotal,Brest,Las Palmas,28°06′00.000″N,015°24′00.000″W,,"),
            std::string::npos);
  p.platform.directory = dir.string();
  p.f.UserClick(p.f.MExporterKml);
  EXPECT_EQ(p.platform.opened.back(), (dir / "Passage.kml").string());
  EXPECT_EQ(Elements(dir / "Passage.kml")["Placemark"].size(), 8u);  // and the line

  p.Paste(Read(dir / "calc.gpx"));  // a route copied from a plotter's program
  EXPECT_EQ(p.f.TblPoints.RowCount(), 15);
  p.Paste("<gpx");
  EXPECT_TRUE(p.platform.messages.back().starts_with("Le presse-papiers n'est pas une route GPX"));
  for (const Answer a : {Answer::Cancel, Answer::No}) {
    p.platform.answer = a;
    EXPECT_EQ(p.f.PeutFermer(), a == Answer::No);
  }
  EXPECT_EQ(p.platform.messages.back(),
            "Le passage a des modifications qui ne sont pas enregistrées. Les enregistrer avant "
            "de le fermer ?");
  // Another program's GPX file, which may hold more than the route, is saved where the user
  // chooses, the file itself proposed.
  fs::copy_file(ORBALIDE_GPX_DIR "/gpsbabel-waypoints.gpx", dir / "babel.gpx");
  p.f.OuvrirFichier((dir / "babel.gpx").string());
  p.platform.chosen = std::nullopt;
  p.f.UserClick(p.f.MEnregistrer);
  EXPECT_EQ(p.platform.suggestions.back(), (dir / "babel.gpx").string());
  EXPECT_EQ(Read(dir / "babel.gpx"), Read(ORBALIDE_GPX_DIR "/gpsbabel-waypoints.gpx"));
  fs::remove_all(dir);
}

// The main window's menu opens the planner in the window's language, precision and ellipsoid,
// which it follows while open; quitting asks first for the planner's unsaved changes.
TEST(Planner, FollowsTheMainWindow) {
  Calculatrice c;
  c.f.UserClick(c.f.Mcent);
  c.f.UserSelect(c.f.Combo3, 1);
  c.f.UserClick(c.f.MPlanifier);
  FormPassage& f = *c.planner.Fenetre();
  EXPECT_EQ(c.platform.shown.back(), &f);
  c.platform.clipboard = "48.5 -4.5 A\n47 -5 B\n";
  f.UserClick(f.MColler);
  EXPECT_EQ(f.TblPoints.At(0, 1).Text + " " + f.CboEllipsoide.Text(),
            "48°30′00.00″N " + c.f.Combo3.Text());
  c.f.UserClick(c.f.Image2[1]);
  EXPECT_EQ(f.TblPoints.Columns[0].Header + " " + f.MEdition.Caption + " " + f.Caption,
            "Name Edit *New passage — Passage planning");
  c.f.UserClick(c.f.Mmaxi);
  EXPECT_EQ(f.TblPoints.At(0, 1).Text, "48°30′00.0000000″N");
  c.platform.answer = Answer::Cancel;
  c.f.UserKey(Key::Quit);
  EXPECT_EQ(c.platform.quits, 0);
  EXPECT_TRUE(c.platform.unloaded.empty());
  EXPECT_EQ(c.platform.messages.back(),
            "The passage has changes that are not saved. Save them before closing it?");
  c.platform.answer = Answer::No;
  c.f.UserKey(Key::Quit);
  EXPECT_EQ(c.platform.quits, 1);
  EXPECT_EQ(c.planner.Fenetre(), nullptr);
}
