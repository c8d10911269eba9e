#include "Vue.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

#include "Accessibles.hpp"
#include "Images.hpp"
#include "PlateformeQt.hpp"
#include "Polices.hpp"

namespace orbalide {
namespace {

constexpr double kTwipsParPouce = 1440;

QColor Couleur(const Rgb& c) {
  return {c.Red, c.Green, c.Blue};
}

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

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

int Bouton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

// The keys that mean something to a window, whatever control has the focus.
std::optional<Key> KeyOf(const QKeyEvent& e) {
  const Qt::KeyboardModifiers m = e.modifiers() & ~Qt::KeypadModifier;
  switch (e.key()) {
    case Qt::Key_Tab:
      if (m == Qt::NoModifier) return Key::Tab;
      if (m == Qt::ShiftModifier) return Key::BackTab;
      break;
    case Qt::Key_Backtab:
      if (m == Qt::ShiftModifier) return Key::BackTab;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (m == Qt::NoModifier) return Key::Return;
      break;
    case Qt::Key_Escape:
      if (m == Qt::NoModifier) return Key::Escape;
      break;
    case Qt::Key_F10:
      if (m == Qt::ShiftModifier) return Key::ContextMenu;
      break;
    default:
      break;
  }
  return std::nullopt;
}

// The keys that move a list's choice; with Alt, Down opens the list instead.
std::optional<ListKey> ListKeyOf(const QKeyEvent& e) {
  if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  switch (e.key()) {
    case Qt::Key_Down:
      return ListKey::Next;
    case Qt::Key_Up:
      return ListKey::Previous;
    case Qt::Key_Home:
      return ListKey::First;
    case Qt::Key_End:
      return ListKey::Last;
    default:
      return std::nullopt;
  }
}

// The character a key types, or "" for a key that types none.
std::string Typed(const QKeyEvent& e) {
  const bool command = (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (command || e.text().isEmpty() || !e.text().at(0).isPrint()) return "";
  return e.text().toStdString();
}

int Etat(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? kShift : 0) | (m & Qt::ControlModifier ? kCtrl : 0) |
         (m & Qt::AltModifier ? kAlt : 0);
}

// The room a text takes in a widget of the given kind at a font: its frame, margins and
// indicator included; labels wrap their words within their width.
QSize Extent(const QWidget* w, const QFont& font, const QString& text) {
  const QFontMetrics m(font);
  if (qobject_cast<const QLabel*>(w) != nullptr) {
    return m.boundingRect(QRect(0, 0, w->width(), 100000), Qt::TextWordWrap, text).size();
  }
  int room = 0;
  if (qobject_cast<const QLineEdit*>(w) != nullptr) room = 8;
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
    room = (b->icon().isNull() ? 0 : b->iconSize().width() + 6) +
           (qobject_cast<const QRadioButton*>(w) != nullptr ? 22 : 10);
  }
  if (qobject_cast<const QGroupBox*>(w) != nullptr) room = 18;
  return {m.horizontalAdvance(text) + room, m.height()};
}

bool Fits(const QWidget* w, const QSize& needed) {
  const bool label = qobject_cast<const QLabel*>(w) != nullptr;
  return needed.width() <= w->width() && (!label || needed.height() <= w->height());
}

// The largest font up to the given one, in quarter points, at which the text fits the widget.
// On one line the text's width grows with the point size, so one measure at the given size
// settles it, with a little room for the rounding of glyphs; a label of several lines is
// measured again at each size down from a first guess. Remembered for the widgets of the same
// kind and size that show the same text ("min" and "sec" stand six times each).
QFont Fitted(const QWidget* w, QFont font, const QString& text) {
  static std::map<QString, QFont> known;
  const auto* button = qobject_cast<const QAbstractButton*>(w);
  const QString key = QString("%1 %2 %3 %4 %5 %6")
                          .arg(w->metaObject()->className(), font.key())
                          .arg(w->width())
                          .arg(w->height())
                          .arg(button != nullptr && !button->icon().isNull())
                          .arg(text);
  if (const auto found = known.find(key); found != known.end()) return found->second;
  constexpr double kQuart = 0.25, kPlusPetite = 5, kArrondi = 0.97;
  const auto quarters = [&](double scale) {
    return std::max(std::floor(font.pointSizeF() * std::min(scale, 1.0) / kQuart) * kQuart,
                    kPlusPetite);
  };
  const QFontMetrics m(font);
  const bool label = qobject_cast<const QLabel*>(w) != nullptr;
  if (!label || 2 * m.height() > w->height()) {  // a single line of text
    const int width = label ? m.boundingRect(QRect(0, 0, 100000, 1000), 0, text).width()
                            : Extent(w, font, text).width();
    const double high = label ? static_cast<double>(w->height()) / m.height() : 1;
    const double scale = std::min(static_cast<double>(w->width()) / width, high);
    if (scale < 1) font.setPointSizeF(quarters(kArrondi * scale));
  } else if (const QSize needed = Extent(w, font, text); !Fits(w, needed)) {
    const double scale = std::min(static_cast<double>(w->width()) / needed.width(),
                                  std::sqrt(static_cast<double>(w->height()) / needed.height()));
    for (double points = quarters(scale);; points -= kQuart) {
      font.setPointSizeF(std::max(points, kPlusPetite));
      if (points <= kPlusPetite || Fits(w, Extent(w, font, text))) break;
    }
  }
  return known[key] = font;
}

}  // namespace

