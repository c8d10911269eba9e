// The real widgets, offscreen, driven with key and mouse clicks.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <map>
#include <set>

#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "Polices.hpp"
#include "Vue.hpp"
#include "apropos.hpp"

using namespace orbalide;

namespace {

// The real platform, but for what would leave the test: the desktop's viewer and message boxes.
class RecordingPlatform : public PlateformeQt {
 public:
  void Beep() override { ++beeps; }
  void Message(const std::string& text) override { messages.push_back(text); }
  void Open(const std::string& target) override { opened.push_back(target); }
  int beeps = 0;
  std::vector<std::string> messages, opened;
};

// What a widget shows that does not fit in it, or "" when everything fits: its text within the
// room that the style gives text, and the widget within its container.
std::string Clipped(const QWidget* w) {
  const bool drawsNothing = w->metaObject() == &QFrame::staticMetaObject;  // borderless frames
  const QRect place(w->mapTo(w->window(), QPoint()), w->size());
  for (const QWidget* p = w->parentWidget(); p != nullptr && !drawsNothing; p = p->parentWidget()) {
    if (!QRect(p->mapTo(w->window(), QPoint()), p->size()).contains(place))
      return "cut by " + p->objectName().toStdString();
  }
  const QFontMetrics m(w->font());
  const QStyle* style = w->style();
  QRect room;
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return "";  // a picture, drawn at the label's size
    const QRect needed = m.boundingRect(w->rect(), Qt::TextWordWrap, label->text());
    return w->rect().contains(needed) ? "" : "text cut";
  }
  if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
    QStyleOptionFrame o;
    o.initFrom(w);
    o.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, w);
    room = style->subElementRect(QStyle::SE_LineEditContents, &o, w).adjusted(2, 0, -2, 0);
    text = edit->text();
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
    QStyleOptionButton o;
    o.initFrom(w);
    const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
    room = style->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &o, w);
    if (!button->icon().isNull()) room.setWidth(room.width() - button->iconSize().width() - 4);
    text = button->text();
  } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
    QStyleOptionGroupBox o;
    o.initFrom(w);
    o.text = group->title();
    o.subControls = QStyle::SC_GroupBoxLabel;
    room = style->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, w);
    if (!w->rect().contains(room)) return "title cut";
    text = group->title();
  } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
    QStyleOptionComboBox o;
    o.initFrom(w);
    o.editable = combo->isEditable();
    room = style->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, w);
    text = combo->currentText();
  }
  if (text.isEmpty()) return "";
  const bool fits = m.horizontalAdvance(text) <= room.width() && m.height() <= room.height();
  return fits ? ""
              : "needs " + std::to_string(m.horizontalAdvance(text)) + "x" +
                    std::to_string(m.height()) + " in " + std::to_string(room.width()) + "x" +
                    std::to_string(room.height());
}

class Window : public testing::Test {
 protected:
  void SetUp() override {
    f.Form_Load();
    platform.SynchroniserTout();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    Main()->activateWindow();
    QApplication::processEvents();
  }
  void TearDown() override {
    for (Form* form : {static_cast<Form*>(about.Fenetre()), static_cast<Form*>(&f)}) {
      if (form != nullptr) platform.Unload(*form);
    }
    QApplication::processEvents();
  }

  QWidget* Main() { return platform.View(f)->Window(); }
  template <class W = QWidget>
  W* Of(const Control& c) {
    return static_cast<W*>(platform.View(c.Owner())->Widget(c));
  }
  QLineEdit* Edit(const TextBox& box) { return Of<QLineEdit>(box); }
  // Keystrokes go wherever the focus is, as on a keyboard.
  void Keys(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
  void Press(const CommandButton& b) { QTest::mouseClick(Of(b), Qt::LeftButton); }
  void TypeInto(const TextBox& box, const char* keys) {
    QTest::mouseClick(Edit(box), Qt::LeftButton);
    QApplication::processEvents();
    Edit(box)->selectAll();
    QTest::keyClicks(Edit(box), keys);
  }
  QString Shown(std::int16_t k) {
    QStringList texts;
    for (FormFormules::Composante c : kComposantes) texts << Edit(f.Boite(c, k))->text();
    return texts.join(' ');
  }

  RecordingPlatform platform;
  Apropos about{platform};
  FormFormules f{platform, about};
};

}  // namespace

