#include <gtest/gtest.h>

#include <map>

#include "Calculatrice.hpp"
#include "Ellipsoide.hpp"

using namespace orbalide;
using namespace orbalide::test;

// The state Form_Load leaves; the ellipsoid list.
TEST(StartUp, StateAfterLoadAndTheEllipsoidList) {
  Calculatrice c;
  FormFormules& f = c.f;
  EXPECT_EQ(f.Caption + " " + f.FormatSecondes + " " + f.Label10.Caption,
            "Orbalide ** WGS-84 ** 00.000 ");
  EXPECT_EQ(f.Focus(), &f.LatD[0]);
  EXPECT_FALSE(f.Command2.Enabled || f.Frame4.Visible || f.Image2[0].Visible || f.Mcent.Checked ||
               f.Mmaxi.Checked);
  EXPECT_TRUE(f.Image2[1].Visible && f.Option1[1].Value() && f.Mmille.Checked);
  EXPECT_EQ(f.Frame4.Place.Left, 60);
  EXPECT_EQ(c.Shown(0) + c.Shown(1) + f.Text2.Text(), "          ");
  EXPECT_EQ(c.Shown(2) + " " + c.Shown(3),  // the inverse panel keeps its design texts
            "49 00 23.260 006 09 41.280 49 00 23.260 006 09 41.280");
  std::string lists;
  for (ComboBox* l : {&f.Combo1, &f.Combo5, &f.Combo7, &f.Combo2, &f.Combo4, &f.Combo6})
    lists += l->Text() + std::to_string(l->ListIndex());
  EXPECT_EQ(lists, "N-1N-1N-1E-1E-1E-1");  // nothing selected: north and east
  EXPECT_EQ(f.Combo3.Items().size(), Catalogue.size());
  EXPECT_TRUE(f.Command1.Image == kIcone && f.Command10.Image == kIcone);
  EXPECT_EQ(c.platform.shown.front(), &f);
  f.UserSelect(f.Combo3, kIndexSphere);  // the list sets the ellipsoid and the title
  EXPECT_EQ(f.Caption, "Orbalide ** Sphérique **");
  EXPECT_EQ(f.EllipsoideCourant.Aplatissement, 0);
  f.UserClick(f.Image2[1]);  // with the name as shown, in both languages
  f.UserSelect(f.Combo3, 6);
  EXPECT_EQ(f.Caption, "Orbalide ** International 1924 **");
  EXPECT_EQ(f.Combo3.Items()[8], "Airy (1830)");
}

