// The real widgets, offscreen, driven with key and mouse clicks.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <fstream>
#include <set>

#include "Accessibles.hpp"
#include "Ajustement.hpp"
#include "Distribution.hpp"
#include "FormFormules.hpp"
#include "PlateformeQt.hpp"
#include "Vue.hpp"

using namespace orbalide;

namespace {

// The real platform, but for what would leave the test: the desktop's viewer and message boxes.
class RecordingPlatform : public PlateformeQt {
 public:
  void Beep() override { ++beeps; }
  void Open(const std::string& target) override { opened.push_back(target); }
  int beeps = 0;
  std::vector<std::string> opened;
};

// What a widget shows that does not fit, or "": the widget within every container (a borderless
// frame draws nothing), the text of a label, box or button within the room the style gives it.
std::string Clipped(const QWidget* w) {
  const QRect place(w->mapTo(w->window(), QPoint()), w->size());
  for (const QWidget* p = w->parentWidget(); p && !qobject_cast<const Groupe*>(w);
       p = p->parentWidget()) {
    if (!QRect(p->mapTo(w->window(), QPoint()), p->size()).contains(place)) return "cut by box";
  }
  const QFontMetrics m(w->font());
  const QStyle& s = *w->style();
  QStyleOptionButton button;
  QStyleOptionFrame frame;
  button.initFrom(w);
  frame.initFrom(w);
  QString text;
  QRect room;
  if (const auto* l = qobject_cast<const QLabel*>(w)) {  // an empty one shows a picture
    const QRect needed = m.boundingRect(w->rect(), Qt::TextWordWrap, l->text());
    return l->text().isEmpty() || w->rect().contains(needed) ? "" : "label cut";
  } else if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
    frame.lineWidth = s.pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, w);
    room = s.subElementRect(QStyle::SE_LineEditContents, &frame, w).adjusted(2, 0, -2, 0);
    text = e->text();
  } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
    const bool radio = qobject_cast<const QRadioButton*>(w) != nullptr;
    room = s.subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                            &button, w);
    room.setLeft(room.left() + (b->icon().isNull() ? 0 : b->iconSize().width() + 4));
    text = b->text();
  }
  const bool fits = m.horizontalAdvance(text) <= room.width() && m.height() <= room.height();
  return text.isEmpty() || fits ? "" : text.toStdString() + " cut";
}

// The text a widget shows as its caption.
QString Caption(const QWidget* w) {
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  return {};
}

class Window : public testing::Test {
 protected:
  void SetUp() override {
    f.Form_Load();
    platform.SynchroniserTout();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    Main()->activateWindow();
  }
  void TearDown() override {
    for (Form* form : {static_cast<Form*>(about.Fenetre()), static_cast<Form*>(&f)})
      if (form != nullptr) platform.Unload(*form);
    QApplication::processEvents();
  }

  QWidget* Main() { return platform.View(f)->Window(); }
  template <class W = QWidget>
  W* Of(const Control& c) {
    return static_cast<W*>(platform.View(c.Owner())->Widget(c));
  }
  QLineEdit* Edit(const TextBox& box) { return Of<QLineEdit>(box); }

  // Saves what a window shows into the build folder.
  void Grab(const Form& form, const std::string& name) {
    QWidget* w = platform.View(form)->Window();
    const char* scale = w->devicePixelRatio() > 1 ? "-x2.png" : ".png";
    ASSERT_TRUE(w->grab().save(QString(ORBALIDE_CAPTURES "/") + name.c_str() + scale));
  }
  RecordingPlatform platform;
  Apropos about{platform};
  Planificateur planner{platform};
  FormFormules f{platform, about, planner};
};

}  // namespace

