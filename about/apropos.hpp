// The About window: title, version, the two description texts of the current language, a
// picture, and links to the author's web site and e-mail. A click almost anywhere closes it, and
// so does Escape; Tab reaches the links, Return or Space follows them.
#pragma once

#include <memory>

#include "ControlArray.hpp"
#include "Controles.hpp"
#include "Plateforme.hpp"

namespace orbalide {

// The program's icon, which both windows show, and the About window's picture.
inline constexpr Picture kIcone = "icone", kImageApropos = "apropos";

class apropos : public Form {
 public:
  // principale: the main window, brought forward when this one closes; anglais: the language of
  // the description texts that the load writes.
  apropos(Platform& platform, Form& principale, bool anglais);

  Image Image1{*this, "Image1"};
  Label Label1{*this, "Label1"};
  ControlArray<Label, 2> Label6{*this, "Label6"};
  ControlArray<Label, 2> Label2{*this, "Label2"};
  Label Label3{*this, "Label3"};

  void Form_Load();
  void Form_Click();
  void Image1_Click();
  void Label1_Click();
  void Label2_Click(std::int16_t Index);
  void Label6_Click(std::int16_t Index);
  void Label3_Click();
  // Writes the two description texts of a language.
  void EcrireTextes(bool anglais);

  // Runs the closing clicks: set by the window's owner, which discards the window.
  std::function<void()> Fermer;

 private:
  Platform& platform_;
  Form& principale_;
  bool anglais_;
};

// The single About window of the program: loaded when the main window first needs it, shown
// without blocking, discarded by a closing click and loaded afresh at the next opening.
class Apropos {
 public:
  explicit Apropos(Platform& platform) : platform_(platform) {}

  // Loads the window, hidden, when it is not loaded, then writes its texts in the language.
  void EcrireTextes(Form& principale, bool anglais);
  // Loads the window when needed and shows it without blocking, or brings it forward.
  void Afficher(Form& principale, bool anglais);

  apropos* Fenetre() const { return fenetre_.get(); }  // nullptr while not loaded

 private:
  apropos& Charger(Form& principale, bool anglais);
  void Decharger();

  Platform& platform_;
  std::unique_ptr<apropos> fenetre_;
  // A window unloaded by its own click handler lives until that handler has returned.
  std::unique_ptr<apropos> dechargee_;
};

}  // namespace orbalide