// The flag writes every caption of the design's table in the other language, the About
// window's texts included, and nothing else; French again restores every text of both windows.
// What screen readers call controls and windows follows the language, but for the flags, named
// after the language they switch to.
TEST(Language, EnglishAndBackRestoresTheStartUpCaptions) {
  Calculatrice c;
  c.Position(0, "12 34 56.789 123 45 6");
  Control* focus = c.f.Focus();
  FormFormules& f = c.f;
  apropos& about = *c.about.Fenetre();
  const auto texts = [&] {  // every caption and tooltip of both windows
    std::map<std::string, std::string> all;
    for (Form* form : {static_cast<Form*>(&f), static_cast<Form*>(&about)})
      for (Control* control : form->Controls())
        all[form->Name() + "." + control->FullName()] = control->Caption + control->ToolTipText;
    return all;
  };
  const auto french = texts();
  const struct {
    std::vector<std::string*> texts;
    const char* french;
    const char* english;
  } table[] = {
      // clang-format off
      {{&f.Label6.Caption}, "Ellipsoïde...", "Ellipsoïd..."},
      {{&f.Label1.Caption, &f.Label7.Caption}, "Route initiale °", "Initial HDG °"},
      {{&f.Label8.Caption, &f.Label4.Caption}, "Route à l'arrivée °", "Arrival HDG °"},
      {{&f.Label5.Caption}, "Route Retour °", "Back HDG °"},
      {{&f.Option1[0].Caption}, "Mètres", "Meters"},
      {{&f.Frame2.Caption, &f.Frame5.Caption}, "Départ(1)", "Waypoint(1)"},
      {{&f.Frame3.Caption, &f.Frame6.Caption}, "Arrivée(2)", "Waypoint(2)"},
      {{&f.Command2.Caption, &f.Command4.Caption}, "Calculer", "Calculate"},
      {{&f.Command8.Caption}, "Inverse", "Inverse"}, {{&f.Command3.Caption}, "Monter", "Swap"},
      {{&f.Command9.Caption}, "Inverser", "Swap"}, {{&f.Command7.Caption}, "Directe", "Forward"},
      {{&f.Command1.Caption, &f.Command10.Caption}, "Quitter", "END"},
      {{&f.Command11[0].ToolTipText, &f.Command11[1].ToolTipText, &f.Command11[2].ToolTipText,
        &f.Command11[3].ToolTipText}, "lance dans Google earth", "Show in google earth"},
      {{&f.MPrec.Caption}, "Précision", "Precision"}, {{&f.Mmaxi.Caption}, "Maximale", "Maximal"},
      {{&f.Mmille.Caption}, "1000eme seconde", "1000eme second"},
      {{&f.Mcent.Caption}, "100eme seconde", "100eme second"},
      {{&f.Label12.Caption}, "langage", "language"},
      {{&f.MPosition.Caption}, "Exporter la position", "Export the position"},
      {{&f.MRoute.Caption}, "Exporter la route", "Export the route"},
      {{&f.Combo1.AccessibleName, &f.Combo5.AccessibleName}, "Nord ou sud — départ",
       "North or south — departure"},
      {{&f.Label3[0].AccessibleName, &f.Combo7.AccessibleName}, "Nord ou sud — arrivée",
       "North or south — arrival"},
      {{&f.Combo2.AccessibleName, &f.Combo4.AccessibleName}, "Est ou ouest — départ",
       "East or west — departure"},
      {{&f.Image2[1].AccessibleName}, "English", "English"},
      {{&f.Image2[0].AccessibleName}, "Français", "Français"},
      {{&f.Image1.AccessibleName}, "À propos", "About"},
      {{&f.Frame1.AccessibleName}, "Unité de distance", "Distance unit"},
      {{&f.Label10.AccessibleName}, "Passer en mètres", "Switch to meters"},
      {{&f.INS[0].ActionName, &f.INS[3].ActionName}, "Lire la position", "Read the position"},
      {{&about.AccessibleName}, "À propos d'Orbalide", "About Orbalide"},
      {{&about.Label3.AccessibleName}, "Écrire à l'auteur", "Write to the author"},
      {{&about.Label2[1].Caption},
       "   La terre n'est pas ronde... Voici les principaux modèles de orbalide (dont le plus "
       "communément employé, WGS-84) pour effectuer vos recherches en ''Directe'' (On connait la "
       "position de départ le cap initial, la distance) ou en ''Inverse'' (On connait les deux "
       "positions et on cherche le cap départ- cap arrivée, cap retour et distance)",
       "   The earth is not round ... The main models of Geodesy (by default the most commonly "
       "used WGS-84) will help you to do your research in ''forward'' mode (One knows the initial "
       "position plus the initial course and distance) or ''Reverse''(One knows the two "
       "positions and looking on intial course + arrival course + heading back and distance) "},
      {{&about.Label2[0].Caption},
       "Les calculs sont effectués grâce à la méthode de Vincenty qui garantie, en fonction de "
       "l'ellipsoïde employée, une précision proche du millimètre.",
       "Computations are done with Vincenty's method that gives, regarding the ellipsoïd used an "
       "accuracy that reaches the millimeter."},
      // clang-format on
  };
  for (const bool english : {false, true}) {
    if (english) f.UserClick(f.Image2[1]);
    for (const auto& row : table) {
      for (const std::string* text : row.texts)
        EXPECT_EQ(*text, english ? row.english : row.french);
    }
  }
  EXPECT_TRUE(f.EnAnglais() && f.Image2[0].Visible && !f.Image2[1].Visible);
  EXPECT_EQ(c.Shown(0) + " " + f.Caption, "12 34 56.789 123 45 6 Orbalide ** WGS-84 **");
  EXPECT_EQ(f.Focus(), focus);
  EXPECT_EQ(f.Option1[1].Caption + f.Label2.Caption + f.Command8.ToolTipText,  // as designed
            "NmDistanceRoute et distance connaissant deux positions");
  f.UserClick(f.Image2[1]);  // hidden: a click on it does nothing
  EXPECT_TRUE(f.EnAnglais());
  f.UserClick(f.Image2[0]);
  EXPECT_EQ(texts(), french);
}