// The mouse: the precision menu and the paste box, its line written by a screen reader, as any
// box's text but for the locked ones; a hemisphere written into a list chooses it.
TEST_F(Window, MouseOnMenuAndPasteBox) {
  QMenu* precision = static_cast<QMainWindow*>(Main())->menuBar()->findChildren<QMenu*>().front();
  const QList<QAction*> items = precision->actions();
  f.LATS[0].SetText("23.265");
  items.at(0)->trigger();
  EXPECT_TRUE(items[0]->isChecked() && !items[1]->isChecked() && !items[2]->isChecked());
  EXPECT_EQ(precision->title() + " " + items[0]->text() + " " + Edit(f.LATS[0])->text(),
            "&Précision 100eme seconde 23.26");
  const auto reader = [&](QLineEdit* edit) {
    return QAccessible::queryAccessibleInterface(edit)->editableTextInterface();
  };
  reader(Edit(f.LatD[1]))->insertText(0, "12");                          // an arrival box: locked
  reader(Edit(f.Text4[0]))->insertText(0, QString("Brest") + QChar(0));  // as the bus pads it
  reader(Of<QComboBox>(f.Combo1)->lineEdit())->replaceText(0, 1, "s");   // chooses "S"
  reader(Of<QComboBox>(f.Combo2)->lineEdit())->replaceText(0, 1, "x");   // typed
  EXPECT_EQ(f.LatD[1].Text() + Edit(f.LatD[1])->text().toStdString() + "|" + f.Text4[0].Text() +
                std::to_string(f.Combo1.ListIndex()) + f.Combo2.Text(),
            "|Brest1x");
  reader(Edit(f.INS[0]))->insertText(0, "WP1 N49°00'23,26 E006°09'41,28");
  QTest::mouseClick(Edit(f.INS[0]), Qt::LeftButton, Qt::ShiftModifier);
  QString shown;
  for (const FormFormules::Composante c : kComposantes) shown += Edit(f.Boite(c, 0))->text() + " ";
  EXPECT_EQ(shown + Edit(f.Text4[0])->text(), "49 00 23.26 006 09 41.28 WP1");
  EXPECT_EQ(platform.beeps, 1);
  QTest::mouseDClick(Edit(f.INS[0]), Qt::LeftButton);
  EXPECT_EQ(Edit(f.INS[0])->text(), "");
}

