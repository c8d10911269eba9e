#include "Controles.hpp"

#include <algorithm>
#include <utility>

#include "Texte.hpp"

namespace orbalide {
namespace {

Role RoleOf(Kind kind) {
  switch (kind) {
    case Kind::TextBox:
      return Role::Text;
    case Kind::Label:
      return Role::StaticText;
    case Kind::ComboBox:
      return Role::List;
    case Kind::CommandButton:
      return Role::Button;
    case Kind::Frame:
      return Role::Grouping;
    case Kind::OptionButton:
      return Role::RadioButton;
    case Kind::MenuItem:
      return Role::MenuItem;
    case Kind::Image:
      break;
  }
  return Role::Graphic;
}

}  // namespace

Control::Control(Form& form, Kind kind, std::string_view name, std::int16_t index)
    : AccessibleRole(RoleOf(kind)), form_(&form), kind_(kind), name_(name), index_(index) {
  form.controls_.push_back(this);
}

std::string Control::FullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::Shown() const {
  for (const Control* c = this; c != nullptr; c = c->Container) {
    if (!c->Visible) return false;
    if (c->CoveredBy != nullptr && c->CoveredBy->Shown()) return false;
  }
  return true;
}

bool Control::Reachable() const {
  for (const Control* c = this; c != nullptr; c = c->Container) {
    if (!c->Enabled) return false;
  }
  return Shown();
}

TextBox::TextBox(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::TextBox, name, index) {
  TabStop = true;
}

void TextBox::SetText(std::string_view text) {
  if (text == text_) return;
  text_ = text;
  const int length = Length(text_);
  if (selStart_ > length) selStart_ = length;
  if (selStart_ + selLength_ > length) selLength_ = length - selStart_;
  if (Change) Change();
}

namespace {

// A text from the user as the box writes it.
std::string AsTyped(const TextBox& box, std::string_view text) {
  std::string typed(text);
  if (box.CommaIsPoint) std::replace(typed.begin(), typed.end(), ',', '.');
  return typed;
}

// Where the user's insertion stands in a box's new text: between what the new text shares with
// the old one at its start and at its end.
struct Insertion {
  std::size_t start, length;
};

Insertion Inserted(std::string_view old, std::string_view now) {
  std::size_t start = 0, end = 0;
  while (start < old.size() && start < now.size() && old[start] == now[start]) ++start;
  while (end < old.size() - start && end < now.size() - start &&
         old[old.size() - 1 - end] == now[now.size() - 1 - end])
    ++end;
  return {start, now.size() - start - end};
}

}  // namespace

void TextBox::SetTypedText(std::string_view text) {
  SetText(AsTyped(*this, text));
}

void TextBox::SetSelection(int start, int length) {
  const int total = Length(text_);
  selStart_ = start < 0 ? 0 : (start > total ? total : start);
  selLength_ = length < 0 ? 0 : (length > total - selStart_ ? total - selStart_ : length);
  ++selectionVersion_;
}

Label::Label(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::Label, name, index) {}

CommandButton::CommandButton(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::CommandButton, name, index) {
  TabStop = true;
}

Frame::Frame(Form& form, std::string_view name) : Control(form, Kind::Frame, name) {}

OptionButton::OptionButton(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::OptionButton, name, index) {
  TabStop = true;
}

void OptionButton::SetValue(bool value) {
  value_ = value;
  if (!value) return;
  for (Control* c : Owner().Controls()) {
    if (c != this && c->GetKind() == Kind::OptionButton && c->Container == Container) {
      static_cast<OptionButton*>(c)->value_ = false;
    }
  }
}

MenuItem::MenuItem(Form& form, std::string_view name, MenuItem* parent)
    : Control(form, Kind::MenuItem, name), parent_(parent) {}

Image::Image(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::Image, name, index) {}

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
    if (box.ReadOnly) return;
    const auto [start, length] = Inserted(box.Text(), text);
    box.SetText(std::string(text.substr(0, start)) + AsTyped(box, text.substr(start, length)) +
                std::string(text.substr(start + length)));
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
