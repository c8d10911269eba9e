// The passage planner's window: the navigator's waypoints in a table, the passage's settings,
// the legs steered with their totals and times, and the passage's files. Its handlers are grouped
// by concern: Points.cpp (the waypoints and their edits), Reglages.cpp (the settings), Etapes.cpp
// (the passage computed and shown), Fichiers.cpp (files and the clipboard), Langue.cpp (captions
// in French and English, names for screen readers); the controls' places are in Disposition.cpp.
// Every edit is a command on the window's undo stack; the stack's clean state is the file saved.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Annulation.hpp"
#include "ControlArray.hpp"
#include "Controles.hpp"
#include "Ellipsoide.hpp"
#include "Passage.hpp"
#include "Plateforme.hpp"
#include "Refus.hpp"
#include "Tableau.hpp"
#include "Temps.hpp"
#include "Unites.hpp"

namespace orbalide {

// A coordinate as the user gave it: its text, and its value or why it has none.
struct Coordonnee {
  std::string Texte;
  std::variant<double, Refus> Lue;
};

// A row of the waypoints table: a waypoint given, or a line of a file or of the clipboard that
// gives none (its text is then the name, and Refuse says why).
struct PointSaisi {
  std::string Nom;
  Coordonnee Latitude, Longitude;
  bool Fait = false;  // a waypoint a passage made, read back from its GPX file: made again
  std::optional<Refus> Refuse{};
};

// The settings as the user gave them: the texts of the boxes, and the choices.
enum class Reglage : std::size_t { Intervalle, Meridiens, LatitudeMax, Vitesse, Depart };
inline constexpr std::size_t kReglages = 5;
struct Reglages {
  std::int16_t Ellipsoide = 0;  // in the catalogue
  bool Milles = true;           // distances in nautical miles, else metres
  bool HeureLocale = false;     // times of arrival in the computer's time zone, else in UTC
  std::array<std::string, kReglages> Textes{};
  Unite Distances() const { return Milles ? Unite::Milles : Unite::Metres; }
  friend bool operator==(const Reglages&, const Reglages&) = default;
};

// The row of a waypoint read from a file or the clipboard.
PointSaisi LigneDuPoint(const PointDePassage& p);

// What the planner takes from the main window when it opens and while it is open.
struct Affichage {
  bool Anglais = false;
  std::int16_t Decimales = 3;  // of the seconds shown
};

class FormPassage : public Form {
 public:
  FormPassage(Platform& platform, const Affichage& affichage, std::int16_t ellipsoide);

  // The settings.
  Label LblEllipsoide{*this, "LblEllipsoide"};
  ComboBox CboEllipsoide{*this, "CboEllipsoide"};
  Frame FraUnite{*this, "FraUnite"};
  ControlArray<OptionButton, 2> OptUnite{*this, "OptUnite"};  // metres, nautical miles
  ControlArray<Label, kReglages> LblReglage{*this, "LblReglage"};
  ControlArray<TextBox, kReglages> TxtReglage{*this, "TxtReglage"};  // by Reglage
  Frame FraHeures{*this, "FraHeures"};
  ControlArray<OptionButton, 2> OptHeures{*this, "OptHeures"};  // UTC, the computer's zone
  // The waypoints, the legs, and the totals or why there is no route.
  Label LblPoints{*this, "LblPoints"};
  Table TblPoints{*this, "TblPoints"};
  Label LblEtapes{*this, "LblEtapes"};
  Table TblEtapes{*this, "TblEtapes"};
  TextBox TxtBilan{*this, "TxtBilan"};

  // Menus.
  MenuItem MFichier{*this, "MFichier"};
  MenuItem MOuvrir{*this, "MOuvrir", &MFichier};
  MenuItem MEnregistrer{*this, "MEnregistrer", &MFichier};
  MenuItem MEnregistrerSous{*this, "MEnregistrerSous", &MFichier};
  MenuItem MExporterKml{*this, "MExporterKml", &MFichier};
  MenuItem MCopierEtapes{*this, "MCopierEtapes", &MFichier};
  MenuItem MFermer{*this, "MFermer", &MFichier};
  MenuItem MEdition{*this, "MEdition"};
  MenuItem MAnnuler{*this, "MAnnuler", &MEdition};
  MenuItem MRetablir{*this, "MRetablir", &MEdition};
  MenuItem MColler{*this, "MColler", &MEdition};
  MenuItem MInserer{*this, "MInserer", &MEdition};
  MenuItem MSupprimer{*this, "MSupprimer", &MEdition};
  MenuItem MMonter{*this, "MMonter", &MEdition};
  MenuItem MDescendre{*this, "MDescendre", &MEdition};
  MenuItem MInverser{*this, "MInverser", &MEdition};