// The design's places at 96 DPI; only the focused box shows a selection after a computation,
// "Monter" and "Inverse", where Tab leaves an editable list at once. "Directe" and "Inverse" put
// the focus into the panel shown, and Tab and Shift+Tab walk it with the widgets' focus where the
// model's is at every step. Each hemisphere list, reached either way, takes each key at the first
// press from its first item shown with none selected: Down, End, Page Down and the second
// item's letter choose that item, Up, Home, Page Up and the first item's letter (of the other
// case) the first; so does the wheel. From the last item, Down and the wheel keep it.
TEST_F(Window, PlacesSelectionsTabAndLists) {
  if (Main()->logicalDpiX() == 96) {  // the client area is 423 × 294 pixels
    EXPECT_EQ(static_cast<QMainWindow*>(Main())->centralWidget()->size(), QSize(423, 294));
    EXPECT_EQ(Of(f.Command2)->geometry(), QRect(36, 110, 177, 40));
  }
  const char* departure[] = {"45", "00", "00.000", "000", "00", "00.000"};
  for (std::size_t i = 0; i < kComposantes.size(); ++i)
    f.Boite(kComposantes[i], 0).SetText(departure[i]);
  f.Text2.SetText("100");
  platform.SynchroniserTout();
  for (const CommandButton* button : {&f.Command2, &f.Command3, &f.Command8}) {
    QTest::mouseClick(Of(*button), Qt::LeftButton);
    for (const QLineEdit* edit : Main()->findChildren<QLineEdit*>())
      EXPECT_TRUE(!edit->hasSelectedText() || edit->hasFocus()) << button->FullName();
  }
  Of<QComboBox>(f.Combo5)->lineEdit()->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Edit(f.LOnD[2]));
  const auto agree = [&] {  // the focused widget is the model's control or inside it
    return Of(*f.Focus()) == QApplication::focusWidget() ||
           Of(*f.Focus())->isAncestorOf(QApplication::focusWidget());
  };
  for (const CommandButton* panel : {&f.Command7, &f.Command8}) {
    QTest::mouseClick(Of(*panel), Qt::LeftButton);
    EXPECT_EQ(f.Focus(), panel == &f.Command7 ? &f.LatD[0] : &f.LatD[2]);
    const std::vector<Control*> order = f.TabOrder();
    for (std::size_t i = 0; i <= 2 * order.size(); ++i) {
      EXPECT_TRUE(agree()) << f.Focus()->FullName();
      QTest::keyClick(QApplication::focusWidget(), i < order.size() ? Qt::Key_Tab : Qt::Key_Backtab,
                      i < order.size() ? Qt::NoModifier : Qt::ShiftModifier);
    }
    for (std::size_t at = 0; at < order.size(); ++at) {
      auto* list = dynamic_cast<ComboBox*>(order[at]);
      if (list == nullptr || !list->Editable) continue;
      for (const Qt::Key way : {Qt::Key_Tab, Qt::Key_Backtab}) {
        list->SetText(list->Items()[0]);
        f.SetFocus(*order[(at + (way == Qt::Key_Tab ? order.size() - 1 : 1)) % order.size()]);
        platform.SynchroniserTout();
        QTest::keyClick(QApplication::focusWidget(), way,
                        way == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
        const int second = std::tolower(list->Items()[1][0]), first = list->Items()[0][0];
        const std::tuple<int, int, int> keys[] = {{0, Qt::Key_Down, 1},     {0, Qt::Key_Up, 0},
                                                  {0, Qt::Key_End, 1},      {0, Qt::Key_Home, 0},
                                                  {0, Qt::Key_PageDown, 1}, {0, Qt::Key_PageUp, 0},
                                                  {0, second, 1},           {0, first, 0},
                                                  {1, Qt::Key_Down, 1}};
        for (const auto& [from, key, item] : keys) {
          list->SetText(list->Items()[static_cast<std::size_t>(from)]);
          platform.SynchroniserTout();
          key < 128 ? QTest::keyClick(QApplication::focusWidget(), static_cast<char>(key))
                    : QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
          EXPECT_EQ(list->ListIndex() * 10 + Of<QComboBox>(*list)->currentIndex(), item * 11)
              << list->FullName() << " " << key;
        }
      }
      for (const auto& [from, delta, item] : {std::tuple{0, -120, 1}, {0, 120, 0}, {1, -120, 1}}) {
        list->SetText(list->Items()[static_cast<std::size_t>(from)]);  // the wheel too
        platform.SynchroniserTout();
        QWheelEvent wheel({5, 5}, Of(*list)->mapToGlobal(QPointF(5, 5)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Of(*list), &wheel);
        EXPECT_EQ(list->ListIndex() * 10 + Of<QComboBox>(*list)->currentIndex(), item * 11)
            << list->FullName() << " wheel";
      }
    }
  }
}

// In both panels and both languages (switched by a screen reader's action on the flag, then
// with the mouse), with texts as wide as the computations write them, the About window open and
// a dark desktop theme (the design's colours hold on a light base): a widget is visible exactly
// when the model shows its control and shows its caption and tooltip; no two visible widgets
// overlap unless the design overlaps them; nothing either window shows is cut (also at twice the
// scale, Window.StatesAtScaleTwo); screen readers find each window and control with the role the
// model gives it (the About window a window), a press action on what a click presses and a box's
// own command under its name, the names written out below, and a name, in the window's language,
// for every control that takes the focus or shows a result; results are read-only, and what they
// read of boxes and labels is what the screen shows. Each state is grabbed into the build folder
// for a person to look at ("-x2" at scale 2). Then the About window's web link keeps it open,
// Escape closes it.
TEST_F(Window, EveryStateOfBothWindows) {
  const auto design = [](const Control& c) {
    QRect r(c.Place.Left, c.Place.Top, c.Place.Width, c.Place.Height);
    for (const Control* k = c.Container; k != nullptr; k = k->Container)
      r.translate(k->Place.Left, k->Place.Top);
    return r;
  };
  const auto place = [&](const Control* c) {
    return QRect(Of(*c)->mapTo(Of(*c)->window(), QPoint()), Of(*c)->size());
  };
  const char* widest[] = {"89", "59", "59.9999999", "179", "59", "59.9999999"};
  for (std::size_t i = 0; i < kComposantes.size(); ++i)
    f.Boite(kComposantes[i], 1).SetText(widest[i]);
  for (TextBox* box : {&f.FB[2], &f.Text1[3]}) box->SetText("59.9999999");
  f.FB[0].SetText("360");
  f.Label3[0].Caption = "S";  // as a computation writes them
  f.Label3[1].Caption = "W";
  f.Text3.SetText("19999999.9999999");
  f.Label10.Caption = "Mètres";
  for (TextBox& paste : f.INS) paste.SetText("WP1");
  EXPECT_EQ(Of(f.Image2[0]), nullptr);  // made when first shown
  QTest::mouseClick(Of(f.Image1), Qt::LeftButton);
  const QPalette saved = QApplication::palette();
  QApplication::setPalette(QPalette(QColor(40, 40, 40)));  // a dark desktop theme
  const QPalette boxes = Edit(f.LatD[0])->palette();       // the design's colours on a light base
  EXPECT_GT(boxes.color(QPalette::Base).lightness(), 200);
  EXPECT_EQ(boxes.color(QPalette::Text), QColor(0, 0, 192));
  EXPECT_LT(Of(f.Label1)->palette().color(QPalette::WindowText).lightness(), 60);
  std::map<const Control*, QString> french;
  const std::set<QString> sameInBoth{"Distance", "Nm", "Inverse", "RAZ", Q(std::string(kSiteWeb))};
  const apropos* aboutWindow = about.Fenetre();
  const std::map<const void*, std::pair<std::string, std::string>> names{
      // French, English
      // clang-format off
      {&f, {"Orbalide ** WGS-84 **", "Orbalide ** WGS-84 **"}},
      {aboutWindow, {"À propos d'Orbalide", "About Orbalide"}},
      {&aboutWindow->Label3, {"Écrire à l'auteur", "Write to the author"}},
      {&f.LatD[0], {"Latitude, degrés — départ", "Latitude, degrees — departure"}},
      {&f.Combo4, {"Est ou ouest — départ", "East or west — departure"}},
      {&f.Label3[0], {"Nord ou sud — arrivée", "North or south — arrival"}},
      {&f.Text4[2], {"Nom du point — arrivée", "Point name — arrival"}},
      {&f.INS[0], {"Position sur une ligne, Maj+Entrée pour la lire — départ",
                   "Position on one line, Shift+Return to read it — departure"}},
      {&f.Command11[1], {"Exporter en KML — arrivée", "Export as KML — arrival"}},
      {&f.FB[3], {"Route retour, degrés", "Back course, degrees"}},
      {&f.Text3, {"Distance calculée", "Computed distance"}},
      {&f.Image1, {"À propos", "About"}},
      {&f.Image2[1], {"English", "English"}}, {&f.Image2[0], {"Français", "Français"}},
      {&f.Frame1, {"Unité de distance", "Distance unit"}},
      {&f.Label10, {"Passer en mètres", "Switch to meters"}},
      // clang-format on
  };
  const auto named = [&](const void* thing, const QString& name, std::int16_t flag) {
    const auto written = names.find(thing);
    return written == names.end() ||
           name.toStdString() == (flag == 1 ? written->second.first : written->second.second);
  };
  const std::map<Role, QAccessible::Role> roles{
      {Role::Text, QAccessible::EditableText},       {Role::StaticText, QAccessible::StaticText},
      {Role::List, QAccessible::ComboBox},           {Role::Button, QAccessible::Button},
      {Role::RadioButton, QAccessible::RadioButton}, {Role::Grouping, QAccessible::Grouping},
      {Role::Graphic, QAccessible::Graphic},         {Role::Link, QAccessible::Link}};
  for (const std::int16_t flag : {std::int16_t{1}, std::int16_t{0}}) {
    const std::string language = flag == 1 ? "fr" : "en";
    for (const bool inverse : {true, false}) {
      f.Frame4.Visible = inverse;
      platform.SynchroniserTout();
      const std::string state = (inverse ? "inverse-" : "directe-") + language;
      Grab(f, state);
      if (inverse) Grab(*about.Fenetre(), "apropos-" + language);
      for (const Form* form : {static_cast<Form*>(&f), static_cast<Form*>(about.Fenetre())}) {
        QAccessibleInterface* window =
            QAccessible::queryAccessibleInterface(platform.View(*form)->Window());
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_TRUE(named(form, window->text(QAccessible::Name), flag)) << form->Name();
        std::vector<const Control*> shown;
        for (const Control* c : form->Controls()) {
          const QWidget* w = c->GetKind() == Kind::MenuItem ? nullptr : Of(*c);
          EXPECT_EQ(w && w->isVisibleTo(w->window()), w && c->Shown()) << c->FullName() << state;
          if (!w || !c->Shown()) continue;
          EXPECT_EQ(Caption(w) + " | " + w->toolTip(),
                    QString::fromStdString(c->Caption + " | " + c->ToolTipText))
              << c->FullName() << state;
          EXPECT_EQ(Clipped(w), "") << c->FullName() << " " << state;
          for (const Control* b : shown) {
            EXPECT_TRUE(!place(c).intersects(place(b)) || design(*c).intersects(design(*b)))
                << c->FullName() << " over " << b->FullName();
          }
          shown.push_back(c);
          const auto* box = dynamic_cast<const TextBox*>(c);
          QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Of(*c));
          EXPECT_EQ(a->role(), roles.at(c->AccessibleRole)) << c->FullName();
          const QString action = c->Pressable() ? QAccessibleActionInterface::pressAction()
                                                : Q(box && box->Action ? box->ActionName : "");
          EXPECT_TRUE(action.isEmpty() || !c->Reachable() ||
                      a->actionInterface()->actionNames().contains(action))
              << c->FullName();
          EXPECT_TRUE(named(c, a->text(QAccessible::Name), flag)) << c->FullName();
          if (box || c->GetKind() == Kind::Label) {  // a reader reads what the screen shows
            const auto* edit = qobject_cast<const QLineEdit*>(w);
            ASSERT_NE(a->textInterface(), nullptr) << c->FullName();
            EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()),
                      edit ? edit->text() : Caption(w))
                << c->FullName();
          }
          if (!c->TabStop && !(box && box->ReadOnly)) continue;
          const QString name = a->text(QAccessible::Name);
          EXPECT_FALSE(name.isEmpty()) << c->FullName();
          EXPECT_TRUE(a->state().focusable) << c->FullName();
          EXPECT_EQ(a->state().readOnly, box && box->ReadOnly) << c->FullName();
          if (flag == 1) french[c] = name;
          EXPECT_TRUE(flag == 1 || sameInBoth.contains(name) || name != french[c]) << c->FullName();
        }
      }
    }
    auto* reader = QAccessible::queryAccessibleInterface(Of(f.Image2[flag]))->actionInterface();
    flag == 1 ? reader->doAction(QAccessibleActionInterface::pressAction())
              : QTest::mouseClick(Of(f.Image2[flag]), Qt::LeftButton);
    EXPECT_EQ(static_cast<QMainWindow*>(Main())->menuBar()->actions()[0]->text().remove('&'),
              Q(f.MPrec.Caption));
  }
  QApplication::setPalette(saved);
  QWidget* window = platform.View(*about.Fenetre())->Window();
  QTest::mouseClick(Of(about.Fenetre()->Label6[1]), Qt::LeftButton);  // the web link keeps it open
  EXPECT_EQ(platform.opened.size(), 1u);
  QTest::keyClick(window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible() || about.Fenetre());
}

