// The calculator's main window: its controls, its state and its handlers. The handlers are
// grouped by concern in Commandes.cpp (the two computations) and Annonces.cpp (what a screen
// reader hears of them), Saisie.cpp (entry rules),
// Precision.cpp (precision and units), Transferts.cpp (transfers and modes), Langue.cpp
// (captions and names for screen readers), Demarrage.cpp (start-up and shutdown) and Export.cpp
// (KML files); the controls' places, fonts and colours are in Disposition.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Angles.hpp"
#include "ControlArray.hpp"
#include "Controles.hpp"
#include "Ellipsoide.hpp"
#include "Planificateur.hpp"
#include "Plateforme.hpp"
#include "Route.hpp"
#include "SansResultat.hpp"
#include "Sexagesimal.hpp"
#include "Unites.hpp"
#include "apropos.hpp"

namespace orbalide {

// One of the four positions of the window: 0 direct departure, 1 direct arrival, 2 inverse
// departure, 3 inverse arrival. Its hemispheres, by axis, are lists or, for the direct arrival,
// labels that show the letters.
struct Emplacement {
  Frame* Cadre;
  std::array<ComboBox*, 2> Listes;
  std::array<Label*, 2> Lettres;
  TextBox* Nom;  // the name box of the slot, numbered differently from the slots

  ComboBox* Liste(Axe axe) const { return Listes[static_cast<std::size_t>(axe)]; }
  Label* Lettre(Axe axe) const { return Lettres[static_cast<std::size_t>(axe)]; }
  // The list or the label of the hemisphere.
  Control& Hemisphere(Axe axe) const {
    return Liste(axe) ? static_cast<Control&>(*Liste(axe)) : *Lettre(axe);
  }
};

inline constexpr std::array<Axe, 2> kAxes{Axe::Latitude, Axe::Longitude};

// The pictures of the flags and of the export buttons.
inline constexpr Picture kDrapeauFrancais = "drapeau-francais";
inline constexpr Picture kDrapeauBritannique = "drapeau-britannique";
inline constexpr Picture kExport = "export";

class FormFormules : public Form {
 public:
  FormFormules(Platform& platform, Apropos& apropos, Planificateur& planificateur);

  // Direct panel.
  Label Label6{*this, "Label6"};
  ComboBox Combo3{*this, "Combo3"};
  ControlArray<Image, 2> Image2{*this, "Image2"};
  Label Label12{*this, "Label12"};
  Frame Frame2{*this, "Frame2"};
  Frame Frame3{*this, "Frame3"};
  ControlArray<CommandButton, 4> Command11{*this, "Command11"};
  ControlArray<TextBox, 4> Text4{*this, "Text4"};
  ControlArray<TextBox, 4> INS{*this, "INS"};
  Label Label1{*this, "Label1"};
  ControlArray<Label, 10> Label11{*this, "Label11"};
  ControlArray<TextBox, 9> Text1{*this, "Text1"};
  Label Label2{*this, "Label2"};
  TextBox Text2{*this, "Text2"};
  Frame Frame1{*this, "Frame1"};
  ControlArray<OptionButton, 2> Option1{*this, "Option1"};
  CommandButton Command2{*this, "Command2"};
  Label Label4{*this, "Label4"};
  ControlArray<TextBox, 6> FB{*this, "FB"};
  Label Label5{*this, "Label5"};
  CommandButton Command3{*this, "Command3"};
  CommandButton Command5{*this, "Command5"};
  CommandButton Command1{*this, "Command1"};
  CommandButton Command8{*this, "Command8"};
  Image Image1{*this, "Image1"};

  // Inverse panel.
  Frame Frame4{*this, "Frame4"};
  Frame Frame5{*this, "Frame5"};
  Frame Frame6{*this, "Frame6"};
  CommandButton Command9{*this, "Command9"};
  Label Label7{*this, "Label7"};
  Label Label8{*this, "Label8"};
  Label Label9{*this, "Label9"};
  TextBox Text3{*this, "Text3"};
  Label Label10{*this, "Label10"};
  CommandButton Command4{*this, "Command4"};
  CommandButton Command7{*this, "Command7"};
  CommandButton Command6{*this, "Command6"};
  CommandButton Command10{*this, "Command10"};

