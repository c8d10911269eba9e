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

std::int16_t ComboBox::ShownItem() const {
  if (listIndex_ >= 0) return listIndex_;
  const auto found = std::find(items_.begin(), items_.end(), text_);
  return found == items_.end() ? -1 : static_cast<std::int16_t>(found - items_.begin());
}

std::int16_t ComboBox::ItemFor(ListKey key) const {
  const int last = static_cast<int>(items_.size()) - 1, shown = ShownItem();
  int item = last;
  switch (key) {
    case ListKey::Next:
      item = shown + 1;
      break;
    case ListKey::Previous:
      item = std::max(shown - 1, 0);
      break;
    case ListKey::First:
      item = 0;
      break;
    case ListKey::Last:
      break;
  }
  return static_cast<std::int16_t>(std::min(item, last));
}

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::int16_t ComboBox::ItemStartingWith(std::string_view character) const {
  const auto starts = [&](const std::string& item) {
    return !character.empty() &&
           SameLetters(character, std::string_view(item).substr(0, character.size()));
  };
  const auto n = static_cast<std::int16_t>(items_.size());
  const std::int16_t shown = ShownItem();
  for (std::int16_t step = 1; step <= n; ++step) {
    const auto i = static_cast<std::int16_t>((shown + step + n) % n);
    if (starts(items_[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

std::int16_t ComboBox::ItemNamed(std::string_view name) const {
  const auto item = std::find_if(items_.begin(), items_.end(),
                                 [&](const std::string& i) { return SameLetters(i, name); });
  return item == items_.end() ? -1 : static_cast<std::int16_t>(item - items_.begin());
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

}  // namespace orbalide