// From the keyboard, each key where the desktop sends it (the focused widget of the active
// window, else that window): F1 opens the About window, with none of its controls focused (Return
// there opens no link by chance), where Tab reaches the web link then the mail link, Return and
// Space follow them and Escape closes it; Alt+P opens the precision menu in either language; Space
// and Return press the flag, which keeps the focus at its place, and the globe, and so does a
// screen reader's action; keypad Enter computes; Shift+F10 opens the focused export button's menu;
// a letter typed in the ellipsoid list chooses the next name it starts; a reader's toggle of
// "Mètres" chooses metres; Shift+Return in a paste box reads its line, as the reader's action does,
// and Return there computes; Tab from the ellipsoid list reaches the flag; Tab goes from the
// distance, a result, to the inverse panel's unit, which Space, Return and the reader's action
// press in either language. The focused flag, globe, distance, unit and link are grabbed into the
// build folder ("focus-*.png").
TEST_F(Window, KeysAndReaderActions) {
  const auto aboutShown = [&] {
    const Vue* view = about.Fenetre() ? platform.View(*about.Fenetre()) : nullptr;
    return view && view->Window()->isVisible();
  };
  const auto focused = [&](const Control& c) {
    return c.Owner().Focus() == &c && Of(c)->hasFocus();
  };
  const auto popup = [] {  // the first item of the menu shown
    const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? menu->actions().front()->text().toStdString() : "";
  };
  const auto ellipsoid = [&] { return Of<QComboBox>(f.Combo3)->currentText().toStdString(); };
  f.Text2.SetText("10");
  f.INS[0].SetText("WP1 N49°00'23.26 E006°09'41.28");
  const struct {
    Control* focus;       // given the focus first; nullptr: where it is
    QKeyCombination key;  // Key_unknown: a screen reader's first action on the focused control
    std::function<bool()> done;
    const char* grab = nullptr;  // the state before the key, grabbed
  } steps[] = {
      // clang-format off
      {&f.LatD[0], Qt::Key_F1,  // the window itself holds the focus
       [&] { return aboutShown() && QApplication::focusWidget() == QApplication::activeWindow(); }},
      {nullptr, Qt::Key_Tab, [&] { return focused(about.Fenetre()->Label6[1]); }},
      {nullptr, Qt::Key_Return, [&] { return aboutShown() && platform.opened.size() == 1; },
       "focus-apropos-lien"},
      {nullptr, Qt::Key_Tab, [&] { return focused(about.Fenetre()->Label3); }},
      {nullptr, Qt::Key_Space, [&] { return platform.opened.size() == 2; }},
      {nullptr, Qt::Key_Escape, [&] { return !about.Fenetre() && focused(f.LatD[0]); }},
      {nullptr, Qt::ALT | Qt::Key_P, [&] { return popup() == "100eme seconde"; }},
      {&f.Combo3, Qt::Key_Tab, [&] { return focused(f.Image2[1]); }},
      {nullptr, Qt::Key_Space, [&] { return f.EnAnglais() && focused(f.Image2[0]); },
       "focus-drapeau-fr"},
      {nullptr, Qt::ALT | Qt::Key_P, [&] { return popup() == "100eme second"; }},
      {&f.Command8, Qt::Key_Space, [&] { return f.Frame4.Visible; }},
      {&f.Text3, Qt::Key_Tab, [&] { return focused(f.Label10); }, "focus-distance"},
      {nullptr, Qt::Key_unknown, [&] { return f.UniteChoisie() == Unite::Metres; }},
      {nullptr, Qt::Key_Space, [&] { return f.UniteChoisie() == Unite::Milles; }, "focus-unite-en"},
      {&f.Command7, Qt::Key_Space, [&] { return !f.Frame4.Visible; }},
      {&f.Image2[0], Qt::Key_Return, [&] { return !f.EnAnglais() && focused(f.Image2[1]); },
       "focus-drapeau-en"},
      {&f.Image1, Qt::Key_Space, aboutShown, "focus-globe"},
      {nullptr, Qt::Key_Escape, [&] { return !about.Fenetre() && focused(f.Image1); }},
      {nullptr, Qt::Key_unknown, aboutShown},
      {nullptr, Qt::Key_Escape, [&] { return !about.Fenetre(); }},
      {&f.Text2, Qt::KeypadModifier | Qt::Key_Enter, [&] { return f.LATM[1].Text() == "10"; }},
      {&f.INS[0], Qt::SHIFT | Qt::Key_Return, [&] { return platform.beeps == 1; }},
      {&f.INS[0], Qt::Key_unknown, [&] { return platform.beeps == 2; }},
      {&f.INS[0], Qt::Key_Return, [&] { return Edit(f.LatD[1])->text() == "49"; }},
      {&f.Command11[0], Qt::SHIFT | Qt::Key_F10, [&] { return popup() == "Exporter la position"; }},
      {&f.Combo3, Qt::Key_C, [&] { return ellipsoid() == "Clarke 1866"; }},
      {nullptr, Qt::Key_C, [&] { return ellipsoid() == "Clarke 1880"; }},
      // "Mètres" toggled by the reader, which clicks nothing
      {&f.Option1[0], Qt::Key_unknown, [&] { return f.UniteChoisie() == Unite::Metres; }},
      {&f.Command8, Qt::Key_Space, [&] { return f.Frame4.Visible; }},
      {&f.Label10, Qt::Key_Return, [&] { return f.UniteChoisie() == Unite::Milles; },
       "focus-unite-fr"},
      // clang-format on
  };
  for (const auto& s : steps) {
    if (s.focus) s.focus->Owner().SetFocus(*s.focus);
    platform.SynchroniserTout();
    if (s.grab) Grab(aboutShown() ? static_cast<Form&>(*about.Fenetre()) : f, s.grab);
    QWidget* to =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    auto* reader = QAccessible::queryAccessibleInterface(to)->actionInterface();
    s.key.key() == Qt::Key_unknown ? reader->doAction(reader->actionNames().front())
                                   : QTest::keyClick(to, s.key.key(), s.key.keyboardModifiers());
    QApplication::processEvents();
    ASSERT_TRUE(s.done()) << QTest::toString(QKeySequence(s.key));
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    QApplication::processEvents();
  }
}

