// The passage's files: a GPX route or a file of waypoints opened, the passage saved as a GPX
// route and exported as KML for the desktop's viewer, its legs copied for a spreadsheet; the
// window closed, asking first when changes are unsaved. Files are written whole.
#include "Escales.hpp"
#include "FormPassage.hpp"
#include "Itineraire.hpp"
#include "Kml.hpp"
#include "LectureGpx.hpp"
#include "Reel.hpp"
#include "Texte.hpp"
#include "TextesPassage.hpp"

namespace orbalide {
namespace {

namespace t = textes::passage;

constexpr std::string_view kExtensionGpx = ".gpx", kFichierKml = "Passage.kml";

// The file's name in a path.
std::string_view NomDeFichier(std::string_view chemin) {
  return chemin.substr(chemin.find_last_of('/') + 1);
}

// A path with the extension .gpx in place of its own.
std::string EnGpx(std::string chemin) {
  const auto point = chemin.find_last_of('.');
  if (point != std::string::npos && point > chemin.find_last_of('/') + 1) chemin.resize(point);
  return chemin + std::string(kExtensionGpx);
}

}  // namespace

std::vector<FileFilter> FormPassage::Filtres(bool ouvrir) const {
  const bool anglais = EnAnglais();
  std::vector<FileFilter> filtres{{t::FiltreGpx.En(anglais), {"*.gpx"}}};
  if (ouvrir) filtres.push_back({t::FiltrePoints.En(anglais), {"*.txt", "*.csv"}});
  filtres.push_back({t::FiltreTous.En(anglais), {"*"}});
  return filtres;
}

void FormPassage::Avertir(const std::string& texte) {
  platform_.Warn(*this, texte);
}

void FormPassage::MOuvrir_Click() {
  if (!PeutFermer()) return;
  const auto chemin = platform_.ChooseFile(*this, FileDialog::Open, t::OuvrirTitre.En(EnAnglais()),
                                           Filtres(true), source_);
  if (chemin) OuvrirFichier(*chemin);
}

// A GPX file (its first route, or its waypoints) or a file of waypoints, told apart by their
// contents; what cannot be read is said, and the passage stays as it was. The file opened is a
// new passage, with nothing to undo.
void FormPassage::OuvrirFichier(const std::string& chemin) {
  const bool anglais = EnAnglais();
  const std::string nom(NomDeFichier(chemin));
  std::string texte;
  if (const FileResult lu = platform_.ReadFile(chemin, texte); !lu)
    return Avertir(Fill(t::IllisibleFichier.En(anglais), {nom, lu.Failure}));
  bool notre = false;
  std::optional<std::vector<PointSaisi>> lignes =
      LignesDuTexte(texte, Fill(t::LeFichier.En(anglais), {nom}), &notre);
  if (!lignes) return;
  lignes_ = std::move(*lignes);
  pile_.Clear();
  source_ = chemin;
  fichier_ = notre ? chemin : "";
  TblPoints.SetCurrent(0, 0);
  Recalculer();
  Annoncer();
}

void FormPassage::MEnregistrer_Click() {
  Enregistrer(false);
}

void FormPassage::MEnregistrerSous_Click() {
  Enregistrer(true);
}

// The passage as a GPX route, into its GPX file or one the user chooses (always for a passage
// opened from another kind of file); true once written. A passage without a route is not saved.
bool FormPassage::Enregistrer(bool choisir) {
  const bool anglais = EnAnglais();
  const auto* p = std::get_if<Passage>(&resultat_);
  if (p == nullptr) {
    Avertir(Fill(t::SansRouteAEcrire.En(anglais), {TxtBilan.Text()}));
    return false;
  }
  std::string chemin = fichier_;
  if (choisir || chemin.empty()) {
    const std::string propose =
        source_.empty() ? Nom() + std::string(kExtensionGpx) : EnGpx(source_);
    const auto choisi = platform_.ChooseFile(
        *this, FileDialog::Save, t::EnregistrerTitre.En(anglais), Filtres(false), propose);
    if (!choisi) return false;
    chemin = *choisi;
  }
  if (const FileResult ecrit = platform_.WriteFile(chemin, TexteGpxPassage(*p, Nom())); !ecrit) {
    Avertir(Fill(t::NonEcrit.En(anglais), {NomDeFichier(chemin), ecrit.Failure}));
    return false;
  }
  fichier_ = source_ = chemin;
  pile_.SetClean();
  Titrer();
  return true;
}

// Written into the export folder, as the main window's KML files are, and handed to the
// desktop's viewer.
void FormPassage::MExporterKml_Click() {
  const bool anglais = EnAnglais();
  const auto* p = std::get_if<Passage>(&resultat_);
  if (p == nullptr) return Avertir(Fill(t::SansRouteAEcrire.En(anglais), {TxtBilan.Text()}));
  const auto dossier = DossierExport(platform_, kDossierExport);
  std::string kml;
  try {
    kml = TexteKmlPassage(*p, Nom(), t::LigneKml.En(anglais));
  } catch (const ErreurArithmetique&) {
  }
  const std::string chemin = dossier
                                 ? *dossier + platform_.PathSeparator() + std::string(kFichierKml)
                                 : std::string(kFichierKml);
  const FileResult ecrit = dossier && !kml.empty() ? platform_.WriteFile(chemin, kml)
                                                   : FileResult{t::DossierAbsent.En(anglais)};
  if (!ecrit) return Avertir(Fill(t::NonEcrit.En(anglais), {chemin, ecrit.Failure}));
  platform_.Open(chemin);
}

// The legs as the table shows them, in a spreadsheet's CSV: with semicolons where the decimal
// separator is a comma.
void FormPassage::MCopierEtapes_Click() {
  platform_.SetClipboardText(TexteCsv(TblEtapes, separateur_ == "," ? ';' : ','));
}

// Unsaved changes are saved, given up, or kept with the window open, as the user answers.
bool FormPassage::PeutFermer() {
  if (!Modifie()) return true;
  const bool anglais = EnAnglais();
  switch (platform_.Ask(*this, {t::Question.En(anglais), t::Enregistrer.En(anglais),
                                t::NePasEnregistrer.En(anglais), t::Abandon.En(anglais)})) {
    case Answer::Yes:
      return Enregistrer(false);
    case Answer::No:
      return true;
    case Answer::Cancel:
      break;
  }
  return false;
}

void FormPassage::MFermer_Click() {
  Form_Unload();
}

void FormPassage::Form_Unload() {
  if (!PeutFermer()) return;
  platform_.Unload(*this);
  if (Fermer) Fermer();
}

}  // namespace orbalide
