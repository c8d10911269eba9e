// Every text that the main window shows or writes, in French and in English: captions, tooltips,
// menu items, the names that screen readers say, unit words, route descriptions. Texts that the
// design shows in French whatever the language have the same words twice.
#pragma once

#include "Mots.hpp"

namespace orbalide {

namespace textes {

// Captions and tooltips.
inline constexpr Mots Ellipsoide{"Ellipsoïde...", "Ellipsoïd..."};
inline constexpr Mots Langage{"langage", "language"};
inline constexpr Mots RouteInitiale{"Route initiale °", "Initial HDG °"};
inline constexpr Mots RouteArrivee{"Route à l'arrivée °", "Arrival HDG °"};
inline constexpr Mots RouteRetour{"Route Retour °", "Back HDG °"};
inline constexpr Mots Minutes{"min", "min"}, Secondes{"sec", "sec"};
inline constexpr Mots Distance{"Distance", "Distance"};
inline constexpr Mots Metres{"Mètres", "Meters"}, Milles{"Nm", "Nm"}, Pieds{"ft", "ft"};
inline constexpr Mots Depart{"Départ(1)", "Waypoint(1)"}, Arrivee{"Arrivée(2)", "Waypoint(2)"};
inline constexpr Mots Calculer{"Calculer", "Calculate"};
inline constexpr Mots Inverse{"Inverse", "Inverse"};
inline constexpr Mots InverseBulle{"Route et distance connaissant deux positions",
                                   "Route et distance connaissant deux positions"};
inline constexpr Mots Directe{"Directe", "Forward"};
inline constexpr Mots DirecteBulle{"Position arrivée connaissant départ + route + distance",
                                   "Position arrivée connaissant départ + route + distance"};
inline constexpr Mots Monter{"Monter", "Swap"};
inline constexpr Mots MonterBulle{
    "Position arrivée en position départ, et route retour en route initiale pour vérifier les "
    "calculs.",
    "Position arrivée en position départ, et route retour en route initiale pour vérifier les "
    "calculs."};
inline constexpr Mots Inverser{"Inverser", "Swap"};
inline constexpr Mots Raz{"RAZ", "RAZ"};
inline constexpr Mots Quitter{"Quitter", "END"};
inline constexpr Mots ExportBulle{"lance dans Google earth", "Show in google earth"};
inline constexpr Mots AproposBulle{"A propos...", "A propos..."};
inline constexpr Mots UniteBulle{"Cliquez pour passer de mètres en NM.",
                                 "Cliquez pour passer de mètres en NM."};

inline constexpr Mots ErreurInattendue{"Erreur inattendue", "Erreur inattendue"};

// Menus.
inline constexpr Mots Precision{"Précision", "Precision"};
inline constexpr Mots Centiemes{"100eme seconde", "100eme second"};
inline constexpr Mots Milliemes{"1000eme seconde", "1000eme second"};
inline constexpr Mots Maximale{"Maximale", "Maximal"};
inline constexpr Mots Exporter{"Exporter", "Export"};
inline constexpr Mots ExporterPosition{"Exporter la position", "Export the position"};
inline constexpr Mots ExporterRoute{"Exporter la route", "Export the route"};
inline constexpr Mots Passage{"Passage", "Passage"};
inline constexpr Mots Planifier{"Planifier un passage…", "Plan a passage…"};

// Names for screen readers, made of a thing and where it stands: "Latitude, degrés — départ".
inline constexpr Mots Composantes[] = {
    {"Latitude, degrés", "Latitude, degrees"},    {"Latitude, minutes", "Latitude, minutes"},
    {"Latitude, secondes", "Latitude, seconds"},  {"Longitude, degrés", "Longitude, degrees"},
    {"Longitude, minutes", "Longitude, minutes"}, {"Longitude, secondes", "Longitude, seconds"}};
inline constexpr Mots Roles[] = {{"départ", "departure"},
                                 {"arrivée", "arrival"},
                                 {"départ", "departure"},
                                 {"arrivée", "arrival"}};
inline constexpr Mots Hemispheres[] = {{"Nord ou sud", "North or south"},
                                       {"Est ou ouest", "East or west"}};
inline constexpr Mots NomDuPoint{"Nom du point", "Point name"};
inline constexpr Mots Collage{"Position sur une ligne, Maj+Entrée pour la lire",
                              "Position on one line, Shift+Return to read it"};
inline constexpr Mots LirePosition{"Lire la position", "Read the position"};
inline constexpr Mots ExporterKml{"Exporter en KML", "Export as KML"};
inline constexpr Mots Unites[] = {
    {"degrés", "degrees"}, {"minutes", "minutes"}, {"secondes", "seconds"}};
inline constexpr Mots CapInitial{"Route initiale", "Initial course"};
inline constexpr Mots CapArrivee{"Route à l'arrivée", "Arrival course"};
inline constexpr Mots CapRetour{"Route retour", "Back course"};
inline constexpr Mots DistanceCalculee{"Distance calculée", "Computed distance"};
inline constexpr Mots ListeEllipsoides{"Ellipsoïde", "Ellipsoid"};
inline constexpr Mots Apropos{"À propos", "About"};
inline constexpr Mots UniteDistance{"Unité de distance", "Distance unit"};
inline constexpr Mots VersMetres{"Passer en mètres", "Switch to meters"};
inline constexpr Mots VersMilles{"Passer en milles nautiques", "Switch to nautical miles"};
// What a reader hears after a computation: "Arrivée : latitude 44 degrés 06 minutes 00.468
// secondes N, longitude …. Route à l'arrivée : 180 degrés 29 minutes 32.476 secondes. …".
inline constexpr Mots DeuxPoints{" : ", ": "};
inline constexpr Mots Latitude{"latitude", "latitude"}, Longitude{"longitude", "longitude"};
inline constexpr Mots MetresLus{"mètres", "meters"},
    MillesLus{"milles nautiques", "nautical miles"}, En{"en", "in"};
// A flag is named after the language it switches to, in that language, as language choices are.
inline constexpr Mots Francais{"Français", "Français"}, Anglais{"English", "English"};

// Route files: the points' names when their boxes are empty, and the line's description,
// "Distance 100.000 Nm, route initiale 300° 0′ 00.000″, route à l'arrivée 298° 20′ 14.566″".
inline constexpr Mots PointDepart{"Départ", "Departure"}, PointArrivee{"Arrivée", "Arrival"};
inline constexpr Mots DescriptionInitiale{"route initiale", "initial course"};
inline constexpr Mots DescriptionArrivee{"route à l'arrivée", "arrival course"};

}  // namespace textes
}  // namespace orbalide