// The desktop's file writing: a new file takes the user's umask; a file written again is replaced
// by a new one (its old text is never cut short in place), which keeps its permissions and holds
// the new text only; a write that fails (the target is a folder) leaves nothing behind.
TEST(Platform, WritesWholeFiles) {
  char pattern[] = "/tmp/orbalide-ecriture-XXXXXX";
  const std::filesystem::path dir = mkdtemp(pattern);
  PlateformeQt platform;
  const mode_t umask = ::umask(027);
  EXPECT_TRUE(platform.WriteFile(dir / "a.kml", "premier texte"));
  struct stat first {
  }, written{};
  ASSERT_EQ(stat((dir / "a.kml").c_str(), &first), 0);
  EXPECT_EQ(first.st_mode & 0777, 0640u);
  chmod((dir / "a.kml").c_str(), 0604);
  EXPECT_TRUE(platform.WriteFile(dir / "a.kml", "second"));
  ::umask(umask);
  ASSERT_EQ(stat((dir / "a.kml").c_str(), &written), 0);
  EXPECT_EQ(written.st_mode & 0777, 0604u);
  EXPECT_NE(written.st_ino, first.st_ino);
  std::string text;
  std::getline(std::ifstream(dir / "a.kml"), text);
  EXPECT_EQ(text, "second");
  std::filesystem::create_directory(dir / "b.kml");
  EXPECT_FALSE(platform.WriteFile(dir / "b.kml", "x"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
  std::filesystem::remove_all(dir);
}

// The fitting of texts, with a font and a frame alone: the design's font where the text fits,
// else a smaller one at which it fits, never below 5 points.
TEST(Fitting, TextsFitTheirFrames) {
  const QFont font("Liberation Sans", 13);
  const struct {
    Cadre cadre;
    const char* text;
    bool smaller;
  } cases[] = {
      {{{200, 30}, 10}, "Calculer", false},
      {{{60, 30}, 10}, "Calculer", true},
      {{{60, 30}, 40}, "Calculer", true},
      {{{60, 30}, 0, true}, "Route à l'arrivée °", true},
      {{{400, 60}, 0, true}, "Route à l'arrivée °", false},
      {{{4, 4}, 0}, "Calculer", true},
  };
  for (const auto& t : cases) {
    const QFont fitted = Ajuster(font, t.cadre, t.text);
    const QFontMetrics m(fitted);
    const QRect room(QPoint(), t.cadre.Taille - QSize(t.cadre.Marge, 0));
    const QRect needed = m.boundingRect(room, t.cadre.Lignes ? Qt::TextWordWrap : 0, t.text);
    EXPECT_TRUE(fitted.pointSizeF() == 5 || room.contains(QRect(QPoint(), needed.size())))
        << t.text << " " << t.cadre.Taille.width();
    EXPECT_EQ(fitted.pointSizeF() < font.pointSizeF(), t.smaller) << t.text;
    EXPECT_GE(fitted.pointSizeF(), 5);
  }
}