// The design's font, made smaller where the free fonts standing in for it would clip the text.
// Measured again only for a new text.
void Vue::Fit(const Control& c, QWidget* w, const QString& text) {
  const auto fitted = fitted_.find(&c);
  if (fitted != fitted_.end() && fitted->second == text) return;
  fitted_[&c] = text;
  const QFont font = Police(c.TextFont ? *c.TextFont : form_.DefaultFont);
  const QFont shown = text.isEmpty() ? font : Fitted(w, font, text);
  if (w->font() != shown) w->setFont(shown);
}

Vue::Vue(Form& form, PlateformeQt& platform) : form_(form), platform_(platform) {
  DeclarerAccessibles();
  const QScreen* screen = QGuiApplication::primaryScreen();
  dpi_ = screen != nullptr ? screen->logicalDotsPerInch() : 96;

  bool menu = false;
  for (const Control* c : form.Controls()) menu = menu || c->GetKind() == Kind::MenuItem;
  client_ = new QWidget;
  client_->setFixedSize(Pixels(form.ClientWidth()), Pixels(form.ClientHeight()));
  if (menu) {
    auto* main = new QMainWindow;
    main->setCentralWidget(client_);
    main->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
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
  if (form.Quit) {  // the desktop's Quit key, from whichever window of the program is active
    auto* quit = new QShortcut(QKeySequence::Quit, window_);
    quit->setContext(Qt::ApplicationShortcut);
    QObject::connect(quit, &QShortcut::activated, this,
                     [this] { Forward([this] { form_.UserKey(Key::Quit); }); });
  }

  // The menus now; the controls' widgets when they are first shown (Synchroniser).
  for (Control* c : form.Controls()) {
    if (c->GetKind() == Kind::MenuItem) {
      auto* item = static_cast<MenuItem*>(c);
      if (item->Parent() == nullptr) {  // a hidden menu is popped up, not in the menu bar
        actions_[c] = c->Visible
                          ? static_cast<QMainWindow*>(window_)->menuBar()->addMenu(Q(c->Caption))
                          : new QMenu(window_);
      } else {
        QAction* a = static_cast<QMenu*>(actions_.at(item->Parent()))->addAction(Q(c->Caption));
        actions_[c] = a;
        QObject::connect(a, &QAction::triggered, this,
                         [this, c] { Forward([this, c] { form_.UserClick(*c); }); });
      }
    }
  }

  if (!menu && screen != nullptr) {  // the About window opens in the middle of the screen
    const QRect area = screen->availableGeometry();
    window_->move(area.center() - QPoint(client_->width() / 2, client_->height() / 2));
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

// The widget's geometry in its parent widget: the design's place, moved by the room that the
// control and its container take beyond their places.
QRect Vue::Geometry(const Control& c) const {
  const Rect room = Room(c);
  const Rect parent = c.Container != nullptr ? Room(*c.Container) : Rect{0, 0, 0, 0};
  return {Pixels(c.Place.Left + room.Left - parent.Left),
          Pixels(c.Place.Top + room.Top - parent.Top), Pixels(room.Width), Pixels(room.Height)};
}

QWidget* Vue::Widget(const Control& control) const {
  const auto found = widgets_.find(&control);
  return found == widgets_.end() ? nullptr : found->second;
}

// The control's widget, made with its container's when needed. A control is never hidden behind
// a sibling: the model shows no two controls that cover each other.
QWidget* Vue::Make(Control& control) {
  if (QWidget* made = Widget(control)) return made;
  QWidget* parent = control.Container != nullptr ? Make(*control.Container) : client_;
  QWidget* w = nullptr;
  switch (control.GetKind()) {
    case Kind::TextBox: {
      auto* edit = new QLineEdit(parent);
      edit->setFrame(true);
      edit->setTextMargins(0, 0, 0, 0);
      w = edit;
      break;
    }
    case Kind::Label:
    case Kind::Image: {
      auto* label = control.GetKind() == Kind::Label ? new Etiquette(parent) : new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      w = label;
      break;
    }
    case Kind::ComboBox: {
      auto* combo = new Liste(parent);
      if (static_cast<ComboBox&>(control).Editable) combo->setLineEdit(new QLineEdit(combo));
      combo->setInsertPolicy(QComboBox::NoInsert);
      w = combo;
      break;
    }
    case Kind::CommandButton:
      w = new QPushButton(parent);
      break;
    case Kind::Frame: {
      if (static_cast<Frame&>(control).Bordered) {
        w = new QGroupBox(parent);
      } else {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        w = frame;
      }
      break;
    }
    case Kind::OptionButton:
      w = new QRadioButton(parent);
      break;
    case Kind::MenuItem:
      break;
  }
  w->setObjectName(Q(control.FullName()));
  widgets_[&control] = w;
  controls_[w] = &control;
  Style(control, w);
  Connect(control, w);
  return w;
}

void Vue::Style(const Control& control, QWidget* w) const {
  w->setGeometry(Geometry(control));
  QPalette p = w->palette();
  if (control.ForeColor) {
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      p.setColor(QPalette::Active, role, Couleur(*control.ForeColor));
      p.setColor(QPalette::Inactive, role, Couleur(*control.ForeColor));
    }
  }
  if (control.BackColor) {
    p.setColor(QPalette::Base, Couleur(*control.BackColor));
    p.setColor(QPalette::Window, Couleur(*control.BackColor));
  }
  w->setPalette(p);
  w->setFocusPolicy(control.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
  if (control.GetKind() == Kind::Label || control.GetKind() == Kind::Image) {
    w->setFocusPolicy(Qt::NoFocus);
    w->setAttribute(Qt::WA_TranslucentBackground, !control.BackColor);
  }
  if (control.GetKind() == Kind::TextBox) {
    const auto& box = static_cast<const TextBox&>(control);
    auto* edit = static_cast<QLineEdit*>(w);
    edit->setReadOnly(box.ReadOnly);
    if (box.Centered) edit->setAlignment(Qt::AlignCenter);
  }
  if (control.GetKind() == Kind::Label && static_cast<const Label&>(control).Centered) {
    static_cast<QLabel*>(w)->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  }
}

void Vue::Connect(Control& control, QWidget* w) {
  w->installEventFilter(this);
  switch (control.GetKind()) {
    case Kind::TextBox: {
      auto& box = static_cast<TextBox&>(control);
      QObject::connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this,
                       [this, &box](const QString& text) {
                         Forward([this, &box, t = text.toStdString()] { form_.UserType(box, t); });
                       });
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control);
      auto* q = static_cast<QComboBox*>(w);
      QObject::connect(q, &QComboBox::activated, this, [this, &combo](int index) {
        Forward(
            [this, &combo, index] { form_.UserSelect(combo, static_cast<std::int16_t>(index)); });
      });
      if (QLineEdit* edit = q->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, this, [this, &combo](const QString& t) {
          Forward([this, &combo, s = t.toStdString()] { form_.UserType(combo, s); });
        });
        edit->installEventFilter(this);
        controls_[edit] = &control;
      }
      break;
    }
    case Kind::CommandButton:
      QObject::connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [this, &control] {
        Forward([this, &control] { form_.UserClick(control); });
      });
      break;
    case Kind::OptionButton: {
      auto& option = static_cast<OptionButton&>(control);
      QObject::connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, this,
                       [this, &option] { Forward([this, &option] { form_.UserSelect(option); }); });
      break;
    }
    default:
      break;
  }
}

