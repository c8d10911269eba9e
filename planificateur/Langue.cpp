// The planner's captions, menus, column headers and names for screen readers in French or in
// English, as the main window's flag chooses; the seconds as precise as the main window's.
#include "FormPassage.hpp"
#include "TextesPassage.hpp"

namespace orbalide {

namespace t = textes::passage;

void FormPassage::Traduire(bool anglais) {
  affichage_.Anglais = anglais;
  const struct {
    Control* control;
    const Mots& texte;
  } legendes[] = {
      {&MFichier, t::Fichier},         {&MOuvrir, t::Ouvrir},
      {&MEnregistrer, t::Enregistrer}, {&MEnregistrerSous, t::EnregistrerSous},
      {&MExporterKml, t::ExporterKml}, {&MCopierEtapes, t::CopierEtapes},
      {&MFermer, t::Fermer},           {&MEdition, t::Edition},
      {&MAnnuler, t::Annuler},         {&MRetablir, t::Retablir},
      {&MColler, t::Coller},           {&MInserer, t::Inserer},
      {&MSupprimer, t::Supprimer},     {&MMonter, t::Monter},
      {&MDescendre, t::Descendre},     {&MInverser, t::Inverser},
      {&LblEllipsoide, t::Ellipsoide}, {&OptUnite[0], t::Metres},
      {&OptUnite[1], t::Milles},       {&OptHeures[0], t::Utc},
      {&OptHeures[1], t::Locale},      {&LblPoints, t::Points},
      {&LblEtapes, t::Etapes},
  };
  for (const auto& l : legendes) l.control->Caption = l.texte.En(anglais);
  MFichier.AccessKey = 'F';
  MEdition.AccessKey = anglais ? 'E' : 'd';  // "É" is no key of its own on most keyboards
  const struct {
    Control* control;
    const Mots& nom;
  } noms[] = {{&CboEllipsoide, t::Ellipsoide}, {&FraUnite, t::UniteDistance},
              {&FraHeures, t::Heures},         {&TblPoints, t::Points},
              {&TblEtapes, t::Etapes},         {&TxtBilan, t::Bilan}};
  for (const auto& n : noms) n.control->AccessibleName = n.nom.En(anglais);
  Entetes();
  MarquerReglages();
  AfficherPoints();
  AfficherEtapes();
  AfficherBilan();
  Titrer();
}

// The headers and labels that name the unit and the clock.
void FormPassage::Entetes() {
  const bool anglais = EnAnglais();
  const std::string unite = reglages_.Milles ? " (Nm)" : " (m)";
  for (std::size_t i = 0; i < kReglages; ++i) {
    const auto k = static_cast<std::int16_t>(i);
    LblReglage[k].Caption = t::Reglages[i].En(anglais) +
                            (i == static_cast<std::size_t>(Reglage::Intervalle) ? unite : "");
    TxtReglage[k].AccessibleName = LblReglage[k].Caption;
  }
  const Mots* points[] = {&t::Nom, &t::Latitude, &t::Longitude};
  for (std::size_t i = 0; i < 3; ++i) TblPoints.Columns[i].Header = points[i]->En(anglais);
  TblPoints.RowsHeader = t::PointNumero.En(anglais);
  TblEtapes.RowsHeader = t::Etape.En(anglais);
  const Mots* etapes[] = {&t::De,    &t::A,        &t::Latitude,   &t::Longitude,
                          &t::Route, &t::Distance, &t::RouteOrtho, &t::DistanceOrtho,
                          &t::Temps, &t::Ecoule,   &t::EtaUtc};
  for (std::size_t i = 0; i < std::size(etapes); ++i) {
    std::string entete = etapes[i]->En(anglais);
    if (etapes[i] == &t::Distance || etapes[i] == &t::DistanceOrtho) entete += unite;
    if (etapes[i] == &t::EtaUtc && reglages_.HeureLocale) entete = t::EtaLocale.En(anglais);
    TblEtapes.Columns[i].Header = entete;
  }
}

void FormPassage::Precision(std::int16_t decimales) {
  affichage_.Decimales = decimales;
  AfficherPoints();
  AfficherEtapes();
  AfficherBilan();
}

}  // namespace orbalide
