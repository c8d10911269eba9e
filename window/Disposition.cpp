// The window as designed: containers, places (twips), captions, fonts, colours, flags.
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "FormFormules.hpp"

namespace orbalide {
namespace {

constexpr Rgb kBleu{0, 0, 192}, kMarine{0, 0, 128}, kRougeFonce{192, 0, 0};
constexpr Rgb kRouge{255, 0, 0}, kVert{0, 128, 0}, kJauneClair{255, 255, 192};
constexpr Rgb kClair3D{227, 227, 227};  // the system's light 3-D colour
constexpr Font kArial11{"Arial", 11.25}, kArial8{"Arial", 8.25};
constexpr Font kSansSerif13{"MS Sans Serif", 13.5}, kSerif6{"MS Serif", 6};

struct Placement {
  Control* control;
  Rect place;
};

void Placer(std::initializer_list<Placement> placements, Control* container = nullptr) {
  for (const Placement& p : placements) {
    p.control->Place = p.place;
    p.control->Container = container;
  }
}

void Police(std::initializer_list<Control*> controls, const Font& font) {
  for (Control* c : controls) c->TextFont = font;
}

// Read-only result boxes: no tab stop.
void Sortie(TextBox& box) {
  box.ReadOnly = true;
  box.TabStop = false;
}

}  // namespace

void FormFormules::Disposer() {
  Caption = "Orbalide";
  Icon = kIcone;
  Placement();
  DisposerEmplacements();
  // The inverse panel, when shown, covers everything placed directly on the window.
  for (Control* c : Controls()) {
    if (c->Container == nullptr && c != &Frame4 && c->GetKind() != Kind::MenuItem)
      c->CoveredBy = &Frame4;
  }
  Habillage();
  Comportements();
  OrdreDeTabulation();
}

// The design's places, in twips, for everything but the positions' own boxes.
void FormFormules::Placement() {
  Placer({{&Label6, {570, 90, 1545, 255}},        {&Combo3, {1710, 60, 2115, 315}},
          {&Image2[0], {4140, 120, 360, 180}},    {&Image2[1], {4140, 120, 360, 180}},
          {&Label12, {4590, 90, 1005, 195}},      {&Frame2, {555, 435, 2625, 1110}},
          {&Frame3, {555, 2400, 2625, 1110}},     {&Command11[0], {150, 540, 405, 435}},
          {&Text4[0], {60, 990, 495, 285}},       {&INS[0], {60, 1290, 495, 225}},
          {&Command11[1], {150, 2490, 405, 435}}, {&Text4[3], {60, 2940, 495, 285}},
          {&INS[1], {60, 3240, 495, 225}},        {&Label1, {3390, 435, 1215, 255}},
          {&Label11[0], {4740, 435, 255, 255}},   {&Label11[7], {5910, 435, 255, 255}},
          {&Text1[0], {3390, 645, 765, 375}},     {&Text1[1], {4200, 645, 765, 375}},
          {&Text1[2], {5010, 645, 1185, 375}},    {&Label2, {3390, 1095, 1215, 255}},
          {&Text2, {3390, 1365, 1215, 285}},      {&Frame1, {4830, 1275, 855, 525}},
          {&Command2, {540, 1650, 2655, 600}},    {&Label4, {3390, 1950, 1215, 255}},
          {&Label11[1], {4710, 1950, 255, 255}},  {&Label11[8], {5940, 1950, 255, 255}},
          {&FB[0], {3390, 2160, 765, 375}},       {&FB[1], {4200, 2160, 765, 375}},
          {&FB[2], {5010, 2160, 1185, 375}},      {&Label5, {3390, 2700, 1215, 255}},
          {&Label11[2], {4710, 2700, 255, 255}},  {&Label11[9], {5940, 2700, 255, 255}},
          {&FB[3], {3390, 2910, 765, 375}},       {&FB[4], {4200, 2910, 765, 375}},
          {&FB[5], {5010, 2910, 1185, 375}},      {&Command3, {3390, 3390, 1095, 435}},
          {&Command5, {3390, 3870, 1095, 435}},   {&Command1, {4920, 3390, 1335, 915}},
          {&Command8, {600, 3660, 1425, 645}},    {&Image1, {2700, 3750, 480, 480}},
          {&Frame4, {7440, 60, 7245, 4425}}});
  Placer({{&Option1[0], {0, -30, 800, 255}}, {&Option1[1], {0, 210, 615, 255}}}, &Frame1);
  Placer({{&Frame5, {480, 150, 2625, 1110}},     {&Frame6, {480, 1290, 2625, 1110}},
          {&Command11[2], {60, 270, 405, 435}},  {&Text4[1], {0, 720, 465, 285}},
          {&INS[2], {0, 1020, 465, 225}},        {&Command11[3], {60, 1410, 405, 435}},
          {&Text4[2], {0, 1860, 465, 285}},      {&INS[3], {0, 2160, 465, 225}},
          {&Command9, {3120, 1080, 975, 375}},   {&Label7, {3300, 360, 1215, 255}},
          {&Label11[3], {4620, 360, 255, 255}},  {&Label11[6], {5850, 360, 255, 255}},
          {&Text1[5], {3300, 570, 765, 375}},    {&Text1[4], {4110, 570, 765, 375}},
          {&Text1[3], {4920, 570, 1185, 375}},   {&Label8, {3330, 1590, 1335, 255}},
          {&Label11[4], {4650, 1590, 255, 255}}, {&Label11[5], {5880, 1590, 255, 255}},
          {&Text1[8], {3330, 1800, 765, 375}},   {&Text1[7], {4140, 1800, 765, 375}},
          {&Text1[6], {4950, 1800, 1185, 375}},  {&Label9, {3330, 2490, 1215, 255}},
          {&Text3, {3330, 2760, 1575, 285}},     {&Label10, {5070, 2790, 1185, 225}},
          {&Command4, {540, 2460, 2535, 735}},   {&Command7, {330, 3630, 1425, 615}},
          {&Command6, {2040, 3630, 1085, 615}},  {&Command10, {4200, 3330, 1335, 915}}},
         &Frame4);

  Combo3.Editable = false;
  Image2[0].Content = kDrapeauFrancais;
  Image2[1].Content = kDrapeauBritannique;
  Image1.Content = kIcone;
  for (CommandButton& b : Command11) b.Image = kExport;
  Frame1.Bordered = Frame4.Bordered = false;
  Frame4.Visible = false;
  INS[1].Visible = false;
  MExporter.Visible = false;
  Mcent.Checked = true;
}

// Every position frame holds the six boxes and the two hemisphere controls at the same places,
// in blue for a departure, in dark red for an arrival, the hemispheres in navy or dark red; a
// departure starts with the design's position, north and east.
void FormFormules::DisposerEmplacements() {
  const char* const depart[] = {"49", "00", "23.260", "006", "09", "41.280"};
  for (std::int16_t k = 0; k < 4; ++k) {
    const Emplacement& e = Emplacements(k);
    const int minutes = k == 1 ? 585 : 345, secondes = k == 0 ? 960 : 915;
    Placer({{&LatD[k], {120, 330, 420, 315}},
            {&LATM[k], {570, 330, minutes, 315}},
            {&LATS[k], {975, 330, secondes, 315}},
            {&LOnD[k], {120, 705, 420, 315}},
            {&LonM[k], {570, 705, minutes, 315}},
            {&LonS[k], {975, 705, secondes, 315}}},
           e.Cadre);
    for (std::size_t i = 0; i < kComposantes.size(); ++i) {
      TextBox& boite = Boite(kComposantes[i], k);
      boite.ForeColor = k % 2 == 0 ? kBleu : kRougeFonce;
      boite.Centered = true;
      if (k != 1) boite.SetText(depart[i]);
    }
    for (const Axe axe : kAxes) {
      const bool latitude = axe == Axe::Latitude;
      Control& hemisphere = e.Hemisphere(axe);
      hemisphere.Container = e.Cadre;
      hemisphere.Place = e.Liste(axe)
                             ? Rect{1920, latitude ? 330 : 690, 600, 315}
                             : Rect{latitude ? 2010 : 2025, latitude ? 330 : 705, 270, 270};
      hemisphere.ForeColor = k % 2 == 0 ? kMarine : kRougeFonce;
      if (ComboBox* liste = e.Liste(axe)) liste->SetText({&LettresHemisphere(axe)[0], 1});
    }
  }
}

// Fonts and colours.
void FormFormules::Habillage() {
  for (TextBox& t : Text1) t.TextFont = kArial11;
  for (TextBox& t : FB) t.TextFont = kArial11;
  Police({&Command2, &Command4, &Command7, &Command8}, kSansSerif13);
  Command9.TextFont = kArial8;
  for (TextBox& t : INS) {
    t.TextFont = kSerif6;
    t.BackColor = kClair3D;
  }
  for (TextBox& t : Text4) t.BackColor = kJauneClair;
  for (std::int16_t i = 0; i < 3; ++i) {
    FB[i].ForeColor = kRouge;
    FB[static_cast<std::int16_t>(i + 3)].ForeColor = kVert;
    Text1[static_cast<std::int16_t>(i + 3)].ForeColor = kMarine;
    Text1[static_cast<std::int16_t>(i + 6)].ForeColor = kRougeFonce;
  }
  for (TextBox& t : Text1) t.Centered = true;
  for (TextBox& t : FB) t.Centered = true;
  for (TextBox& t : Text4) t.Centered = true;
}

// The design's texts of the inputs; outputs read-only without a tab stop, but for those of the
// inverse panel, which the keyboard and screen readers reach after the design's stops; a comma
// typed in a number is a decimal point; Return computes in either panel. The flags, the globe and
// the inverse panel's unit are buttons for the keyboard and for screen readers; Alt+P opens the
// menu in either language.
void FormFormules::Comportements() {
  Text1[0].SetText("60");
  Text1[1].SetText("00");
  Text1[2].SetText("000");
  Text2.SetText("0");
  Option1[1].SetValue(true);
  Command2.Enabled = false;
  for (Composante c : kComposantes) Sortie(Boite(c, 1));
  for (TextBox& t : FB) Sortie(t);
  for (TextBox* resultat : ResultatsInverses()) {
    Sortie(*resultat);
    resultat->TabStop = true;
  }
  for (std::int16_t k = 0; k < 4; ++k) {
    for (Composante c : kComposantes) Boite(c, k).CommaIsPoint = true;
  }
  for (std::int16_t i = 0; i < 3; ++i) Text1[i].CommaIsPoint = true;
  Text2.CommaIsPoint = true;
  Command2.Default = Command4.Default = true;
  for (Control* bouton :
       std::initializer_list<Control*>{&Image2[0], &Image2[1], &Image1, &Label10}) {
    bouton->AccessibleRole = Role::Button;
    bouton->TabStop = true;
  }
  MPrec.AccessKey = 'P';
  MPassage.AccessKey = 'A';
  MPlanifier.Shortcut = "Ctrl+P";
}

// Each panel's entry order, then its other controls, the flags and the globe last in the direct
// panel, the results and their unit last in the inverse one; then what takes no tab.
void FormFormules::OrdreDeTabulation() {
  std::vector<Control*> ordre{&Command1, &LatD[0], &LATM[0],    &LATS[0],   &LOnD[0],
                              &LonM[0],  &LonS[0], &Command2,   &Text1[0],  &Text1[1],
                              &Text1[2], &Text2,   &Option1[0], &Option1[1]};
  for (const Axe axe : kAxes) ordre.push_back(Emplacements(0).Liste(axe));
  for (Control* c : std::initializer_list<Control*>{&Text4[0], &INS[0], &Command11[0], &Text4[3],
                                                    &Command11[1], &Command3, &Command5, &Command8,
                                                    &Combo3, &Image2[0], &Image2[1], &Image1})
    ordre.push_back(c);
  for (const std::int16_t k : {std::int16_t{2}, std::int16_t{3}}) {
    for (std::size_t i = 0; i < kComposantes.size(); ++i) {
      ordre.push_back(&Boite(kComposantes[i], k));
      if (i % 3 == 2) ordre.push_back(Emplacements(k).Liste(kAxes[i / 3]));
    }
  }
  for (Control* c :
       std::initializer_list<Control*>{&Command4, &Command9, &Command7, &Command6, &Command10})
    ordre.push_back(c);
  for (const std::int16_t k : {std::int16_t{2}, std::int16_t{3}}) {
    for (Control* c : std::initializer_list<Control*>{Emplacements(k).Nom, &INS[k], &Command11[k]})
      ordre.push_back(c);
  }
  for (TextBox* resultat : ResultatsInverses()) ordre.push_back(resultat);
  ordre.push_back(&Label10);
  for (Control* c : Controls()) {
    if (std::find(ordre.begin(), ordre.end(), c) == ordre.end()) ordre.push_back(c);
  }
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i]->TabIndex = static_cast<int>(i);
}

}  // namespace orbalide
