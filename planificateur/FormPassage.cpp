#include "FormPassage.hpp"

#include "Kml.hpp"
#include "TextesPassage.hpp"

namespace orbalide {

// The window's client area is 20400 × 8200 twips; the user may make it larger.
FormPassage::FormPassage(Platform& platform, const Affichage& affichage, std::int16_t ellipsoide)
    : Form("FormPassage", 20400, 8200), platform_(platform), affichage_(affichage) {
  reglages_.Ellipsoide = ellipsoide;
  Disposer();
  Relier();
}

void FormPassage::Relier() {
  TblPoints.Edit = [this](int row, int column, const std::string& text) {
    TblPoints_Edit(row, column, text);
  };
  TblPoints.ContextMenu = [this] { platform_.PopupMenu(*this, MEdition); };
  TblPoints.CurrentChange = [this] { Titrer(); };
  for (std::int16_t i = 0; i < TxtReglage.Size(); ++i)
    TxtReglage[i].Change = [this, i] { TxtReglage_Change(i); };
  for (std::int16_t i = 0; i < 2; ++i) {
    OptUnite[i].Click = [this, i] { OptUnite_Click(i); };
    OptHeures[i].Click = [this, i] { OptHeures_Click(i); };
  }
  // The waypoints' own commands act on the waypoints table alone: elsewhere their keys are the
  // control's (Delete in a box deletes a character).
  for (Control* c : Controls()) {
    if (c->GetKind() != Kind::MenuItem) c->GotFocus = [this] { Titrer(); };
  }
  const struct {
    Control* control;
    void (FormPassage::*handler)();
  } clicks[] = {
      {&CboEllipsoide, &FormPassage::CboEllipsoide_Click},
      {&MOuvrir, &FormPassage::MOuvrir_Click},
      {&MEnregistrer, &FormPassage::MEnregistrer_Click},
      {&MEnregistrerSous, &FormPassage::MEnregistrerSous_Click},
      {&MExporterKml, &FormPassage::MExporterKml_Click},
      {&MCopierEtapes, &FormPassage::MCopierEtapes_Click},
      {&MFermer, &FormPassage::MFermer_Click},
      {&MAnnuler, &FormPassage::MAnnuler_Click},
      {&MRetablir, &FormPassage::MRetablir_Click},
      {&MColler, &FormPassage::MColler_Click},
      {&MInserer, &FormPassage::MInserer_Click},
      {&MSupprimer, &FormPassage::MSupprimer_Click},
      {&MMonter, &FormPassage::MMonter_Click},
      {&MDescendre, &FormPassage::MDescendre_Click},
      {&MInverser, &FormPassage::MInverser_Click},
  };
  for (const auto& c : clicks) c.control->Click = [this, h = c.handler] { (this->*h)(); };
  Closing = [this] { Form_Unload(); };
}

void FormPassage::Form_Load() {
  separateur_ = platform_.DecimalSeparator();
  for (const EntreeCatalogue& e : Catalogue) CboEllipsoide.AddItem(e.Nom);
  AppliquerReglages(reglages_);
  Traduire(affichage_.Anglais);
  platform_.Show(*this);
  SetFocus(TblPoints);
}

// "passage.gpx — Planification de passage", with a "*" before it while changes are unsaved; the
// waypoints' commands enabled while the waypoints table has the focus.
void FormPassage::Titrer() {
  const bool anglais = EnAnglais();
  const std::string fichier = fichier_.empty() ? source_ : fichier_;
  const std::string nom = fichier.empty() ? textes::passage::SansTitre.En(anglais)
                                          : fichier.substr(fichier.find_last_of('/') + 1);
  Caption = (Modifie() ? "*" : "") + nom + " — " + textes::passage::Titre.En(anglais);
  const bool points = Focus() == &TblPoints;
  const int courant = TblPoints.CurrentRow();
  const int dernier = static_cast<int>(lignes_.size()) - 1;
  const bool ligne = points && courant >= 0 && courant <= dernier;  // not the empty last row
  MInserer.Enabled = points;
  MSupprimer.Enabled = ligne;
  MMonter.Enabled = ligne && courant > 0;
  MDescendre.Enabled = ligne && courant < dernier;
  MAnnuler.Enabled = pile_.CanUndo();
  MRetablir.Enabled = pile_.CanRedo();
}

// "Brest–Las Palmas", as the command line names a passage's files.
std::string FormPassage::Nom() const {
  const auto* p = std::get_if<Passage>(&resultat_);
  if (p == nullptr) return std::string(textes::passage::SansTitre.En(EnAnglais()));
  return p->Points.front().Nom + std::string(kTiretNom) + p->Points.back().Nom;
}

}  // namespace orbalide
