// French and English captions, and the names that screen readers say. The visible flag is the
// language the user can switch to: the British flag shows while the window speaks French.
#include <vector>

#include "FormFormules.hpp"

namespace orbalide {
namespace {

struct Legende {
  Control* control;
  bool bulle;  // the tooltip rather than the caption
  const char* francais;
  const char* anglais;
};

struct Mots {
  const char* francais;
  const char* anglais;
  std::string En(bool enAnglais) const { return enAnglais ? anglais : francais; }
};

// Names for screen readers, made of a thing and where it stands: "Latitude, degrés — départ".
constexpr Mots kComposantesNommees[] = {
    {"Latitude, degrés", "Latitude, degrees"},    {"Latitude, minutes", "Latitude, minutes"},
    {"Latitude, secondes", "Latitude, seconds"},  {"Longitude, degrés", "Longitude, degrees"},
    {"Longitude, minutes", "Longitude, minutes"}, {"Longitude, secondes", "Longitude, seconds"}};
constexpr Mots kRoles[] = {{"départ", "departure"},
                           {"arrivée", "arrival"},
                           {"départ", "departure"},
                           {"arrivée", "arrival"}};
constexpr Mots kUnites[] = {{"degrés", "degrees"}, {"minutes", "minutes"}, {"secondes", "seconds"}};
constexpr Mots kNord{"Nord ou sud", "North or south"}, kEst{"Est ou ouest", "East or west"};
constexpr Mots kNom{"Nom du point", "Point name"};
constexpr Mots kCollage{"Position sur une ligne, Maj+clic pour la lire",
                        "Position on one line, Shift+click to read it"};
constexpr Mots kExport{"Exporter en KML", "Export as KML"};
constexpr Mots kRouteInitiale{"Route initiale", "Initial course"};
constexpr Mots kRouteArrivee{"Route à l'arrivée", "Arrival course"};

std::string Nomme(const Mots& chose, const Mots& lieu, bool anglais) {
  return chose.En(anglais) + " — " + lieu.En(anglais);
}

}  // namespace

void FormFormules::NommerPourLecteurs(bool anglais) {
  for (std::int16_t k = 0; k < 4; ++k) {
    const Mots& role = kRoles[k];
    for (std::size_t i = 0; i < kComposantes.size(); ++i)
      Boite(kComposantes[i], k).AccessibleName = Nomme(kComposantesNommees[i], role, anglais);
    const Emplacement& e = Emplacements[static_cast<std::size_t>(k)];
    Control* latitude = e.ListeLatitude ? static_cast<Control*>(e.ListeLatitude) : e.LettreLatitude;
    Control* longitude =
        e.ListeLongitude ? static_cast<Control*>(e.ListeLongitude) : e.LettreLongitude;
    latitude->AccessibleName = Nomme(kNord, role, anglais);
    longitude->AccessibleName = Nomme(kEst, role, anglais);
    e.Nom->AccessibleName = Nomme(kNom, role, anglais);
    INS[k].AccessibleName = Nomme(kCollage, role, anglais);
    Command11[k].AccessibleName = Nomme(kExport, role, anglais);
  }
  const struct {
    std::array<TextBox*, 3> boites;  // degrees, minutes, seconds
    Mots route;
  } routes[] = {{{&Text1[0], &Text1[1], &Text1[2]}, kRouteInitiale},
                {{&FB[0], &FB[1], &FB[2]}, kRouteArrivee},
                {{&FB[3], &FB[4], &FB[5]}, {"Route retour", "Back course"}},
                {{&Text1[5], &Text1[4], &Text1[3]}, kRouteInitiale},
                {{&Text1[8], &Text1[7], &Text1[6]}, kRouteArrivee}};
  for (const auto& r : routes) {
    for (std::size_t i = 0; i < 3; ++i)
      r.boites[i]->AccessibleName = r.route.En(anglais) + ", " + kUnites[i].En(anglais);
  }
  const struct {
    Control* control;
    Mots nom;
  } autres[] = {
      {&Text2, {"Distance", "Distance"}},     {&Text3, {"Distance calculée", "Computed distance"}},
      {&Combo3, {"Ellipsoïde", "Ellipsoid"}}, {&Image1, {"À propos", "About"}},
      {&Image2[0], {"Français", "French"}},   {&Image2[1], {"Anglais", "English"}}};
  for (const auto& a : autres) a.control->AccessibleName = a.nom.En(anglais);
}

void FormFormules::Traduire(bool anglais) {
  const std::vector<Legende> table{
      {&Label6, false, "Ellipsoïde...", "Ellipsoïd..."},
      {&Label1, false, "Route initiale °", "Initial HDG °"},
      {&Label7, false, "Route initiale °", "Initial HDG °"},
      {&Label8, false, "Route à l'arrivée °", "Arrival HDG °"},
      {&Label4, false, "Route à l'arrivée °", "Arrival HDG °"},
      {&Label5, false, "Route Retour °", "Back HDG °"},
      {&Option1[0], false, "Mètres", "Meters"},
      {&Frame2, false, "Départ(1)", "Waypoint(1)"},
      {&Frame3, false, "Arrivée(2)", "Waypoint(2)"},
      {&Frame5, false, "Départ(1)", "Waypoint(1)"},
      {&Frame6, false, "Arrivée(2)", "Waypoint(2)"},
      {&Command2, false, "Calculer", "Calculate"},
      {&Command4, false, "Calculer", "Calculate"},
      {&Command8, false, "Inverse", "Inverse"},
      {&Command3, false, "Monter", "Swap"},
      {&Command9, false, "Inverser", "Swap"},
      {&Command1, false, "Quitter", "END"},
      {&Command10, false, "Quitter", "END"},
      {&Command11[0], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[1], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[2], true, "lance dans Google earth", "Show in google earth"},
      {&Command11[3], true, "lance dans Google earth", "Show in google earth"},
      {&Command7, false, "Directe", "Forward"},
      {&MPrec, false, "Précision", "Precision"},
      {&Mmille, false, "1000eme seconde", "1000eme second"},
      {&Mcent, false, "100eme seconde", "100eme second"},
      {&Mmaxi, false, "Maximale", "Maximal"},
      {&Label12, false, "langage", "language"},
      {&MExporter, false, "Exporter", "Export"},
      {&MPosition, false, "Exporter la position", "Export the position"},
      {&MRoute, false, "Exporter la route", "Export the route"},
  };
  for (const Legende& l : table) {
    (l.bulle ? l.control->ToolTipText : l.control->Caption) = anglais ? l.anglais : l.francais;
  }
  NommerPourLecteurs(anglais);
  if (sansResultat_) ExpliquerSansResultat(anglais);
  apropos_.EcrireTextes(*this, anglais);
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

void FormFormules::Image2_Click(std::int16_t Index) {
  if (Index == 0) {
    TraduireFrancais();
    Image2[1].Visible = true;
  } else {
    TraduireAnglais();
    Image2[0].Visible = true;
  }
  Image2[Index].Visible = false;
}

void FormFormules::Image1_Click() {
  apropos_.Afficher(*this, EnAnglais());
}

}  // namespace orbalide
