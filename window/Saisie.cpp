// Entry rules: the automatic advance, selection on focus, the course and distance checks, the
// paste boxes.
#include "Angles.hpp"
#include "FormFormules.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Texte.hpp"

namespace orbalide {
namespace {

constexpr double kRouteMaximale = 360;
constexpr int kSelectionDistance = 10;
constexpr int kSelectionRoute = 3;

// How a coordinate box of each kind behaves while typing. A length of 0 stands for the seconds'
// full length, which follows the precision: two digits, the point and the decimals.
struct Regle {
  FormFormules::Composante composante;
  int longueur;                       // full length: the focus moves on when it is reached
  bool tousEmplacements;              // false: only the direct departure advances
  FormFormules::Composante suivante;  // nullptr: the degrees of the initial course
  int selection;                      // characters selected on focus
};

constexpr Regle kRegles[] = {
    {&FormFormules::LatD, 2, true, &FormFormules::LATM, 3},
    {&FormFormules::LATM, 2, true, &FormFormules::LATS, 3},
    {&FormFormules::LATS, 0, true, &FormFormules::LOnD, 0},
    {&FormFormules::LOnD, 3, false, &FormFormules::LonM, 3},
    {&FormFormules::LonM, 2, false, &FormFormules::LonS, 3},
    {&FormFormules::LonS, 0, false, nullptr, 0},
};

const Regle& RegleDe(FormFormules::Composante composante) {
  for (const Regle& r : kRegles) {
    if (r.composante == composante) return r;
  }
  return kRegles[0];
}

}  // namespace

void FormFormules::AvanceAutomatique(Composante composante, std::int16_t index) {
  const Regle& r = RegleDe(composante);
  if (!r.tousEmplacements && index != 0) return;
  const int pleine = r.longueur == 0 ? LongueurSecondes(DecimalesSecondes) : r.longueur;
  if (Length(Boite(composante, index).Text()) != pleine) return;
  SetFocus(r.suivante == nullptr ? Text1[0] : Boite(r.suivante, index));
}

void FormFormules::SelectionnerDebut(Composante composante, std::int16_t index) {
  const Regle& r = RegleDe(composante);
  Boite(composante, index)
      .SetSelection(0, r.selection == 0 ? LongueurSecondes(DecimalesSecondes) : r.selection);
}

void FormFormules::LatD_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LatD, Index);
}
void FormFormules::LATM_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LATM, Index);
}
void FormFormules::LATS_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LATS, Index);
}
void FormFormules::LOnD_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LOnD, Index);
}
void FormFormules::LonM_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LonM, Index);
}
void FormFormules::LonS_Change(std::int16_t Index) {
  AvanceAutomatique(&FormFormules::LonS, Index);
}

void FormFormules::LatD_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LatD, Index);
}
void FormFormules::LATM_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LATM, Index);
}
void FormFormules::LATS_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LATS, Index);
}
void FormFormules::LOnD_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LOnD, Index);
}
void FormFormules::LonM_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LonM, Index);
}
void FormFormules::LonS_GotFocus(std::int16_t Index) {
  SelectionnerDebut(&FormFormules::LonS, Index);
}

// A course above 360 is refused; so is a number beyond the range of a double.
void FormFormules::Text1_Change(std::int16_t Index) {
  if (Index != 0) return;
  bool refusee = true;
  try {
    refusee = LireNombre(Text1[0].Text()) > kRouteMaximale;
  } catch (const ErreurArithmetique&) {
  }
  if (refusee) Text1[0].SetText("");
}

// The course degrees select their first three characters; the other course boxes their text.
void FormFormules::Text1_GotFocus(std::int16_t Index) {
  if (Index == 0) {
    Text1[0].SetSelection(0, kSelectionRoute);
  } else {
    Text1[Index].SetSelection(0, Length(Text1[Index].Text()));
  }
}

void FormFormules::Text2_Change() {
  bool positive = false;
  try {
    positive = LireNombre(Text2.Text()) > 0;
  } catch (const ErreurArithmetique&) {
  }
  Command2.Enabled = positive;
}

void FormFormules::Text2_GotFocus() {
  Text2.SetSelection(0, kSelectionDistance);
}

void FormFormules::INS_MouseDown(std::int16_t Index, int /*Button*/, int Shift) {
  if (Shift == kShift) LireCollage(Index);
}

void FormFormules::LireCollage(std::int16_t Index) {
  Coller(Index);
  platform_.Beep();
}

// A whole position on one line: a name, a space, then N49°00'23.26 E006°09'41.28. The separators
// are never looked at, so any single character serves. The numbers are the user's text, as if
// typed. Without a space there is no layout to read and nothing is written.
void FormFormules::Coller(std::int16_t index) {
  const std::string s = Trim(INS[index].Text());
  const int espace = Find(s, ' ');
  if (espace == 0) return;
  const std::string nom = Trim(Left(s, espace - 1));
  const std::string latitude = Trim(Mid(s, espace, 13));
  const std::string longitude = Trim(Mid(s, espace + 13));

  LatD[index].SetTypedText(Mid(latitude, 2, 2));
  LATM[index].SetTypedText(Mid(latitude, 5, 2));
  LATS[index].SetTypedText(Mid(latitude, 8, 6));
  LOnD[index].SetTypedText(Mid(longitude, 2, 3));
  LonM[index].SetTypedText(Mid(longitude, 6, 2));
  LonS[index].SetTypedText(Mid(longitude, 9));

  const Emplacement& e = Emplacements(index);
  if (e.Liste(Axe::Latitude) == nullptr) return;
  e.Nom->SetText(nom);
  // Any letter but the upper-case positive one means the negative hemisphere.
  const std::string parties[] = {latitude, longitude};
  for (const Axe axe : kAxes) {
    const std::string& partie = parties[static_cast<std::size_t>(axe)];
    const bool positive = Left(partie, 1) == std::string(1, LettresHemisphere(axe)[0]);
    e.Liste(axe)->SetListIndex(positive ? kHemispherePositif : kHemisphereNegatif);
  }
}

void FormFormules::INS_DblClick(std::int16_t Index) {
  INS[Index].SetText("");
}

}  // namespace orbalide