TEST_F(Window, KeyboardDepartureEndsInTheCourse) {
  EXPECT_EQ(QApplication::focusWidget(), Edit(f.LatD[0]));
  for (const char* keys : {"49", "00", "23.260", "006", "09", "41.280"}) Keys(keys);
  EXPECT_EQ(QApplication::focusWidget(), Edit(f.Text1[0]));
  EXPECT_EQ(Shown(0), "49 00 23.260 006 09 41.280");
}

TEST_F(Window, ForwardComputationShowsTheArrival) {
  EXPECT_FALSE(Of(f.Command2)->isEnabled());
  for (const char* keys : {"45", "00", "00.000", "000", "00", "00.000"}) Keys(keys);
  TypeInto(f.Text1[0], "180");
  TypeInto(f.Text1[1], "30");
  TypeInto(f.Text1[2], "00");
  TypeInto(f.Text2, "100000");
  QTest::mouseClick(Of(f.Option1[0]), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_TRUE(Of(f.Command2)->isEnabled());
  Press(f.Command2);
  EXPECT_EQ(Shown(1), "44 06 00.468 00 00 39.233");
  EXPECT_EQ(Of<QLabel>(f.Label3[0])->text() + Of<QLabel>(f.Label3[1])->text(), "NW");
  EXPECT_EQ(Edit(f.FB[0])->text() + " " + Edit(f.FB[1])->text() + " " + Edit(f.FB[2])->text(),
            "180 29 32.476");
  EXPECT_EQ(Edit(f.FB[3])->text(), "0");
  EXPECT_TRUE(Edit(f.FB[0])->toolTip().startsWith("180.4923544"));
  EXPECT_EQ(QApplication::focusWidget(), Edit(f.LOnD[1]));
}

TEST_F(Window, InverseComputeDirectRoundTrip) {
  Press(f.Command8);
  EXPECT_TRUE(Of(f.Frame4)->isVisible());
  Press(f.Command4);  // the design texts: the same point twice, no result
  EXPECT_EQ(platform.beeps, 1);
  TypeInto(f.LatD[3], "50");
  Press(f.Command4);
  EXPECT_FALSE(Edit(f.Text3)->text().isEmpty());
  EXPECT_EQ(Of<QLabel>(f.Label10)->text(), "Nm");
  Press(f.Command7);
  EXPECT_FALSE(Of(f.Frame4)->isVisible());
  EXPECT_TRUE(Of(f.Command8)->isVisible());
}

TEST_F(Window, PrecisionMenu) {
  auto* main = static_cast<QMainWindow*>(Main());
  QMenu* menu = main->menuBar()->findChildren<QMenu*>().front();
  EXPECT_EQ(menu->title(), "Précision");
  const QList<QAction*> items = menu->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), "100eme seconde");
  EXPECT_TRUE(items[1]->isChecked());
  Edit(f.LATS[0])->setFocus();
  f.LATS[0].SetText("23.265");
  items[0]->trigger();
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_FALSE(items[1]->isChecked() || items[2]->isChecked());
  EXPECT_EQ(Edit(f.LATS[0])->text(), "23.26");
}

TEST_F(Window, FlagSwitchesEveryCaption) {
  EXPECT_EQ(Of(f.Image2[0]), nullptr);  // made when first shown
  QTest::mouseClick(Of(f.Image2[1]), Qt::LeftButton);
  EXPECT_TRUE(Of(f.Image2[0])->isVisible());
  EXPECT_FALSE(Of(f.Image2[1])->isVisible());
  EXPECT_EQ(Of<QPushButton>(f.Command2)->text(), "Calculate");
  EXPECT_EQ(Of<QGroupBox>(f.Frame2)->title(), "Waypoint(1)");
  EXPECT_EQ(Of<QLabel>(f.Label1)->text(), "Initial HDG °");
  EXPECT_EQ(Of<QRadioButton>(f.Option1[0])->text(), "Meters");
  EXPECT_EQ(Of(f.Command11[0])->toolTip(), "Show in google earth");
  EXPECT_EQ(static_cast<QMainWindow*>(Main())->menuBar()->findChildren<QMenu*>().front()->title(),
            "Precision");
  QTest::mouseClick(Of(f.Image2[0]), Qt::LeftButton);
  EXPECT_EQ(Of<QPushButton>(f.Command2)->text(), "Calculer");
}

