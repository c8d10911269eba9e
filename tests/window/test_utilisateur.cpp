// A long seeded random session on the models, with the window's invariants checked after every
// event. A failure prints the seed and the event number, so the session can be replayed.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "Calculatrice.hpp"
#include "Lisible.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"

using namespace orbalide;
using namespace orbalide::test;
namespace fs = std::filesystem;

namespace {

constexpr int kEvenements = 120000;

class User {
 public:
  User(Calculatrice& c, std::uint64_t seed) : c_(c), random_(seed) {}

  void Act() {
    FormFormules& f = c_.f;
    switch (Pick(12)) {
      case 0:
      case 1:
      case 2: {  // keystrokes into the focused box, or a click into a box then keystrokes
        if (Pick(3) == 0) c_.Click(*Any<TextBox>(f));
        c_.Keys(Text());
        break;
      }
      case 3:
        f.SetFocus(*Any<Control>(f));
        break;
      case 4: {  // a mouse click on any control: buttons, labels, images, menu items
        Control& control = *Any<Control>(f);
        f.SetFocus(control);
        f.UserClick(control);
        break;
      }
      case 5:
        f.UserSelect(*Any<ComboBox>(f), static_cast<std::int16_t>(Pick(12) - 1));
        break;
      case 6:
        f.UserType(*Any<ComboBox>(f), Text());
        break;
      case 7: {  // the paste boxes
        TextBox& box = f.INS[static_cast<std::int16_t>(Pick(4))];
        box.SetText(Pick(2) == 0 ? Paste() : Text());
        if (Pick(8) == 0) {
          f.UserDblClick(box);
        } else {
          f.UserMouseDown(box, 1 << Pick(3), static_cast<int>(Pick(8)));
        }
        break;
      }
      case 8:
        f.UserSelect(f.Option1[static_cast<std::int16_t>(Pick(2))]);
        break;
      case 9: {  // the About window
        if (apropos* w = c_.about.Fenetre(); w != nullptr && Pick(2) == 0) {
          w->UserClick(*w->Controls()[Pick(w->Controls().size())]);
        } else {
          f.UserClick(f.Image1);
        }
        break;
      }
      case 10:
        f.UserClick(Pick(2) == 0 ? f.Command2 : f.Command4);
        break;
      case 11:
        f.UserClick(f.Command11[static_cast<std::int16_t>(Pick(4))]);
        break;
    }
  }

 private:
  std::size_t Pick(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

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
        "49",     "00",     "23.260", "006", "09",    "41.280", "180", "30",
        "100000", "0.5",    "361",    "-45", "1E999", "12,5",   "",    "59.9999",
        "90",     "179.99", "1e308",  "0",   "45",    "1852",   "360", "abc"};
    if (Pick(4) != 0) return realistic[Pick(realistic.size())];
    static const std::string alphabet = "0123456789.,-+eE NSWé°'\t/&<";
    std::string s;
    for (std::size_t n = Pick(12); n > 0; --n) s += alphabet[Pick(alphabet.size())];
    return s;
  }

  std::string Paste() {
    static const std::vector<std::string> pastes{"WP1 N49°00'23.26 E006°09'41.28",
                                                 "X s33:51:54.51 w151:12:34.99", "A B", "NoSpace",
                                                 "  a  N1 2 3 E4 5 6  "};
    return pastes[Pick(pastes.size())];
  }

  Calculatrice& c_;
  std::mt19937_64 random_;
};

// What the program writes, and what a session must never break.
std::string Broken(Calculatrice& c) {
  FormFormules& f = c.f;
  std::vector<const TextBox*> outputs;
  for (FormFormules::Composante k : kComposantes) outputs.push_back(&(f.*k)[1]);
  for (const TextBox& t : f.FB) outputs.push_back(&t);
  for (std::int16_t i = 3; i < 9; ++i) outputs.push_back(&f.Text1[i]);
  outputs.push_back(&f.Text3);
  for (const TextBox* t : outputs) {
    if (!Lisible(t->Text())) return t->FullName() + " shows " + t->Text();
  }
  for (const Control* control : f.Controls()) {
    if (!Lisible(control->ToolTipText)) return control->FullName() + " tooltip";
    if (control->GetKind() == Kind::Label && !Lisible(control->Caption)) {
      return control->FullName() + " caption";
    }
  }
  const int checked = f.Mcent.Checked + f.Mmille.Checked + f.Mmaxi.Checked;
  if (checked != 1) return "checked precision items: " + std::to_string(checked);
  const char* picture = f.Mcent.Checked ? "00.00" : f.Mmille.Checked ? "00.000" : "00.0000000";
  if (FormatSecondes() != picture) return "seconds picture " + FormatSecondes();
  if (f.Image2[0].Visible == f.Image2[1].Visible) return "flags";
  bool positive = false;
  try {
    positive = LireNombre(f.Text2.Text()) > 0;
  } catch (const ErreurArithmetique&) {
  }
  if (f.Command2.Enabled != positive) return "Command2 with distance " + f.Text2.Text();
  if (f.Caption != "Orbalide ** " + f.Combo3.Text() + " **") return "title " + f.Caption;
  if (f.Focus() != nullptr && !f.Focus()->Reachable()) return "focus on " + f.Focus()->FullName();
  return "";
}

}  // namespace

TEST(RandomUser, InvariantsHoldThroughALongSession) {
  const std::uint64_t seed = 20261206;
  char pattern[] = "/tmp/orbalide-user-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  Calculatrice c;
  c.platform.directory = pattern;
  User user(c, seed);
  for (int n = 1; n <= kEvenements; ++n) {
    try {
      user.Act();
    } catch (const std::exception& e) {
      FAIL() << "seed " << seed << ", event " << n << ": " << e.what() << " escaped a handler";
    }
    const std::string broken = Broken(c);
    ASSERT_EQ(broken, "") << "seed " << seed << ", event " << n;
  }
  EXPECT_GT(c.platform.opened.size(), 1000u);  // the session did reach the exports
  fs::remove_all(pattern);
}
