// The passage planner's real widgets, offscreen, driven with keys: opened from the main window,
// waypoints typed and pasted into its table, rows moved and undone, a file opened and saved
// through the dialogs, and what it shows in both languages.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>

#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "Tableaux.hpp"
#include "Vue.hpp"

using namespace orbalide;

namespace {

// The real platform, but for the file dialogs, which answer with the file the test chose.
class DialogPlatform : public PlateformeQt {
 public:
  std::optional<std::string> ChooseFile(Form&, FileDialog, const std::string&,
                                        const std::vector<FileFilter>&,
                                        const std::string&) override {
    return chosen;
  }
  std::string chosen;
};

class PlannerWindow : public testing::Test {
 protected:
  void SetUp() override {
    f.Form_Load();
    platform.SynchroniserTout();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window(f)));
    QTest::keyClick(Window(f), Qt::Key_P, Qt::ControlModifier);  // "Planifier un passage…"
    ASSERT_NE(planner.Fenetre(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window(P())));
    Window(P())->activateWindow();
  }
  void TearDown() override {
    if (planner.Fenetre() != nullptr) platform.Unload(*planner.Fenetre());
    platform.Unload(f);
    QApplication::processEvents();
  }
  FormPassage& P() { return *planner.Fenetre(); }
  QWidget* Window(const Form& form) { return platform.View(form)->Window(); }
  QWidget* Of(const Control& c) { return platform.View(c.Owner())->Widget(c); }
  // Keys to the widget that has the focus at each, as a user types them: a cell's editor once
  // a key has opened it.
  void Keys(const QString& keys) {
    for (const QChar c : keys) {
      QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
      QApplication::processEvents();
    }
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QApplication::processEvents();
  }
  std::string Names() {
    std::string s;
    for (const PointSaisi& l : P().Lignes()) s += (s.empty() ? "" : ", ") + l.Nom;
    return s;
  }
  void Grab(const std::string& name) {
    const char* scale = Window(P())->devicePixelRatio() > 1 ? "-x2.png" : ".png";
    ASSERT_TRUE(Window(P())->grab().save(QString(ORBALIDE_CAPTURES "/") + name.c_str() + scale));
  }

  DialogPlatform platform;
  Apropos about{platform};
  Planificateur planner{platform};
  FormFormules f{platform, about, planner};
};

}  // namespace

// The table from the keyboard: typing starts a cell, Tab takes it and goes on to the next cell,
// Return takes the last; Ctrl+V pastes waypoints; Alt+Up moves a row, Delete deletes it, Insert
// makes an empty one; Ctrl+Z undoes the planner's last edit even from a box that has its own
// undo, Ctrl+Shift+Z redoes it. A row that cannot be read shows its reason as its tooltip.
TEST_F(PlannerWindow, KeysInTheTables) {
  auto* table = static_cast<Grille*>(Of(P().TblPoints));
  ASSERT_EQ(QApplication::focusWidget(), table);
  Keys("Brest\t48°23'N\t4°29'W\tLisbon\t38.7N\t9.15W");
  Key(Qt::Key_Return);
  EXPECT_EQ(Names(), "Brest, Lisbon");
  EXPECT_EQ(table->model()->index(1, 2).data().toString().toStdString(), "009°09′00.000″W");
  QGuiApplication::clipboard()->setText("28.1 -15.4 Las Palmas\n95 0 Nowhere\n");
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Names(), "Brest, Lisbon, Las Palmas, 95 0 Nowhere");
  EXPECT_EQ(table->model()->index(3, 0).data(Qt::ToolTipRole).toString().toStdString(),
            "ligne illisible : Latitude dépasse 90°");
  Key(Qt::Key_Down);
  Key(Qt::Key_Delete);
  Key(Qt::Key_Up);
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Names(), "Brest, Las Palmas, Lisbon");
  Key(Qt::Key_Insert);
  EXPECT_EQ(Names(), "Brest, , Las Palmas, Lisbon");
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier);
  P().SetFocus(P().TxtReglage[static_cast<std::int16_t>(Reglage::Vitesse)]);
  platform.SynchroniserTout();
  Keys("6.5");
  EXPECT_EQ(P().TblEtapes.At(0, 8).Text, "3 j 22:40");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(P().MRetablir.Enabled);  // the planner's undo, not the box's
  EXPECT_EQ(static_cast<QLineEdit*>(QApplication::focusWidget())->text().toStdString() + "|" +
                P().TblEtapes.At(0, 8).Text,
            "|");
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(P().TblEtapes.At(0, 8).Text, "3 j 22:40");
  EXPECT_EQ(Names(), "Brest, Lisbon, Las Palmas");
}

// Ctrl+O opens the file the dialog gives, Ctrl+S saves where it gives (a file of waypoints is
// saved as a GPX route), with the cell being edited; the title says the file.
TEST_F(PlannerWindow, OpenAndSaveThroughTheDialogs) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "planner-qt";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "p.csv") << "lat;lon;nom\n48,38;-4,49;Brest\n38,7;-9,15;Lisbon\n";
  platform.chosen = (dir / "p.csv").string();
  Key(Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(Names(), "Brest, Lisbon");
  EXPECT_EQ(Window(P())->windowTitle().toStdString(), "p.csv — Planification de passage");
  Keys("x");
  platform.chosen = (dir / "p.gpx").string();
  Key(Qt::Key_S, Qt::ControlModifier);  // the cell being edited taken first
  EXPECT_EQ(Window(P())->windowTitle().toStdString(), "p.gpx — Planification de passage");
  std::string gpx;
  EXPECT_TRUE(platform.ReadFile(dir / "p.gpx", gpx));
  EXPECT_NE(gpx.find("<name>x</name>"), std::string::npos);
  std::filesystem::remove_all(dir);
}

