// The planner as designed: places (twips), anchors, columns, menus and their keys, tab order.
#include <initializer_list>

#include "FormPassage.hpp"

namespace orbalide {
namespace {

constexpr int kDroite = kAnchorLeft | kAnchorTop | kAnchorRight;
constexpr int kTout = kDroite | kAnchorBottom;

struct Placement {
  Control* control;
  Rect place;
  int ancres = kAnchorLeft | kAnchorTop;
};

void Placer(std::initializer_list<Placement> placements, Control* container = nullptr) {
  for (const Placement& p : placements) {
    p.control->Place = p.place;
    p.control->Anchors = p.ancres;
    p.control->Container = container;
  }
}

}  // namespace

void FormPassage::Disposer() {
  Resizable = true;
  MinimumWidth = 13500;  // the settings' width; the legs scroll
  MinimumHeight = 6000;
  auto& l = LblReglage;
  auto& t = TxtReglage;
  const auto r = [](Reglage x) { return static_cast<std::int16_t>(x); };
  Placer({{&LblEllipsoide, {120, 120, 1000, 315}},
          {&CboEllipsoide, {1120, 120, 2400, 315}},
          {&FraUnite, {3700, 105, 1900, 345}},
          {&l[r(Reglage::Vitesse)], {5800, 120, 1400, 315}},
          {&t[r(Reglage::Vitesse)], {7200, 120, 900, 315}},
          {&l[r(Reglage::Depart)], {8300, 120, 800, 315}},
          {&t[r(Reglage::Depart)], {9100, 120, 2200, 315}},
          {&l[r(Reglage::Intervalle)], {120, 570, 1800, 315}},
          {&t[r(Reglage::Intervalle)], {1920, 570, 1000, 315}},
          {&l[r(Reglage::Meridiens)], {3100, 570, 1900, 315}},
          {&t[r(Reglage::Meridiens)], {5000, 570, 700, 315}},
          {&l[r(Reglage::LatitudeMax)], {5900, 570, 1500, 315}},
          {&t[r(Reglage::LatitudeMax)], {7400, 570, 1300, 315}},
          {&FraHeures, {8900, 555, 4400, 345}},
          {&LblPoints, {120, 1050, 3000, 255}},
          {&TblPoints, {120, 1320, 4700, 6300}, kAnchorLeft | kAnchorTop | kAnchorBottom},
          {&LblEtapes, {4980, 1050, 3000, 255}},
          {&TblEtapes, {4980, 1320, 15300, 6300}, kTout},
          {&TxtBilan, {120, 7740, 20160, 315}, kAnchorLeft | kAnchorRight | kAnchorBottom}});
  Placer({{&OptUnite[0], {0, 30, 1000, 285}}, {&OptUnite[1], {1050, 30, 800, 285}}}, &FraUnite);
  Placer({{&OptHeures[0], {0, 30, 1500, 285}}, {&OptHeures[1], {1600, 30, 2600, 285}}}, &FraHeures);
  FraUnite.Bordered = FraHeures.Bordered = false;
  LblEllipsoide.Middle = true;
  for (Label& e : LblReglage) e.Middle = true;
  CboEllipsoide.Editable = false;
  for (TextBox& b : TxtReglage) b.CommaIsPoint = true;
  TxtBilan.ReadOnly = true;

  TblPoints.Columns = {{"", 1350, true}, {"", 1450, true}, {"", 1550, true}};
  TblEtapes.Columns = {{"", 1700},
                       {"", 1700},
                       {"", 1400},
                       {"", 1500},
                       {"", 1250, false, true},
                       {"", 950, false, true},
                       {"", 1350, false, true},
                       {"", 1700, false, true},
                       {"", 800, false, true},
                       {"", 800, false, true},
                       {"", 1500}};

  const struct {
    MenuItem* item;
    std::string_view touches;
  } raccourcis[] = {
      {&MOuvrir, "Ctrl+O"},
      {&MEnregistrer, "Ctrl+S"},
      {&MEnregistrerSous, "Ctrl+Shift+S"},
      {&MExporterKml, "Ctrl+E"},
      {&MCopierEtapes, "Ctrl+Shift+C"},
      {&MFermer, "Ctrl+W"},
      {&MAnnuler, "Ctrl+Z"},
      {&MRetablir, "Ctrl+Shift+Z"},
      {&MColler, "Ctrl+V"},
      {&MInserer, "Ins"},
      {&MSupprimer, "Del"},
      {&MMonter, "Alt+Up"},
      {&MDescendre, "Alt+Down"},
      {&MInverser, "Ctrl+R"},
  };
  for (const auto& k : raccourcis) k.item->Shortcut = k.touches;
  MAnnuler.TakesKeysFirst = MRetablir.TakesKeysFirst = true;

  // Tab order: the settings as they read, row by row, then the tables and the summary.
  const std::initializer_list<Control*> ordre{&CboEllipsoide,
                                              &OptUnite[0],
                                              &OptUnite[1],
                                              &t[r(Reglage::Vitesse)],
                                              &t[r(Reglage::Depart)],
                                              &t[r(Reglage::Intervalle)],
                                              &t[r(Reglage::Meridiens)],
                                              &t[r(Reglage::LatitudeMax)],
                                              &OptHeures[0],
                                              &OptHeures[1],
                                              &TblPoints,
                                              &TblEtapes,
                                              &TxtBilan};
  int index = 0;
  for (Control* c : ordre) {
    c->TabStop = true;
    c->TabIndex = index++;
  }
}

}  // namespace orbalide
