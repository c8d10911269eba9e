// A user's session on the models, every choice of event and text taken from the input, with the
// window's invariants checked after every event: any sequence of keys, clicks, lists and their
// keys, paste boxes, menus and About windows.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>

#include "Calculatrice.hpp"
#include "Ellipsoide.hpp"
#include "Lisible.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using namespace orbalide::test;
using orbalide::fuzz::Lisible;
using orbalide::fuzz::Verifier;

namespace {

class User {
 public:
  User(Calculatrice& c, const std::uint8_t* data, std::size_t size)
      : c_(c), data_(data), size_(size) {}
  bool More() const { return at_ < size_; }

  // One event: keys, clicks, lists, paste boxes, menus, the About window.
  void Act() {
    FormFormules& f = c_.f;
    apropos* about = c_.about.Fenetre();
    TextBox& paste = f.INS[static_cast<std::int16_t>(Pick(4))];
    const std::function<void()> events[] = {
        [&] { c_.Click(*Any<TextBox>(f)), c_.Keys(Text()); },
        [&] { c_.Keys(Text()); },
        [&] { f.UserKey(static_cast<Key>(Pick(9))); },
        [&] { f.SetFocus(*Any<Control>(f)), f.UserClick(*Any<Control>(f)); },
        [&] { f.UserContextMenu(*Any<Control>(f)); },
        [&] { f.UserSelect(*Any<ComboBox>(f), static_cast<std::int16_t>(Pick(12) - 1)); },
        [&] { f.UserType(*Any<ComboBox>(f), Text()); },
        [&] { f.UserListKey(*Any<ComboBox>(f), static_cast<ListKey>(Pick(4))); },
        [&] { f.UserListCharacter(*Any<ComboBox>(f), Text().substr(0, 1)); },
        [&] { paste.SetText(Paste()), f.UserMouseDown(paste, 1, static_cast<int>(Pick(8))); },
        [&] { f.UserDblClick(paste); },
        [&] { f.UserSelect(f.Option1[static_cast<std::int16_t>(Pick(2))]); },
        [&] { about ? about->UserClick(*Any<Control>(*about)) : f.UserClick(f.Image1); },
        [&] { f.UserClick(Pick(2) == 0 ? f.Command2 : f.Command4); },
    };
    events[Pick(std::size(events))]();
  }

 private:
  // The next choice among n, from the input; the first once it is used up.
  std::size_t Pick(std::size_t n) { return at_ < size_ ? data_[at_++] % n : 0; }

  template <class T>
  T* Any(Form& form) {
    std::vector<T*> found;
    for (Control* c : form.Controls()) {
      if (auto* t = dynamic_cast<T*>(c)) found.push_back(t);
    }
    return found[Pick(found.size())];
  }

  // Realistic entries most of the time, any characters sometimes.
  std::string Text() {
    static const std::vector<std::string> realistic{
        "49",  "00",    "23.260", "006",     "09", "41.280", "180", "30", "100000", "0.5", "361",
        "-45", "1E999", "12,5",   "59.9999", "90", "1e308",  "0",   "45", "1852",   "360", "abc"};
    if (Pick(4) != 0) return realistic[Pick(realistic.size())];
    static const std::string alphabet = "0123456789.,-+eE NSWé°'\t/&<";
    std::string s;
    for (std::size_t n = Pick(12); n > 0; --n) s += alphabet[Pick(alphabet.size())];
    return s;
  }

  std::string Paste() {
    static const std::vector<std::string> pastes{"WP1 N49°00'23.26 E006°09'41.28",
                                                 "X s33:51:54.51 w151:12:34.99", "A B", "NoSpace"};
    return Pick(2) == 0 ? pastes[Pick(pastes.size())] : Text();
  }

  Calculatrice& c_;
  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
};

// What a session must never break: what the program shows or announces is readable, one
// precision is checked and is the picture used, one flag shows, "Calculer" follows the distances
// whose reading is known beforehand, the title names the ellipsoid in use, the focus is where a
// user can be.
std::string Broken(Calculatrice& c) {
  FormFormules& f = c.f;
  for (const Control* control : f.Controls()) {
    const auto* box = dynamic_cast<const TextBox*>(control);  // what it writes, not what is typed
    if (!Lisible(control->ToolTipText + control->Caption +
                 (box && box->ReadOnly ? box->Text() : "")))
      return control->FullName() + " shows an unreadable text";
  }
  if (!Lisible(f.Announcement())) return "a screen reader hears an unreadable text";
  if (f.Mcent.Checked + f.Mmille.Checked + f.Mmaxi.Checked != 1) return "precision checks";
  const char* picture = f.Mcent.Checked ? "00.00" : f.Mmille.Checked ? "00.000" : "00.0000000";
  if (f.FormatSecondes != picture) return "seconds picture " + f.FormatSecondes;
  if (f.Image2[0].Visible == f.Image2[1].Visible) return "flags";
  static const std::map<std::string, bool> distances{
      {"", false},   {"0", false},   {"abc", false},   {"-45", false}, {"1E999", false},
      {"0.5", true}, {"1852", true}, {"100000", true}, {"12.5", true}, {"1e308", true}};
  if (const auto known = distances.find(f.Text2.Text());
      known != distances.end() && known->second != f.Command2.Enabled)
    return "Command2 with distance " + f.Text2.Text();
  const auto titled = std::find_if(Catalogue.begin(), Catalogue.end(), [&](const auto& e) {
    return f.Caption == "Orbalide ** " + std::string(e.Nom) + " **";
  });
  if (titled == Catalogue.end() && f.Caption != "Orbalide **  **") return "title " + f.Caption;
  if (titled != Catalogue.end() && titled->Nom != Catalogue[kIndexSphere].Nom &&
      f.EllipsoideCourant.DemiPetitAxe != titled->DemiPetitAxe)  // no selection keeps it
    return "ellipsoid of " + f.Caption;
  if (f.Focus() != nullptr && !f.Focus()->Reachable()) return "focus on " + f.Focus()->FullName();
  return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = [] {
    char pattern[] = "/tmp/orbalide-fuzz-user-XXXXXX";
    return std::string(mkdtemp(pattern));
  }();
  Calculatrice c;
  c.platform.directory = folder;
  User user(c, data, size);
  while (user.More()) {
    try {
      user.Act();
    } catch (const std::exception&) {
      Verifier(false, "an exception escaped a handler");
    }
    const std::string broken = Broken(c);
    Verifier(broken.empty(), broken.c_str());
  }
  for (const auto& file : std::filesystem::directory_iterator(folder))
    std::filesystem::remove(file);
  return 0;
}