// Runs a user event on the model, then shows what every window became.
void Vue::Forward(const std::function<void()>& event) {
  if (platform_.Ended()) return;
  PlateformeQt& platform = platform_;  // this view may be unloaded by the event
  event();
  platform.SynchroniserTout();
}

bool Vue::eventFilter(QObject* watched, QEvent* event) {
  if (platform_.Ended()) return false;
  const auto found = controls_.find(watched);
  Control* control = found == controls_.end() ? nullptr : found->second;
  switch (event->type()) {
    case QEvent::Close:
      if (watched == window_) {
        event->ignore();
        if (form_.Closing) Forward(form_.Closing);
        return true;
      }
      break;
    case QEvent::FocusIn: {
      if (control == nullptr || form_.Focus() == control || synchronising_) break;
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      Forward([this, control] {
        if (!form_.SetFocus(*control) && form_.Focus() != nullptr)
          Widget(*form_.Focus())->setFocus();
      });
      // A mouse press wipes the selection made at focus-in: make it again after the press.
      if (reason == Qt::MouseFocusReason && control->GetKind() == Kind::TextBox) {
        QTimer::singleShot(0, this, [this, control] {
          selections_.erase(control);
          Synchroniser();
        });
      }
      break;
    }
    case QEvent::KeyPress: {
      const auto& press = *static_cast<QKeyEvent*>(event);
      if (control != nullptr && control->GetKind() == Kind::ComboBox) {
        auto& combo = static_cast<ComboBox&>(*control);
        bool taken = false;
        if (const std::optional<ListKey> move = ListKeyOf(press)) {
          Forward([this, &combo, move] { form_.UserListKey(combo, *move); });
          taken = true;
        } else if (const std::string typed = Typed(press); !typed.empty()) {
          Forward(
              [this, &combo, &taken, &typed] { taken = form_.UserListCharacter(combo, typed); });
        }
        if (taken) return true;
      }
      const std::optional<Key> key = KeyOf(press);
      if (!key) break;
      if (const QWidget* focus = QApplication::focusWidget(); focus != nullptr)
        menuAt_ = focus->mapToGlobal(QPoint(0, focus->height()));
      bool used = false;
      Forward([this, &used, key] { used = form_.UserKey(*key); });
      return used;
    }
    case QEvent::ContextMenu: {  // a right click, or the context-menu key
      if (control == nullptr || !control->ContextMenu) break;
      const auto* menu = static_cast<QContextMenuEvent*>(event);
      const QWidget* w = Widget(*control);
      menuAt_ = menu->reason() == QContextMenuEvent::Mouse ? menu->globalPos()
                                                           : w->mapToGlobal(QPoint(0, w->height()));
      Forward([this, control] { form_.UserContextMenu(*control); });
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (control != nullptr && control->GetKind() == Kind::TextBox) {
        auto* box = static_cast<TextBox*>(control);
        Forward([this, box, mouse] {
          form_.UserMouseDown(*box, Bouton(mouse->button()), Etat(mouse->modifiers()));
        });
      }
      break;
    }
    case QEvent::MouseButtonDblClick:
      if (control != nullptr && control->GetKind() == Kind::TextBox) {
        Forward([this, control] { form_.UserDblClick(*control); });
      }
      break;
    case QEvent::MouseButtonRelease:
      if (control != nullptr &&
          (control->GetKind() == Kind::Label || control->GetKind() == Kind::Image)) {
        Forward([this, control] { form_.UserClick(*control); });
        return true;
      }
      if (watched == client_ && form_.Click) {
        Forward(form_.Click);
        return true;
      }
      break;
    default:
      break;
  }
  return false;
}