  // Loads the window's lists and texts, shows it, and puts the focus into the waypoints.
  void Form_Load();
  // Asks before losing unsaved changes; true when the window may close, its changes saved or
  // given up.
  bool PeutFermer();
  // Runs when the window has closed (the window's owner discards it).
  std::function<void()> Fermer;

  // Waypoints.
  void TblPoints_Edit(int row, int column, const std::string& text);
  void MInserer_Click();
  void MSupprimer_Click();
  void MMonter_Click();
  void MDescendre_Click();
  void MInverser_Click();
  void MColler_Click();
  void MAnnuler_Click();
  void MRetablir_Click();

  // Settings.
  void TxtReglage_Change(std::int16_t Index);
  void CboEllipsoide_Click();
  void OptUnite_Click(std::int16_t Index);
  void OptHeures_Click(std::int16_t Index);

  // Files.
  void MOuvrir_Click();
  void MEnregistrer_Click();
  void MEnregistrerSous_Click();
  void MExporterKml_Click();
  void MCopierEtapes_Click();
  void MFermer_Click();
  void Form_Unload();
  // Opens a GPX route or a file of waypoints, as the user would from the menu.
  void OuvrirFichier(const std::string& chemin);

  // The main window's language and precision, followed while open.
  void Traduire(bool anglais);
  void Precision(std::int16_t decimales);
  bool EnAnglais() const { return affichage_.Anglais; }

  // The document: the rows given, and whether it has changes unsaved.
  const std::vector<PointSaisi>& Lignes() const { return lignes_; }
  bool Modifie() const { return !pile_.Clean(); }

  // The edits, done and undone by the undo stack's commands.
  void RemplacerLignes(std::size_t debut, std::size_t nombre,
                       const std::vector<PointSaisi>& lignes);
  void AppliquerReglages(const Reglages& reglages);

 private:
  void Disposer();
  void Relier();

  // Waypoints.
  void Modifier(std::size_t debut, std::size_t nombre, std::vector<PointSaisi> lignes);
  std::optional<std::size_t> RangCourant() const;
  void Deplacer(int sens);
  PointSaisi LigneEditee(const PointSaisi& avant, int colonne, const std::string& texte) const;
  std::optional<std::vector<PointSaisi>> LignesDuTexte(std::string_view texte,
                                                       const std::string& origine,
                                                       bool* notreGpx = nullptr);
  // The waypoints of a text pasted before row `rang`.
  void Coller(std::string_view texte, std::size_t rang);

  // Settings.
  void Regler(const Reglages& reglages);
  void Annoncer(const Reglages& reglages);
  ReglagesPassage LireReglages();
  std::optional<Instant> LireDepart(const std::string& texte);
  void MarquerReglages();
  void Entetes();

  // The passage shown.
  void Recalculer();
  std::optional<std::size_t> PremiereIllisible() const;
  std::optional<std::size_t> LigneErreur() const;
  void AfficherPoints();
  void AfficherEtapes();
  void AfficherBilan();
  void Titrer();
  // What a screen reader hears after an edit: the totals, or why there is no route.
  void Annoncer() { Announce(TxtBilan.Text()); }
  std::string Nom() const;
  std::string TexteAngle(double v, std::optional<Axe> axe) const;
  std::string TexteDistance(double metres) const;
  std::string TexteDuree(double heures) const;
  std::string TexteArrivee(const Passage& p, double heures) const;

  // Files.
  bool Enregistrer(bool choisir);
  std::vector<FileFilter> Filtres(bool ouvrir) const;
  void Avertir(const std::string& texte);

  Platform& platform_;
  Affichage affichage_;
  std::string separateur_;  // the regional decimal separator, of the distances shown
  std::vector<PointSaisi> lignes_;
  std::vector<std::size_t> rangs_;  // the row of each waypoint the passage is computed with
  Reglages reglages_;
  std::variant<Passage, ErreurPassage> resultat_ = ErreurPassage{ErreurPassage::Motif::AucunPoint};
  std::array<std::optional<std::string>, kReglages> refusReglages_{};  // why a box gives no value
  UndoStack pile_;
  // The GPX file the passage is saved to in place: one it was saved to, or opened from when this
  // program wrote it; "" for none. Another program's file is saved where the user chooses, since
  // what it holds besides the route (waypoints, tracks, other routes) would be lost.
  std::string fichier_;
  std::string source_;  // the file it was opened from or saved to, whatever its kind
};

}  // namespace orbalide
