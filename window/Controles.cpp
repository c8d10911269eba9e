#include "Controles.hpp"

#include <algorithm>

#include "Texte.hpp"

namespace orbalide {

Control::Control(Form& form, Kind kind, std::string_view name, std::int16_t index)
    : form_(&form), kind_(kind), name_(name), index_(index) {
  form.controls_.push_back(this);
}

std::string Control::FullName() const {
  return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::Reachable() const {
  for (const Control* c = this; c != nullptr; c = c->Container) {
    if (!c->Visible || !c->Enabled) return false;
    if (c->CoveredBy != nullptr && c->CoveredBy->Visible) return false;
  }
  return true;
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

void TextBox::SetSelection(int start, int length) {
  const int total = Length(text_);
  selStart_ = start < 0 ? 0 : (start > total ? total : start);
  selLength_ = length < 0 ? 0 : (length > total - selStart_ ? total - selStart_ : length);
  ++selectionVersion_;
}

Label::Label(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::Label, name, index) {}

ComboBox::ComboBox(Form& form, std::string_view name, std::int16_t index)
    : Control(form, Kind::ComboBox, name, index) {
  TabStop = true;
}

void ComboBox::SetListIndex(std::int16_t index) {
  const bool valid = index >= 0 && static_cast<std::size_t>(index) < items_.size();
  listIndex_ = valid ? index : -1;
  text_ = valid ? items_[static_cast<std::size_t>(index)] : "";
  if (Click) Click();
}

void ComboBox::SetText(std::string_view text) {
  text_ = text;
  listIndex_ = -1;
}

void ComboBox::SetChoice(const Choice& choice) {
  const bool valid =
      choice.ListIndex >= 0 && static_cast<std::size_t>(choice.ListIndex) < items_.size();
  listIndex_ = valid ? choice.ListIndex : -1;
  text_ = choice.Text;
}

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

namespace {

bool Focusable(const Control& c) {
  switch (c.GetKind()) {
    case Kind::TextBox:
    case Kind::ComboBox:
    case Kind::CommandButton:
    case Kind::OptionButton:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool Form::SetFocus(Control& control) {
  if (!control.Reachable() || !Focusable(control)) return false;
  focus_ = &control;
  if (control.GotFocus) control.GotFocus();
  return true;
}

void Form::RepairFocus() {
  if (focus_ == nullptr || focus_->Reachable()) return;
  std::vector<Control*> order;
  for (Control* c : controls_) {
    if (c->TabStop && Focusable(*c) && c->Reachable()) order.push_back(c);
  }
  std::sort(order.begin(), order.end(),
            [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
  const int from = focus_->TabIndex;
  const auto next = std::find_if(order.begin(), order.end(),
                                 [from](const Control* c) { return c->TabIndex > from; });
  focus_ = nullptr;
  if (!order.empty()) SetFocus(next != order.end() ? **next : *order.front());
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

void Form::UserType(TextBox& box, std::string_view text) {
  Deliver(box, [&] {
    if (!box.ReadOnly) box.SetText(text);
  });
}

void Form::UserSelect(ComboBox& combo, std::int16_t index) {
  Deliver(combo, [&] { combo.SetListIndex(index); });
}

void Form::UserType(ComboBox& combo, std::string_view text) {
  Deliver(combo, [&] {
    if (combo.Editable) combo.SetText(text);
  });
}

void Form::UserSelect(OptionButton& option) {
  Deliver(option, [&] {
    option.SetValue(true);
    if (option.Click) option.Click();
  });
}

}  // namespace orbalide