// Hiding the focused widget makes Qt move the focus along its own chain: the model's focus is
// applied last instead.
void Vue::Synchroniser() {
  const QScopedValueRollback<bool> guard(synchronising_, true);
  window_->setWindowTitle(Q(form_.Caption));
  for (Control* c : form_.Controls()) {
    if (c->GetKind() == Kind::MenuItem) {
      QObject* o = actions_.at(c);
      if (auto* m = qobject_cast<QMenu*>(o)) {
        m->setTitle(Q(c->Caption));
      } else {
        auto* a = static_cast<QAction*>(o);
        a->setText(Q(c->Caption));
        // A check mark where the item is checked, nothing else, as desktop menus show it.
        const bool checked = static_cast<MenuItem*>(c)->Checked;
        a->setCheckable(checked);
        a->setChecked(checked);
        a->setEnabled(c->Enabled);
      }
      continue;
    }
    QWidget* w = Widget(*c);
    if (w == nullptr && !c->Shown()) continue;  // made when first shown
    Copy(*c, w != nullptr ? w : Make(*c));
  }
  if (form_.Focus() != nullptr && window_->isVisible()) {
    QWidget* focus = widgets_.at(form_.Focus());
    if (!focus->hasFocus()) focus->setFocus(Qt::OtherFocusReason);
  }
}