  // The positions: coordinate boxes indexed by slot, hemisphere controls.
  ControlArray<TextBox, 4> LatD{*this, "LatD"};
  ControlArray<TextBox, 4> LATM{*this, "LATM"};
  ControlArray<TextBox, 4> LATS{*this, "LATS"};
  ControlArray<TextBox, 4> LOnD{*this, "LOnD"};
  ControlArray<TextBox, 4> LonM{*this, "LonM"};
  ControlArray<TextBox, 4> LonS{*this, "LonS"};
  ComboBox Combo1{*this, "Combo1"};
  ComboBox Combo2{*this, "Combo2"};
  ControlArray<Label, 2> Label3{*this, "Label3"};
  ComboBox Combo5{*this, "Combo5"};
  ComboBox Combo4{*this, "Combo4"};
  ComboBox Combo7{*this, "Combo7"};
  ComboBox Combo6{*this, "Combo6"};

  // Menu.
  MenuItem MPrec{*this, "MPrec"};
  MenuItem Mcent{*this, "Mcent", &MPrec};
  MenuItem Mmille{*this, "Mmille", &MPrec};
  MenuItem Mmaxi{*this, "Mmaxi", &MPrec};
  MenuItem MPassage{*this, "MPassage"};
  MenuItem MPlanifier{*this, "MPlanifier", &MPassage};
  // The export buttons' menu: kept out of the menu bar, popped up over the button.
  MenuItem MExporter{*this, "MExporter"};
  MenuItem MPosition{*this, "MPosition", &MExporter};
  MenuItem MRoute{*this, "MRoute", &MExporter};

  const Emplacement& Emplacements(std::int16_t slot) const {
    return emplacements_[static_cast<std::size_t>(slot)];
  }

  // State of the window.
  Ellipsoide EllipsoideCourant{0, 0, 0};  // empty until start-up selects the first entry
  std::int16_t DecimalesSecondes = 3;
  std::string FormatSecondes = ImageSecondes(DecimalesSecondes);
  double RouteSaisie = 0;
  // Each panel's last result, which the route export draws: the geodesic and the names of its
  // two positions then (empty: unnamed), which "Monter", "Inverser" or "Inverse" may move since.
  // Empty without a result.
  struct RouteCalculee {
    Trajet Geodesique;
    std::string Depart, Arrivee;
  };
  std::optional<RouteCalculee> RouteDirecte, RouteInverse;

  // Start-up and shutdown.
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void Command10_Click();
  void Combo3_Click();

  // Computations.
  void Command2_Click();
  void LireRouteInitiale();
  void Command4_Click();

  // Entry rules.
  void LatD_Change(std::int16_t Index);
  void LATM_Change(std::int16_t Index);
  void LATS_Change(std::int16_t Index);
  void LOnD_Change(std::int16_t Index);
  void LonM_Change(std::int16_t Index);
  void LonS_Change(std::int16_t Index);
  void LatD_GotFocus(std::int16_t Index);
  void LATM_GotFocus(std::int16_t Index);
  void LATS_GotFocus(std::int16_t Index);
  void LOnD_GotFocus(std::int16_t Index);
  void LonM_GotFocus(std::int16_t Index);
  void LonS_GotFocus(std::int16_t Index);
  void Text1_Change(std::int16_t Index);
  void Text1_GotFocus(std::int16_t Index);
  void Text2_Change();
  void Text2_GotFocus();
  void INS_MouseDown(std::int16_t Index, int Button, int Shift);
  void INS_DblClick(std::int16_t Index);
  // Reads the paste box's line into its position and beeps: a Shift-click, Shift+Return or a
  // screen reader's action.
  void LireCollage(std::int16_t Index);