// Every state the planner shows, in French then in English as the main window's flag switches
// it: the reader's names of its tables and boxes, the headers, a refused setting's reason; the
// screenshots for the README.
TEST_F(PlannerWindow, BothLanguages) {
  QGuiApplication::clipboard()->setText(
      "48°23'N 4°29'W Brest\n38°42'N 9°09'W Lisbon\n28°06'N 15°24'W Las Palmas\n");
  Key(Qt::Key_V, Qt::ControlModifier);
  P().AppliquerReglages({0, true, false, {"300", "", "", "6", "2026-12-24T06:00Z"}});
  P().TblPoints.SetCurrent(3, 0);
  platform.SynchroniserTout();
  auto* legs = static_cast<Grille*>(Of(P().TblEtapes));
  const auto whole = [&] {  // no figure of the legs cut short
    for (int r = 0; r < legs->model()->rowCount(); ++r) {
      for (int c = 0; c < 11; ++c)
        EXPECT_LE(legs->sizeHintForIndex(legs->model()->index(r, c)).width(), legs->columnWidth(c));
    }
  };
  whole();
  EXPECT_EQ(legs->horizontalScrollBar()->maximum(), 0);  // nothing to scroll to at first
  Grab("planificateur-fr");
  P().TblPoints_Edit(1, 1, "38°72'N");
  platform.SynchroniserTout();
  Grab("planificateur-erreur");
  P().MAnnuler_Click();
  f.UserClick(f.Image2[1]);
  platform.SynchroniserTout();
  EXPECT_EQ(legs->model()->headerData(10, Qt::Horizontal).toString().toStdString(), "ETA (UTC)");
  EXPECT_EQ(legs->model()->headerData(6, Qt::Vertical).toString().toStdString(), "Total");
  EXPECT_EQ(legs->model()->index(0, 1).data(Qt::AccessibleDescriptionRole).toString().toStdString(),
            "Waypoint made by the passage");
  EXPECT_EQ(Of(P().TblPoints)->accessibleName().toStdString(), "Waypoints");
  EXPECT_EQ(Of(P().TxtBilan)->accessibleName().toStdString(), "Passage summary");
  EXPECT_EQ(Of(P().TxtReglage[3])->accessibleName().toStdString(), "Speed (knots)");
  whole();
  Grab("planificateur-en");
  for (std::int16_t i = 0; i < P().LblReglage.Size(); ++i) {  // labels level with their boxes
    auto* l = static_cast<QLabel*>(Of(P().LblReglage[i]));
    const QSize line = l->fontMetrics().size(0, l->text());
    EXPECT_NEAR(
        QStyle::alignedRect(Qt::LeftToRight, l->alignment(), line, l->geometry()).center().y(),
        Of(P().TxtReglage[i])->geometry().center().y(), 1);
  }
  // Times of arrival in the computer's zone: Newfoundland's, 3 h 30 behind UTC in winter.
  const QByteArray zone = qgetenv("TZ");
  qputenv("TZ", "America/St_Johns");
  static_cast<QRadioButton*>(Of(P().OptHeures[1]))->click();
  EXPECT_EQ(legs->model()->index(0, 10).data().toString().toStdString() + " " +
                legs->model()->headerData(10, Qt::Horizontal).toString().toStdString(),
            "2026-12-26T04:30-03:30 ETA (local time)");
  P().AppliquerReglages({0, false, true, {"", "", "", "6", "2026-12-24T06:00Z"}});  // metres
  platform.SynchroniserTout();
  whole();
  qputenv("TZ", zone);
  // Made larger, the window gives the room to the legs, and the height to both tables; the
  // totals stay below them. Made smaller, to fit a screen 1024 pixels wide, it takes the room
  // from the legs alike.
  const auto places = [&] {
    return std::vector<QRect>{Of(P().TblPoints)->geometry(), Of(P().TblEtapes)->geometry(),
                              Of(P().TxtBilan)->geometry()};
  };
  const std::vector<QRect> before = places();
  for (const QSize change : {QSize(200, 100), QSize(-400, -120)}) {
    Window(P())->resize(Window(P())->size() + change);
    QApplication::processEvents();
    const int w = change.width(), h = change.height();
    EXPECT_EQ(places(),
              (std::vector<QRect>{before[0].adjusted(0, 0, 0, h), before[1].adjusted(0, 0, w, h),
                                  before[2].adjusted(0, h, w, h)}));
    Window(P())->resize(Window(P())->size() - change);
  }
  P().AppliquerReglages({0, true, false, {"300", "", "", "6", "tomorrow"}});
  platform.SynchroniserTout();
  EXPECT_EQ(Of(P().TxtReglage[4])->toolTip().toStdString(),
            "a date and time are expected, as 2026-12-24T06:00Z");
  EXPECT_EQ(static_cast<QLineEdit*>(Of(P().TxtBilan))->text().toStdString(),
            "Departure: a date and time are expected, as 2026-12-24T06:00Z.");
}
