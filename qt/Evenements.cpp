// The user's events on the widgets, turned into the model's events: each runs on the model,
// then every window shows what its model became.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "PlateformeQt.hpp"
#include "Tableaux.hpp"
#include "Vue.hpp"

namespace orbalide {
namespace {

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

int Etat(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? kShift : 0) | (m & Qt::ControlModifier ? kCtrl : 0) |
         (m & Qt::AltModifier ? kAlt : 0);
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
      if (m == Qt::ShiftModifier) return Key::ShiftReturn;
      break;
    case Qt::Key_Escape:
      if (m == Qt::NoModifier) return Key::Escape;
      break;
    case Qt::Key_F10:
      if (m == Qt::ShiftModifier) return Key::ContextMenu;
      break;
    case Qt::Key_Space:  // held down, it presses once
      if (m == Qt::NoModifier && !e.isAutoRepeat()) return Key::Space;
      break;
    case Qt::Key_F1:
      if (m == Qt::NoModifier) return Key::Help;
      break;
    default:
      break;
  }
  return std::nullopt;
}

// The keys that move a list's choice; with Alt, Down opens the list instead. A page is the
// whole of a short list.
std::optional<ListKey> ListKeyOf(const QKeyEvent& e) {
  if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
  switch (e.key()) {
    case Qt::Key_Down:
      return ListKey::Next;
    case Qt::Key_Up:
      return ListKey::Previous;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
      return ListKey::First;
    case Qt::Key_End:
    case Qt::Key_PageDown:
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

}  // namespace

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
      if (watched != window_) return false;
      event->ignore();
      if (form_.Closing) Forward(form_.Closing);
      return true;
    case QEvent::FocusIn:
      if (control != nullptr && form_.Focus() != control && !synchronising_)
        FocusIn(*control, static_cast<QFocusEvent*>(event)->reason());
      return false;
    case QEvent::KeyPress:
      return KeyPress(control, *static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:  // the box would keep the keys: the menu takes them first
      if (control == nullptr || !GivesWay(*static_cast<QKeyEvent*>(event))) return false;
      event->ignore();
      return true;
    case QEvent::Resize:
      if (watched == client_ && form_.Resizable) Synchroniser();
      return false;
    case QEvent::ContextMenu: {  // a right click, or the context-menu key
      if (control == nullptr || !control->ContextMenu) return false;
      const auto* menu = static_cast<QContextMenuEvent*>(event);
      const QWidget* w = Widget(*control);
      menuAt_ = menu->reason() == QContextMenuEvent::Mouse ? menu->globalPos()
                                                           : w->mapToGlobal(QPoint(0, w->height()));
      Forward([this, control] { form_.UserContextMenu(*control); });
      return true;
    }
    case QEvent::MouseButtonPress:
      if (control != nullptr && control->GetKind() == Kind::TextBox) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        Forward([this, box = static_cast<TextBox*>(control), mouse] {
          form_.UserMouseDown(*box, Bouton(mouse->button()), Etat(mouse->modifiers()));
        });
      }
      return false;
    case QEvent::MouseButtonDblClick:
      if (control != nullptr && control->GetKind() == Kind::TextBox)
        Forward([this, control] { form_.UserDblClick(*control); });
      return false;
    case QEvent::MouseButtonRelease:
      return Click(watched, control);
    case QEvent::Wheel: {  // over a list, it moves the choice as Down and Up do
      if (control == nullptr || control->GetKind() != Kind::ComboBox) return false;
      const int vers = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (vers != 0) {
        Forward([this, control, vers] {
          form_.UserListKey(static_cast<ComboBox&>(*control),
                            vers < 0 ? ListKey::Next : ListKey::Previous);
        });
      }
      return true;
    }
    default:
      return false;
  }
}

// A control that the user gives the focus takes it, or hands it back to the model's. The one Qt
// picks when a window becomes active is not the user's: the model's focus stands, or without one
// the window's own (a link of the About window would otherwise take Return).
void Vue::FocusIn(Control& control, Qt::FocusReason reason) {
  if (reason == Qt::ActiveWindowFocusReason) {
    (form_.Focus() != nullptr ? Widget(*form_.Focus()) : window_)->setFocus();
    return;
  }
  Forward([this, &control] {
    if (!form_.SetFocus(control) && form_.Focus() != nullptr) Widget(*form_.Focus())->setFocus();
  });
  // A mouse press wipes the selection made at focus-in: make it again after the press.
  if (reason == Qt::MouseFocusReason && control.GetKind() == Kind::TextBox) {
    QTimer::singleShot(0, this, [this, &control] {
      selections_.erase(&control);
      Synchroniser();
    });
  }
}

// A list's own keys first, then the window's keys; the others go on to the widget.
bool Vue::KeyPress(Control* control, const QKeyEvent& press) {
  if (control != nullptr && control->GetKind() == Kind::ComboBox &&
      ListKeyPress(static_cast<ComboBox&>(*control), press))
    return true;
  const std::optional<Key> key = KeyOf(press);
  if (!key) return false;
  if (const QWidget* focus = QApplication::focusWidget(); focus != nullptr)
    menuAt_ = focus->mapToGlobal(QPoint(0, focus->height()));
  bool used = false;
  Forward([this, &used, key] { used = form_.UserKey(*key); });
  return used;
}

bool Vue::ListKeyPress(ComboBox& combo, const QKeyEvent& press) {
  if (const std::optional<ListKey> move = ListKeyOf(press)) {
    Forward([this, &combo, move] { form_.UserListKey(combo, *move); });
    return true;
  }
  const std::string typed = Typed(press);
  bool taken = false;
  if (!typed.empty())
    Forward([this, &combo, &taken, &typed] { taken = form_.UserListCharacter(combo, typed); });
  return taken;
}

// Whether the keys are those of an enabled menu item that takes them before a text box does.
bool Vue::GivesWay(const QKeyEvent& press) const {
  const QKeySequence keys(press.keyCombination());
  return std::any_of(form_.Controls().begin(), form_.Controls().end(), [&](const Control* c) {
    const auto* item = c->GetKind() == Kind::MenuItem ? static_cast<const MenuItem*>(c) : nullptr;
    return item != nullptr && item->TakesKeysFirst && item->Enabled &&
           QKeySequence::fromString(Q(std::string(item->Shortcut))) == keys;
  });
}

// A cell being edited is taken before a menu's command runs, as spreadsheets take it before they
// save: its editor gives the focus back to its table.
void Vue::TakeEdit() {
  QWidget* focus = QApplication::focusWidget();
  for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<Grille*>(w) != nullptr && w != focus) return w->setFocus();
  }
}

// Labels and images take clicks, and so does the window outside its controls.
bool Vue::Click(QObject* watched, Control* control) {
  if (control != nullptr &&
      (control->GetKind() == Kind::Label || control->GetKind() == Kind::Image)) {
    Forward([this, control] { form_.UserClick(*control); });
    return true;
  }
  if (watched != client_ || !form_.Click) return false;
  Forward(form_.Click);
  return true;
}

}  // namespace orbalide
