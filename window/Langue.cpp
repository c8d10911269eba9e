// The window's captions and tooltips in French and in English, and the names that screen
// readers say. The visible flag is the language the user can switch to: the British flag shows
// while the window speaks French.
#include "FormFormules.hpp"
#include "Libelles.hpp"

namespace orbalide {
namespace {

std::string Nomme(const Mots& chose, const Mots& lieu, bool anglais) {
  return chose.En(anglais) + " — " + lieu.En(anglais);
}

}  // namespace

void FormFormules::NommerPourLecteurs(bool anglais) {
  for (std::int16_t k = 0; k < 4; ++k) {
    const Mots& role = textes::Roles[k];
    for (std::size_t i = 0; i < kComposantes.size(); ++i)
      Boite(kComposantes[i], k).AccessibleName = Nomme(textes::Composantes[i], role, anglais);
    const Emplacement& e = Emplacements(k);
    for (const Axe axe : kAxes) {
      e.Hemisphere(axe).AccessibleName =
          Nomme(textes::Hemispheres[static_cast<std::size_t>(axe)], role, anglais);
    }
    e.Nom->AccessibleName = Nomme(textes::NomDuPoint, role, anglais);
    INS[k].AccessibleName = Nomme(textes::Collage, role, anglais);
    INS[k].ActionName = textes::LirePosition.En(anglais);
    Command11[k].AccessibleName = Nomme(textes::ExporterKml, role, anglais);
  }
  const struct {
    std::array<TextBox*, 3> boites;  // degrees, minutes, seconds
    Mots route;
  } routes[] = {{{&Text1[0], &Text1[1], &Text1[2]}, textes::CapInitial},
                {{&FB[0], &FB[1], &FB[2]}, textes::CapArrivee},
                {{&FB[3], &FB[4], &FB[5]}, textes::CapRetour},
                {{&Text1[5], &Text1[4], &Text1[3]}, textes::CapInitial},
                {{&Text1[8], &Text1[7], &Text1[6]}, textes::CapArrivee}};
  for (const auto& r : routes) {
    for (std::size_t i = 0; i < 3; ++i)
      r.boites[i]->AccessibleName = r.route.En(anglais) + ", " + textes::Unites[i].En(anglais);
  }
  const struct {
    Control* control;
    Mots nom;
  } autres[] = {{&Text2, textes::Distance},          {&Text3, textes::DistanceCalculee},
                {&Combo3, textes::ListeEllipsoides}, {&Image1, textes::Apropos},
                {&Image2[0], textes::Francais},      {&Image2[1], textes::Anglais},
                {&Frame1, textes::UniteDistance}};
  for (const auto& a : autres) a.control->AccessibleName = a.nom.En(anglais);
  NommerBascule(anglais);
}

void FormFormules::Traduire(bool anglais) {
  struct Legende {
    Control* control;
    const Mots& texte;
    bool bulle = false;  // the tooltip rather than the caption
  };
  const Legende table[] = {
      {&Label6, textes::Ellipsoide},
      {&Label12, textes::Langage},
      {&Label1, textes::RouteInitiale},
      {&Label7, textes::RouteInitiale},
      {&Label8, textes::RouteArrivee},
      {&Label4, textes::RouteArrivee},
      {&Label5, textes::RouteRetour},
      {&Label2, textes::Distance},
      {&Label9, textes::Distance},
      {&Option1[0], textes::Metres},
      {&Option1[1], textes::Milles},
      {&Frame2, textes::Depart},
      {&Frame3, textes::Arrivee},
      {&Frame5, textes::Depart},
      {&Frame6, textes::Arrivee},
      {&Command2, textes::Calculer},
      {&Command4, textes::Calculer},
      {&Command8, textes::Inverse},
      {&Command8, textes::InverseBulle, true},
      {&Command3, textes::Monter},
      {&Command3, textes::MonterBulle, true},
      {&Command9, textes::Inverser},
      {&Command5, textes::Raz},
      {&Command6, textes::Raz},
      {&Command1, textes::Quitter},
      {&Command10, textes::Quitter},
      {&Command7, textes::Directe},
      {&Command7, textes::DirecteBulle, true},
      {&Image1, textes::AproposBulle, true},
      {&Label10, textes::UniteBulle, true},
      {&MPrec, textes::Precision},
      {&Mmille, textes::Milliemes},
      {&Mcent, textes::Centiemes},
      {&Mmaxi, textes::Maximale},
      {&MExporter, textes::Exporter},
      {&MPosition, textes::ExporterPosition},
      {&MRoute, textes::ExporterRoute},
      {&MPassage, textes::Passage},
      {&MPlanifier, textes::Planifier},
  };
  for (const Legende& l : table)
    (l.bulle ? l.control->ToolTipText : l.control->Caption) = l.texte.En(anglais);
  for (CommandButton& b : Command11) b.ToolTipText = textes::ExportBulle.En(anglais);
  for (std::int16_t i = 0; i < Label11.Size(); ++i)
    Label11[i].Caption = (i < 5 ? textes::Minutes : textes::Secondes).En(anglais);
  NommerPourLecteurs(anglais);
  if (sansResultat_) ExpliquerSansResultat(anglais);
  apropos_.EcrireTextes(*this, anglais);
  planificateur_.Traduire(anglais);
}

// The tooltip of the inverse distance, when the last computation has no result, says why.
void FormFormules::ExpliquerSansResultat(bool anglais) {
  if (sansResultat_) Text3.ToolTipText = TexteSansResultat(*sansResultat_, anglais);
}

void FormFormules::TraduireFrancais() {
  Traduire(false);
}

void FormFormules::TraduireAnglais() {
  Traduire(true);
}

// A flag pressed from the keyboard leaves the focus at its place, on the other flag.
void FormFormules::Image2_Click(std::int16_t Index) {
  const auto autre = static_cast<std::int16_t>(1 - Index);
  if (Index == 0) {
    TraduireFrancais();
    Image2[1].Visible = true;
  } else {
    TraduireAnglais();
    Image2[0].Visible = true;
  }
  if (Focus() == &Image2[Index]) SetFocus(Image2[autre]);
  Image2[Index].Visible = false;
}

void FormFormules::Image1_Click() {
  apropos_.Afficher(*this, EnAnglais());
}

}  // namespace orbalide