TEST_F(Window, AboutWindowOpensInEnglishAndClosesOnAClick) {
  QTest::mouseClick(Of(f.Image2[1]), Qt::LeftButton);
  QTest::mouseClick(Of(f.Image1), Qt::LeftButton);
  apropos* w = about.Fenetre();
  ASSERT_NE(w, nullptr);
  QWidget* window = platform.View(*w)->Window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  EXPECT_TRUE(Of<QLabel>(w->Label2[1])->text().startsWith("   The earth is not round"));
  EXPECT_EQ(Of<QLabel>(w->Label6[0])->text(), "Version: 1.0.0");
  QTest::mouseClick(Of(w->Label6[1]), Qt::LeftButton);  // the web link keeps it open
  EXPECT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(window->isVisible());
  QTest::mouseClick(Of(w->Label1), Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(about.Fenetre(), nullptr);
  QApplication::processEvents();
}

TEST_F(Window, ShiftClickOnThePasteBoxFillsTheSlot) {
  Edit(f.INS[0])->setText("WP1 N49°00'23.26 E006°09'41.28");
  f.INS[0].SetText("WP1 N49°00'23.26 E006°09'41.28");
  QTest::mouseClick(Edit(f.INS[0]), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(Shown(0), "49 00 23.26 006 09 41.28");
  EXPECT_EQ(Edit(f.Text4[0])->text(), "WP1");
  EXPECT_EQ(platform.beeps, 1);
  QTest::mouseDClick(Edit(f.INS[0]), Qt::LeftButton);
  EXPECT_EQ(Edit(f.INS[0])->text(), "");
}

// The main window's client area is 423 × 294 pixels at 96 DPI.
TEST_F(Window, PlacesFromTwips) {
  if (Main()->logicalDpiX() != 96) GTEST_SKIP() << "not at 96 DPI";
  EXPECT_EQ(static_cast<QMainWindow*>(Main())->centralWidget()->size(), QSize(423, 294));
  EXPECT_EQ(Of(f.Command2)->geometry(), QRect(36, 110, 177, 40));
}

// Under a dark desktop theme the design's colours still stand on a light base.
TEST_F(Window, ColoursHoldUnderADarkTheme) {
  const QPalette saved = QApplication::palette();
  QPalette dark(QColor(40, 40, 40));
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  QApplication::setPalette(dark);
  RecordingPlatform other;
  Apropos otherAbout{other};
  FormFormules g{other, otherAbout};
  g.Form_Load();
  auto* box = static_cast<QLineEdit*>(other.View(g)->Widget(g.LatD[0]));
  EXPECT_GT(box->palette().color(QPalette::Base).lightness(), 200);
  EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 0, 192));
  auto* label = static_cast<QLabel*>(other.View(g)->Widget(g.Label1));
  EXPECT_LT(label->palette().color(QPalette::WindowText).lightness(), 60);
  other.Unload(g);
  QApplication::setPalette(saved);
}

// The keyboard alone: type, compute with Return, reach the inverse panel, walk its whole tab
// order in both directions, compute there and come back.
TEST_F(Window, KeyboardOnly) {
  for (const char* keys : {"45", "00", "00.000", "000", "00", "00.000", "180"}) Keys(keys);
  for (const char* keys : {"30", "", "100000"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Keys(keys);
  }
  f.UserSelect(f.Option1[0]);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Shown(1), "44 06 00.468 00 00 39.233");
  while (QApplication::focusWidget() != Of(f.Command8))
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  ASSERT_TRUE(Of(f.Frame4)->isVisible());
  QTest::mouseClick(Edit(f.LatD[2]), Qt::LeftButton);
  const QWidget* start = QApplication::focusWidget();
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
    std::set<const QWidget*> visited;
    do {
      QTest::keyClick(QApplication::focusWidget(), key);
      ASSERT_TRUE(QApplication::focusWidget()->isVisible());
      visited.insert(QApplication::focusWidget());
    } while (QApplication::focusWidget() != start && visited.size() < 100);
    EXPECT_EQ(visited.size(), f.TabOrder().size());  // one press a control, editable lists too
    EXPECT_TRUE(visited.count(Of(f.Command4)) && visited.count(Of(f.Command7)));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(Edit(f.Text3)->text(), "99999.991");  // between the shown positions (GeographicLib)
  while (QApplication::focusWidget() != Of(f.Command7))
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(Of(f.Frame4)->isVisible());
}

