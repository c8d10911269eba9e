#include "apropos.hpp"

#include <string>

#include "Distribution.hpp"
#include "Textes.hpp"

namespace orbalide {
namespace {

constexpr Rgb kBleu{0, 0, 255}, kBlanc{255, 255, 255}, kRouge{255, 0, 0}, kNuit{0, 0, 64};
constexpr Font kTitre{"Comic Sans MS", 48, true}, kVersion{"Comic Sans MS", 24, true};
constexpr Font kLien{"Comic Sans MS", 24, true, true}, kTexte{"MS Sans Serif", 12, true};

std::string TexteVersion(const VersionNumbers& v) {
  return std::to_string(v.Major) + "." + std::to_string(v.Minor) + "." + std::to_string(v.Revision);
}

}  // namespace

// The window's client area is 8235 × 7575 twips, without a title bar.
apropos::apropos(Platform& platform, Form& principale, bool anglais)
    : Form("apropos", 8235, 7575), platform_(platform), principale_(principale), anglais_(anglais) {
  Icon = kIcone;
  BackColor = kNuit;
  Image1.Place = {30, 15, 3000, 2925};
  Image1.Content = kImageApropos;
  Label1.Place = {3225, 285, 4620, 1365};
  Label1.Caption = "Orbalide";
  Label6[0].Place = {4170, 1485, 2745, 675};
  Label6[0].Caption = "Version 1.0";
  Label2[1].Place = {2805, 2610, 5220, 3045};
  Label2[0].Place = {270, 5700, 7260, 1035};
  Label6[1].Place = {3210, 6720, 3975, 675};
  Label6[1].Caption = std::string(kSiteWeb);
  Label6[1].ToolTipText = "Le site.";
  Label3.Place = {135, 7005, 1785, 300};
  Label3.Caption = std::string(kNomAuteur);

  Label1.TextFont = kTitre;
  Label6[0].TextFont = kVersion;
  Label6[1].TextFont = kLien;
  Label2[0].TextFont = Label2[1].TextFont = Label3.TextFont = kTexte;
  Label1.ForeColor = Label6[0].ForeColor = Label3.ForeColor = kBleu;
  Label2[0].ForeColor = Label2[1].ForeColor = kBlanc;
  Label6[1].ForeColor = kRouge;
  Label1.Centered = Label6[0].Centered = Label6[1].Centered = true;
  // The two links, in reading order, are links for the keyboard and for screen readers.
  Label* const liens[] = {&Label6[1], &Label3};
  for (int i = 0; i < 2; ++i) {
    liens[i]->AccessibleRole = Role::Link;
    liens[i]->TabStop = true;
    liens[i]->TabIndex = i;
  }

  Click = [this] { Form_Click(); };
  Closing = [this] { Form_Click(); };
  Escape = [this] { Form_Click(); };
  Image1.Click = [this] { Image1_Click(); };
  Label1.Click = [this] { Label1_Click(); };
  Label3.Click = [this] { Label3_Click(); };
  for (std::int16_t i = 0; i < 2; ++i) {
    Label2[i].Click = [this, i] { Label2_Click(i); };
    Label6[i].Click = [this, i] { Label6_Click(i); };
  }
}

void apropos::Form_Load() {
  Label3.MousePointer = Label6[1].MousePointer = Icon;
  Label6[0].Caption = "Version: " + TexteVersion(platform_.Version());
  EcrireTextes(anglais_);
}

void apropos::EcrireTextes(bool anglais) {
  anglais_ = anglais;
  const TextesApropos& textes = anglais ? kAproposAnglais : kAproposFrancais;
  Label2[1].Caption = textes.Description;
  Label2[0].Caption = textes.Precision;
  AccessibleName = textes.Fenetre;
  Label3.AccessibleName = textes.Courriel;
}

// Every closing click brings the main window forward, then unloads this one.
void apropos::Form_Click() {
  platform_.Show(principale_);
  if (Fermer) Fermer();
}

void apropos::Image1_Click() {
  Form_Click();
}
void apropos::Label1_Click() {
  Form_Click();
}
void apropos::Label2_Click(std::int16_t /*Index*/) {
  Form_Click();
}

void apropos::Label6_Click(std::int16_t Index) {
  if (Index == 0) {
    Form_Click();
  } else {
    platform_.Open(std::string(kSiteWeb));
  }
}

void apropos::Label3_Click() {
  platform_.Open("mailto:" + std::string(kCourrielAuteur) + "?subject=Tiramoss V" +
                 TexteVersion(platform_.Version()));
}

apropos& Apropos::Charger(Form& principale, bool anglais) {
  dechargee_.reset();
  if (!fenetre_) {
    fenetre_ = std::make_unique<apropos>(platform_, principale, anglais);
    fenetre_->Fermer = [this] { Decharger(); };
    fenetre_->Form_Load();
  }
  return *fenetre_;
}

void Apropos::Decharger() {
  platform_.Unload(*fenetre_);
  dechargee_ = std::move(fenetre_);
}

void Apropos::EcrireTextes(Form& principale, bool anglais) {
  Charger(principale, anglais).EcrireTextes(anglais);
}

void Apropos::Afficher(Form& principale, bool anglais) {
  platform_.Show(Charger(principale, anglais));
}

}  // namespace orbalide
