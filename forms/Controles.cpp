// The controls of a window and what each does when the program or the user writes into it.
#include "Controles.hpp"

#include <algorithm>

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
    case Kind::Table:
      return Role::Table;
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

void TextBox::SetUserText(std::string_view text) {
  const auto [start, length] = Inserted(text_, text);
  SetText(std::string(text.substr(0, start)) + AsTyped(*this, text.substr(start, length)) +
          std::string(text.substr(start + length)));
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

}  // namespace orbalide