  // Precision and units.
  void Mcent_Click();
  void Mmille_Click();
  void Mmaxi_Click();
  void AppliquerPrecision();
  void Label10_Click();
  void NommerUnite();
  void NommerBascule(bool anglais);

  // Transfers and modes.
  void Command3_Click();
  void Command5_Click();
  void RazDirecte();
  void CopierHemispheres(std::int16_t de, std::int16_t vers);
  void Command6_Click();
  void Command7_Click();
  void Command8_Click();
  void Command9_Click();

  // Language and the About window.
  void Image2_Click(std::int16_t Index);
  void TraduireFrancais();
  void TraduireAnglais();
  void Image1_Click();
  bool EnAnglais() const { return Image2[0].Visible; }

  // The passage planner: opened from the menu, or with a file.
  void MPlanifier_Click();
  void OuvrirPassage(const std::string& chemin);
  void OuvrirArguments(const std::vector<std::string>& arguments);

  // KML export.
  void Command11_Click(std::int16_t Index);
  void Command11_ContextMenu(std::int16_t Index);
  void MPosition_Click();
  void MRoute_Click();
  void ExporterRoute(bool inverse);
  std::optional<std::string> DossierExport();
  // The distance unit: the selected button of Option1.
  Unite UniteChoisie() const { return Option1[1].Value() ? Unite::Milles : Unite::Metres; }

  // One of the six coordinate arrays.
  using Composante = ControlArray<TextBox, 4> FormFormules::*;
  TextBox& Boite(Composante composante, std::int16_t slot) { return (this->*composante)[slot]; }

 private:
  // The inverse panel's results in reading order: the initial course, the arrival course, the
  // distance.
  std::array<TextBox*, 7> ResultatsInverses() {
    return {&Text1[5], &Text1[4], &Text1[3], &Text1[8], &Text1[7], &Text1[6], &Text3};
  }
  void Disposer();
  void Placement();
  void DisposerEmplacements();
  void Habillage();
  void Comportements();
  void OrdreDeTabulation();
  void Relier();
  void AvanceAutomatique(Composante composante, std::int16_t index);
  void SelectionnerDebut(Composante composante, std::int16_t index);
  void Coller(std::int16_t index);
  std::int16_t Hemisphere(std::int16_t slot, Axe axe) const;
  double Latitude(std::int16_t slot);
  double Longitude(std::int16_t slot);
  void ArrondirCentiemes(TextBox& secondes);
  void ChoisirPrecision(std::int16_t decimales, MenuItem& choisi, std::array<MenuItem*, 3> ordre);
  void AfficherRoute(double route, TextBox& degres, TextBox& minutes, TextBox& secondes);
  // What a panel's clearing empties: the results of a computation that gives none, or with them
  // everything typed ("RAZ").
  enum class Vidage { Resultats, Tout };
  void ViderEmplacement(std::int16_t slot);
  void ViderDirecte(Vidage vidage);
  void ViderInverse(Vidage vidage);
  void ExpliquerSansResultat(bool anglais);
  void AnnoncerDirecte();
  void AnnoncerInverse();
  void AnnoncerSansResultat(SansResultat cause);
  void AnnoncerUnite();
  std::string DescriptionRoute(const Trajet& trajet);
  struct FichierKml {
    std::string Nom;
    std::string Contenu;
  };
  void EcrireKml(const std::function<std::optional<FichierKml>()>& faire);
  void Traduire(bool anglais);
  void NommerPourLecteurs(bool anglais);

  std::array<Emplacement, 4> emplacements_;
  Platform& platform_;
  Apropos& apropos_;
  Planificateur& planificateur_;
  std::optional<SansResultat> sansResultat_;  // why the last inverse computation has none
  std::int16_t emplacementMenu_ = 0;          // the export button whose menu is open
};

// The six coordinate boxes of a position, in the order of typing.
inline constexpr std::array<FormFormules::Composante, 6> kComposantes{
    &FormFormules::LatD, &FormFormules::LATM, &FormFormules::LATS,
    &FormFormules::LOnD, &FormFormules::LonM, &FormFormules::LonS};

}  // namespace orbalide