// In each panel a widget is visible exactly when the model shows its control, and no two
// visible widgets overlap unless the design overlaps them; only the focused box shows a
// selection.
TEST_F(Window, OnlyWhatTheModelShows) {
  const auto design = [](const Control& c) {
    QRect r(c.Place.Left, c.Place.Top, c.Place.Width, c.Place.Height);
    for (const Control* k = c.Container; k != nullptr; k = k->Container)
      r.translate(k->Place.Left, k->Place.Top);
    return r;
  };
  const auto inside = [](const Control* a, const Control* b) {
    for (const Control* k = a->Container; k != nullptr; k = k->Container)
      if (k == b) return true;
    return false;
  };
  for (std::size_t i = 0; i < kComposantes.size(); ++i)
    f.Boite(kComposantes[i], 0)
        .SetText(std::vector{"45", "00", "00.000", "000", "00", "00.000"}[i]);
  f.Text2.SetText("100");
  platform.SynchroniserTout();
  for (const CommandButton* button : {&f.Command2, &f.Command3, &f.Command8}) {
    Press(*button);
    std::vector<const Control*> shown;
    for (const Control* c : f.Controls()) {
      if (c->GetKind() == Kind::MenuItem) continue;
      const QWidget* w = Of(*c);
      EXPECT_EQ(w != nullptr && w->isVisibleTo(Main()), c->Shown()) << c->FullName();
      if (c->Shown()) shown.push_back(c);
    }
    for (const Control* a : shown) {
      for (const Control* b : shown) {
        if (a >= b || inside(a, b) || inside(b, a)) continue;
        const QRect wa(Of(*a)->mapTo(Main(), QPoint()), Of(*a)->size());
        const QRect wb(Of(*b)->mapTo(Main(), QPoint()), Of(*b)->size());
        EXPECT_TRUE(!wa.intersects(wb) || design(*a).intersects(design(*b)))
            << a->FullName() << " over " << b->FullName();
      }
    }
    int selected = 0;
    for (QLineEdit* edit : Main()->findChildren<QLineEdit*>()) {
      if (edit->hasSelectedText()) {
        ++selected;
        EXPECT_TRUE(edit->hasFocus());
      }
    }
    EXPECT_LE(selected, 1) << "after " << button->FullName();
  }
}

// Screen readers find a name for every control that takes the focus or shows a result, in the
// language of the window.
TEST_F(Window, AccessibleNames) {
  std::map<const Control*, QString> french;
  const std::set<QString> sameInBoth{"Distance", "Nm", "Inverse", "RAZ"};
  for (const std::int16_t flag : {std::int16_t{1}, std::int16_t{0}}) {
    for (const bool inverse : {false, true}) {
      f.Frame4.Visible = inverse;
      platform.SynchroniserTout();
      for (const Control* c : f.Controls()) {
        const bool result =
            c->GetKind() == Kind::TextBox && static_cast<const TextBox*>(c)->ReadOnly;
        if (!c->Shown() || (!c->TabStop && !result)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Of(*c));
        ASSERT_NE(a, nullptr);
        const QString name = a->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << c->FullName();
        EXPECT_EQ(a->state().readOnly, result) << c->FullName();
        if (flag == 1) {
          french[c] = name;
        } else if (!sameInBoth.contains(name)) {
          EXPECT_NE(name, french[c]) << c->FullName();
        }
      }
    }
    f.Image2_Click(flag);
  }
}

