// Lists: the item chosen, the text shown, and the item that a key or a typed letter chooses.
#include <algorithm>

#include "Controles.hpp"

namespace orbalide {

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

}  // namespace orbalide