// A hidden widget is brought up to date when it is shown again.
void Vue::Copy(Control& c, QWidget* w) {
  w->setVisible(c.Shown());
  if (!c.Shown()) return;
  w->setEnabled(c.Enabled);
  if (w->toolTip() != Q(c.ToolTipText)) w->setToolTip(Q(c.ToolTipText));
  if (w->accessibleName() != Q(c.AccessibleName)) w->setAccessibleName(Q(c.AccessibleName));
  if (const QRect g = Geometry(c); w->geometry() != g) w->setGeometry(g);
  switch (c.GetKind()) {
    case Kind::TextBox:
      CopyText(static_cast<TextBox&>(c), static_cast<QLineEdit*>(w));
      break;
    case Kind::Label: {
      auto* label = static_cast<QLabel*>(w);
      if (label->text() != Q(c.Caption)) label->setText(Q(c.Caption));
      Fit(c, w, label->text());
      if (!c.MousePointer.empty()) {
        label->setCursor(QCursor(Draw(c.MousePointer, {32, 32}), 0, 0));
      }
      break;
    }
    case Kind::Image: {
      auto* label = static_cast<QLabel*>(w);
      if (label->pixmap().isNull())
        label->setPixmap(Draw(static_cast<Image&>(c).Content, w->size()));
      break;
    }
    case Kind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(c);
      auto* q = static_cast<QComboBox*>(w);
      if (q->count() != static_cast<int>(combo.Items().size())) {
        q->clear();
        for (const std::string& item : combo.Items()) q->addItem(Q(item));
      }
      if (q->currentIndex() != combo.ListIndex()) q->setCurrentIndex(combo.ListIndex());
      if (q->isEditable() && q->currentText() != Q(combo.Text())) q->setEditText(Q(combo.Text()));
      if (QLineEdit* edit = q->lineEdit()) edit->setAccessibleName(Q(c.AccessibleName));
      break;
    }
    case Kind::CommandButton: {
      auto& button = static_cast<CommandButton&>(c);
      auto* q = static_cast<QPushButton*>(w);
      QString caption = Q(c.Caption);
      caption.replace("&", "&&");
      if (q->text() != caption) q->setText(caption);
      q->setDefault(&button == form_.DefaultButton());
      if (!button.Image.empty() && q->icon().isNull()) {
        const QSize size = DesignSize(button.Image);
        q->setIcon(QIcon(Draw(button.Image, size)));
        q->setIconSize(size);
      }
      Fit(c, w, caption);
      break;
    }
    case Kind::Frame:
      if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (group->title() != Q(c.Caption)) group->setTitle(Q(c.Caption));
        Fit(c, w, group->title());
      }
      break;
    case Kind::OptionButton: {
      auto* q = static_cast<QRadioButton*>(w);
      if (q->text() != Q(c.Caption)) q->setText(Q(c.Caption));
      Fit(c, w, q->text());
      q->setAutoExclusive(false);
      q->setChecked(static_cast<OptionButton&>(c).Value());
      break;
    }
    case Kind::MenuItem:
      break;
  }
}

// The text, and the selection of the focused box only: desktop text boxes show no selection
// while another control has the focus. A comma turned into a point leaves the cursor in place.
void Vue::CopyText(TextBox& box, QLineEdit* edit) {
  const QString text = Q(box.Text());
  if (edit->text() != text) {
    const int cursor = edit->cursorPosition();
    const bool sameLength = edit->text().size() == text.size();
    edit->setText(text);
    if (sameLength) edit->setCursorPosition(cursor);
  }
  Fit(box, edit, text);
  if (form_.Focus() != &box) {
    if (edit->hasSelectedText()) edit->deselect();
    return;
  }
  const auto shown = selections_.find(&box);
  if (shown != selections_.end() && shown->second == box.SelectionVersion()) return;
  selections_[&box] = box.SelectionVersion();
  if (box.SelLength() > 0) {
    edit->setSelection(box.SelStart(), box.SelLength());
  } else {
    edit->setCursorPosition(box.SelStart());
  }
}

void Vue::Popup(MenuItem& menu) {
  Synchroniser();
  static_cast<QMenu*>(actions_.at(&menu))->popup(menuAt_);
}

}  // namespace orbalide