// Nothing either window shows is cut, in either language, with texts as wide as the
// computations write them; also at twice the scale (Window.ScreenshotsAtScaleTwo).
TEST_F(Window, NothingIsClipped) {
  const char* widest[] = {"89", "59", "59.9999999", "179", "59", "59.9999999"};
  for (std::size_t i = 0; i < kComposantes.size(); ++i)
    f.Boite(kComposantes[i], 1).SetText(widest[i]);
  f.FB[0].SetText("360");
  f.FB[2].SetText("59.9999999");
  f.Text3.SetText("19999999.9999999");
  f.Label10.Caption = "Mètres";
  f.Image1_Click();
  for (const std::int16_t flag : {std::int16_t{1}, std::int16_t{0}}) {
    for (const bool inverse : {false, true}) {
      f.Frame4.Visible = inverse;
      platform.SynchroniserTout();
      for (const Form* form : {static_cast<Form*>(&f), static_cast<Form*>(about.Fenetre())}) {
        for (const Control* c : form->Controls()) {
          if (c->Shown() && c->GetKind() != Kind::MenuItem) {
            EXPECT_EQ(Clipped(Of(*c)), "") << c->FullName() << " " << flag;
          }
        }
      }
    }
    f.Image2_Click(flag);
  }
}

// The export buttons' menu opens on a right click or on Shift+F10, offers the route once there is
// one, and exports it.
TEST_F(Window, ExportMenu) {
  const auto menu = [&] {
    for (QMenu* m : Main()->findChildren<QMenu*>()) {
      if (m->isVisible()) return m;
    }
    return static_cast<QMenu*>(nullptr);
  };
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                          Of(f.Command11[1])->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(Of(f.Command11[1]), &click);
  ASSERT_NE(menu(), nullptr);
  const QList<QAction*> items = menu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text() + " | " + items[1]->text(),
            "Exporter la position | Exporter la route");
  EXPECT_FALSE(items[1]->isEnabled());  // nothing computed yet
  menu()->close();
  f.Text2.SetText("1");
  f.Command2_Click();
  f.SetFocus(f.Command11[0]);
  platform.SynchroniserTout();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
  ASSERT_NE(menu(), nullptr);
  ASSERT_TRUE(items[1]->isEnabled());
  items[1]->trigger();
  ASSERT_EQ(platform.opened.size(), 1u);
  EXPECT_TRUE(QString::fromStdString(platform.opened[0]).endsWith("/Route(0).kml"));
  QFile::remove(QString::fromStdString(platform.opened[0]));
}

// Grabs every state of both windows for a person to look at, into the build folder; under
// QT_SCALE_FACTOR=2 the names end in "-x2".
TEST_F(Window, Screenshots) {
  const QString suffix = Main()->devicePixelRatio() > 1 ? "-x2.png" : ".png";
  const auto grab = [&](QWidget* window, const char* name) {
    QApplication::processEvents();
    ASSERT_TRUE(window->grab().save(QString(ORBALIDE_CAPTURES "/") + name + suffix));
  };
  grab(Main(), "direct-fr");
  f.Image2_Click(1);
  platform.SynchroniserTout();
  grab(Main(), "direct-en");
  f.Image2_Click(0);
  for (const char* keys : {"48", "30", "00.000", "004", "30", "00.000"}) Keys(keys);
  TypeInto(f.Text1[0], "300");
  TypeInto(f.Text2, "100");
  Press(f.Command2);
  grab(Main(), "direct-calcul-fr");
  Press(f.Command8);
  Press(f.Command4);
  grab(Main(), "inverse-calcul-fr");
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(),
                         Of(f.Command11[3])->mapToGlobal(QPoint(0, 30)));
  QApplication::sendEvent(Of(f.Command11[3]), &menu);
  QApplication::processEvents();
  const QRect area(Main()->mapToGlobal(QPoint()), Main()->size());
  ASSERT_TRUE(QGuiApplication::primaryScreen()
                  ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                  .save(QString(ORBALIDE_CAPTURES "/menu-export") + suffix));
  QApplication::activePopupWidget()->close();
  f.Image2_Click(1);
  platform.SynchroniserTout();
  grab(Main(), "inverse-en");
  QTest::mouseClick(Of(f.Command7), Qt::LeftButton);
  QTest::mouseClick(Of(f.Image1), Qt::LeftButton);
  QWidget* aboutWindow = platform.View(*about.Fenetre())->Window();
  grab(aboutWindow, "apropos-en");
  f.Image2_Click(0);
  platform.SynchroniserTout();
  grab(aboutWindow, "apropos-fr");
}
