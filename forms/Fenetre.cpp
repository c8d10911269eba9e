// The rules of a window: the focus, the tab order, and the user's events, delivered only to what
// the user can reach.
#include <algorithm>
#include <utility>

#include "Controles.hpp"
#include "Tableau.hpp"

namespace orbalide {

Form::Form(std::string_view name, int clientWidth, int clientHeight)
    : name_(name), clientWidth_(clientWidth), clientHeight_(clientHeight) {}

void Form::Announce(std::string text) {
  announcement_ = std::move(text);
  ++announcements_;
}

namespace {

bool Focusable(const Control& c) {
  switch (c.GetKind()) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::Table:
      return true;
    default:
      return c.Pressable();
  }
}

}  // namespace

bool Form::SetFocus(Control& control) {
  if (!control.Reachable() || !Focusable(control)) return false;
  focus_ = &control;
  if (control.GotFocus) control.GotFocus();
  return true;
}

std::vector<Control*> Form::TabOrder() const {
  std::vector<Control*> order;
  for (Control* c : controls_) {
    if (c->TabStop && Focusable(*c) && c->Reachable()) order.push_back(c);
  }
  std::sort(order.begin(), order.end(),
            [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
  return order;
}

// The tab stop after tab index `from` in tab order, or the one before it, wrapping around at
// either end; nullptr when no control can take the focus.
Control* Form::NextInTabOrder(int from, bool forward) const {
  const std::vector<Control*> order = TabOrder();
  if (order.empty()) return nullptr;
  if (forward) {
    const auto after = std::find_if(order.begin(), order.end(),
                                    [from](const Control* c) { return c->TabIndex > from; });
    return after != order.end() ? *after : order.front();
  }
  const auto before = std::find_if(order.rbegin(), order.rend(),
                                   [from](const Control* c) { return c->TabIndex < from; });
  return before != order.rend() ? *before : order.back();
}

void Form::RepairFocus() {
  if (focus_ == nullptr || focus_->Reachable()) return;
  const int from = focus_->TabIndex;
  focus_ = nullptr;
  if (Control* next = NextInTabOrder(from, true)) SetFocus(*next);
}

Control* Form::DefaultButton() const {
  if (focus_ != nullptr && focus_->Pressable()) return focus_;
  for (Control* c : controls_) {
    if (c->GetKind() == Kind::CommandButton && static_cast<CommandButton*>(c)->Default &&
        c->Shown())
      return static_cast<CommandButton*>(c);
  }
  return nullptr;
}

// A user's event reaches only a control that the user can see and use.
template <class Event>
void Form::Deliver(Control& control, Event&& event) {
  if (!control.Reachable()) return;
  event();
  RepairFocus();
}

void Form::UserClick(Control& control) {
  Deliver(control, [&] {
    if (control.Click) control.Click();
  });
}

void Form::UserDblClick(Control& control) {
  Deliver(control, [&] {
    if (control.DblClick) control.DblClick();
  });
}

void Form::UserMouseDown(TextBox& box, int button, int shift) {
  Deliver(box, [&] {
    if (box.MouseDown) box.MouseDown(button, shift);
  });
}

void Form::UserAction(TextBox& box) {
  Deliver(box, [&] {
    if (box.Action) box.Action();
  });
}

void Form::UserType(TextBox& box, std::string_view text) {
  Deliver(box, [&] {
    if (!box.ReadOnly) box.SetUserText(text);
  });
}

void Form::UserSelect(ComboBox& combo, std::int16_t index) {
  Deliver(combo, [&] { combo.SetListIndex(index); });
}

void Form::UserListKey(ComboBox& combo, ListKey key) {
  const std::int16_t item = combo.ItemFor(key);
  if (item >= 0) UserSelect(combo, item);
}

bool Form::UserListCharacter(ComboBox& combo, std::string_view character) {
  const std::int16_t item = combo.ItemStartingWith(character);
  if (item < 0) return false;
  UserSelect(combo, item);
  return true;
}

void Form::UserType(ComboBox& combo, std::string_view text) {
  Deliver(combo, [&] {
    if (combo.Editable) combo.SetText(text);
  });
}

void Form::UserWrite(ComboBox& combo, std::string_view text) {
  const std::int16_t item = combo.ItemNamed(text);
  if (combo.Editable && item >= 0) return UserSelect(combo, item);
  UserType(combo, text);
}

void Form::UserSelect(OptionButton& option) {
  Deliver(option, [&] {
    option.SetValue(true);
    if (option.Click) option.Click();
  });
}

void Form::UserEdit(Table& table, int row, int column, std::string_view text) {
  Deliver(table, [&] {
    const bool editable = column >= 0 && static_cast<std::size_t>(column) < table.Columns.size() &&
                          table.Columns[static_cast<std::size_t>(column)].Editable;
    if (editable && row >= 0 && row < table.RowCount() && table.Edit)
      table.Edit(row, column, std::string(text));
  });
}

void Form::UserCurrent(Table& table, int row, int column) {
  Deliver(table, [&] {
    table.SetCurrent(row, column);
    if (table.CurrentChange) table.CurrentChange();
  });
}

void Form::UserContextMenu(Control& control) {
  Deliver(control, [&] {
    if (control.ContextMenu) control.ContextMenu();
  });
}

bool Form::UserKey(Key key) {
  const auto run = [this](const std::function<void()>& handler) {
    if (!handler) return false;
    handler();
    RepairFocus();
    return true;
  };
  switch (key) {
    case Key::Tab:
    case Key::BackTab: {
      Control* next = NextInTabOrder(focus_ == nullptr ? -1 : focus_->TabIndex, key == Key::Tab);
      return next != nullptr && SetFocus(*next);
    }
    case Key::Return: {
      Control* button = DefaultButton();
      if (button == nullptr || !button->Reachable()) return false;
      UserClick(*button);
      return true;
    }
    case Key::Space:
      if (focus_ == nullptr) return false;
      if (focus_->GetKind() == Kind::OptionButton) {
        UserSelect(static_cast<OptionButton&>(*focus_));
      } else if (focus_->Pressable()) {
        UserClick(*focus_);
      } else {
        return false;
      }
      return true;
    case Key::Escape:
      return run(Escape);
    case Key::Help:
      return run(Help);
    case Key::Quit:
      return run(Quit);
    case Key::ContextMenu:
      if (focus_ == nullptr || !focus_->ContextMenu) return false;
      UserContextMenu(*focus_);
      return true;
    case Key::ShiftReturn:
      if (focus_ == nullptr || focus_->GetKind() != Kind::TextBox ||
          !static_cast<TextBox*>(focus_)->Action)
        return false;
      UserAction(static_cast<TextBox&>(*focus_));
      return true;
  }
  return false;
}

}  // namespace orbalide
