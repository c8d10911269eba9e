#include "Vue.hpp"

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "Accessibles.hpp"
#include "Images.hpp"
#include "PlateformeQt.hpp"
#include "Polices.hpp"

namespace orbalide {
namespace {

constexpr double kTwipsParPouce = 1440;

// A light palette whatever the desktop theme, so the design's colours stay readable.
QPalette LightPalette() {
  QPalette p;
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, QColor(240, 240, 240));
    p.setColor(group, QPalette::WindowText, Qt::black);
    p.setColor(group, QPalette::Base, Qt::white);
    p.setColor(group, QPalette::AlternateBase, QColor(245, 245, 245));
    p.setColor(group, QPalette::Text, Qt::black);
    p.setColor(group, QPalette::Button, QColor(240, 240, 240));
    p.setColor(group, QPalette::ButtonText, Qt::black);
    p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(group, QPalette::ToolTipText, Qt::black);
    p.setColor(group, QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(group, QPalette::HighlightedText, Qt::white);
  }
  p.setColor(QPalette::Disabled, QPalette::Window, QColor(240, 240, 240));
  p.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
  p.setColor(QPalette::Disabled, QPalette::Button, QColor(240, 240, 240));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    p.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
  }
  return p;
}

}  // namespace

// A window with a menu is a main window, of fixed size unless the model lets the user make it
// larger; one without, the About window, has no frame and opens in the middle of the screen.
Vue::Vue(Form& form, PlateformeQt& platform) : form_(form), platform_(platform) {
  DeclarerAccessibles();
  const QScreen* screen = QGuiApplication::primaryScreen();
  dpi_ = screen != nullptr ? screen->logicalDotsPerInch() : 96;
  const bool menu = std::any_of(form.Controls().begin(), form.Controls().end(),
                                [](const Control* c) { return c->GetKind() == Kind::MenuItem; });
  auto* surface = new Surface;
  client_ = surface;
  const QSize designed(Pixels(form.ClientWidth()), Pixels(form.ClientHeight()));
  if (form.Resizable) {
    client_->setMinimumSize(Pixels(form.MinimumWidth), Pixels(form.MinimumHeight));
    surface->designed = designed;
  } else {
    client_->setFixedSize(designed);
  }
  if (menu) {
    auto* main = new QMainWindow;
    main->setCentralWidget(client_);
    main->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, !form.Resizable);
    window_ = main;
  } else {
    window_ = client_;
    window_->setWindowFlag(Qt::FramelessWindowHint);
  }
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  setParent(window_);
  window_->setPalette(LightPalette());
  if (form.BackColor) {
    QPalette p = client_->palette();
    p.setColor(QPalette::Window, Couleur(*form.BackColor));
    client_->setPalette(p);
    client_->setAutoFillBackground(true);
  }
  window_->setFont(Police(form.DefaultFont));
  if (!form.Icon.empty()) window_->setWindowIcon(QIcon(Draw(form.Icon, {32, 32})));
  window_->installEventFilter(this);
  client_->installEventFilter(this);
  statut_ = new Statut(client_);
  annonces_ = form.AnnouncementCount();
  if (form.Quit) {  // the desktop's Quit key, from whichever window of the program is active
    auto* quit = new QShortcut(QKeySequence::Quit, window_);
    quit->setContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QShortcut::activated, this,
                     [this] { Forward([this] { form_.UserKey(Key::Quit); }); });
  }
  MakeMenus();
  if (form.Resizable) {  // as designed, within the screen
    QSize size = window_->sizeHint();
    if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size());
    window_->resize(size);
  }
  if (!menu && screen != nullptr) {
    const QRect area = screen->availableGeometry();
    window_->move(area.center() - QPoint(client_->width() / 2, client_->height() / 2));
  }
}

// The menus now; the controls' widgets when they are first shown (Synchroniser). A hidden menu
// is popped up, not in the menu bar.
void Vue::MakeMenus() {
  for (Control* c : form_.Controls()) {
    if (c->GetKind() != Kind::MenuItem) continue;
    auto* item = static_cast<MenuItem*>(c);
    if (item->Parent() == nullptr) {
      actions_[c] = c->Visible
                        ? static_cast<QMainWindow*>(window_)->menuBar()->addMenu(Q(c->Caption))
                        : new QMenu(window_);
      continue;
    }
    QAction* a = static_cast<QMenu*>(actions_.at(item->Parent()))->addAction(Q(c->Caption));
    a->setShortcut(QKeySequence::fromString(Q(std::string(item->Shortcut))));
    actions_[c] = a;
    QObject::connect(a, &QAction::triggered, this, [this, c] {
      TakeEdit();
      Forward([this, c] { form_.UserClick(*c); });
    });
  }
}

int Vue::Pixels(int twips) const {
  return qRound(twips * dpi_ / kTwipsParPouce);
}

// The room a control's widget takes, in twips from the control's own place: the place itself,
// but for a borderless frame, which draws nothing of its own and grows to hold what the design
// lets stick out of it ("Mètres" stands 30 twips above its frame), which the window system
// would otherwise cut.
Rect Vue::Room(const Control& c) const {
  Rect r{0, 0, c.Place.Width, c.Place.Height};
  if (c.GetKind() != Kind::Frame || static_cast<const Frame&>(c).Bordered) return r;
  for (const Control* child : form_.Controls()) {
    if (child->Container != &c) continue;
    const Rect& p = child->Place;
    const int left = std::min(r.Left, p.Left), top = std::min(r.Top, p.Top);
    r = {left, top, std::max(r.Left + r.Width, p.Left + p.Width) - left,
         std::max(r.Top + r.Height, p.Top + p.Height) - top};
  }
  return r;
}

// How much larger (or smaller) than designed the window's client area (nullptr) or a control is,
// in pixels: a control grows with its container along an axis where it is anchored at both ends.
QSize Vue::Growth(const Control* c) const {
  if (c == nullptr) {
    return {client_->width() - Pixels(form_.ClientWidth()),
            client_->height() - Pixels(form_.ClientHeight())};
  }
  const QSize g = Growth(c->Container);
  const auto both = [c](int ends) { return (c->Anchors & ends) == ends; };
  return {both(kAnchorLeft | kAnchorRight) ? g.width() : 0,
          both(kAnchorTop | kAnchorBottom) ? g.height() : 0};
}

// The widget's geometry in its parent widget: the design's place, moved by the room that the
// control and its container take beyond their places, then by the container's growth where
// the control is anchored to its right or bottom edge.
QRect Vue::Geometry(const Control& c) const {
  const Rect room = Room(c);
  const Rect parent = c.Container != nullptr ? Room(*c.Container) : Rect{0, 0, 0, 0};
  QRect g(Pixels(c.Place.Left + room.Left - parent.Left),
          Pixels(c.Place.Top + room.Top - parent.Top), Pixels(room.Width), Pixels(room.Height));
  const QSize grown = Growth(&c), container = Growth(c.Container);
  g.setSize(g.size() + grown);
  g.translate((c.Anchors & kAnchorRight) && grown.width() == 0 ? container.width() : 0,
              (c.Anchors & kAnchorBottom) && grown.height() == 0 ? container.height() : 0);
  return g;
}

QWidget* Vue::Widget(const Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

void Vue::Popup(MenuItem& menu) {
  Synchroniser();
  static_cast<QMenu*>(actions_.at(&menu))->popup(menuAt_);
}

}  // namespace orbalide
