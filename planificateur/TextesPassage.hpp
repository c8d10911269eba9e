// Every text of the passage planner, in French and in English: captions, menus, column headers,
// the names screen readers say, and what the window says of the passage.
#pragma once

#include <array>

#include "Mots.hpp"

namespace orbalide::textes::passage {

inline constexpr Mots Titre{"Planification de passage", "Passage planning"};
inline constexpr Mots SansTitre{"Nouveau passage", "New passage"};

// Menus.
inline constexpr Mots Fichier{"Fichier", "File"}, Edition{"Édition", "Edit"};
inline constexpr Mots Ouvrir{"Ouvrir…", "Open…"}, Enregistrer{"Enregistrer", "Save"};
inline constexpr Mots EnregistrerSous{"Enregistrer sous…", "Save As…"};
inline constexpr Mots ExporterKml{"Exporter en KML", "Export as KML"};
inline constexpr Mots CopierEtapes{"Copier les étapes (CSV)", "Copy the legs (CSV)"};
inline constexpr Mots Fermer{"Fermer", "Close"};
inline constexpr Mots Annuler{"Annuler", "Undo"}, Retablir{"Rétablir", "Redo"};
inline constexpr Mots Coller{"Coller des points", "Paste waypoints"};
inline constexpr Mots Inserer{"Insérer un point", "Insert a waypoint"};
inline constexpr Mots Supprimer{"Supprimer le point", "Delete the waypoint"};
inline constexpr Mots Monter{"Monter le point", "Move the waypoint up"};
inline constexpr Mots Descendre{"Descendre le point", "Move the waypoint down"};
inline constexpr Mots Inverser{"Inverser le passage", "Reverse the passage"};

// Settings.
inline constexpr Mots Ellipsoide{"Ellipsoïde", "Ellipsoid"};
inline constexpr Mots UniteDistance{"Unité de distance", "Distance unit"};
inline constexpr Mots Metres{"Mètres", "Meters"}, Milles{"Nm", "Nm"};
inline constexpr std::array<Mots, 5> Reglages{{{"Points tous les", "Waypoints every"},
                                               {"Méridiens tous les (°)", "Meridians every (°)"},
                                               {"Latitude maximale", "Maximum latitude"},
                                               {"Vitesse (nœuds)", "Speed (knots)"},
                                               {"Départ", "Departure"}}};
inline constexpr Mots DepartBulle{"Date et heure du départ, ainsi 2026-12-24T06:00Z",
                                  "Date and time of departure, as 2026-12-24T06:00Z"};
inline constexpr Mots Heures{"Heures d'arrivée", "Times of arrival"};
inline constexpr Mots Utc{"En UTC", "In UTC"}, Locale{"À l'heure locale", "In local time"};

// Tables.
inline constexpr Mots Points{"Points de passage", "Waypoints"}, Etapes{"Étapes", "Legs"};
inline constexpr Mots Nom{"Nom", "Name"}, Latitude{"Latitude", "Latitude"};
inline constexpr Mots Longitude{"Longitude", "Longitude"};
inline constexpr Mots De{"De", "From"}, A{"À", "To"}, Route{"Route", "Course"};
inline constexpr Mots Distance{"Distance", "Distance"};
inline constexpr Mots RouteOrtho{"Route orthodromique", "Great-circle course"};
inline constexpr Mots DistanceOrtho{"Distance orthodromique", "Great-circle distance"};
inline constexpr Mots Temps{"Temps", "Time"}, Ecoule{"Écoulé", "Elapsed"};
inline constexpr Mots EtaUtc{"Arrivée (UTC)", "ETA (UTC)"};
inline constexpr Mots EtaLocale{"Arrivée (heure locale)", "ETA (local time)"};
inline constexpr Mots Etape{"Étape", "Leg"}, Total{"Total", "Total"}, Nouveau{"*", "*"};
inline constexpr Mots Jours{" j ", " d "};
inline constexpr Mots Bilan{"Bilan du passage", "Passage summary"};
inline constexpr Mots PointFait{"Point créé par le passage", "Waypoint made by the passage"};
inline constexpr Mots PointRefait{"Point créé par un passage, créé à nouveau selon les réglages",
                                  "Waypoint a passage made, made again from the settings"};

// The passage in a sentence.
inline constexpr Mots TotalLoxo{"Total : ", "Total: "};
inline constexpr Mots ParLoxo{" par les loxodromies, ", " along the rhumb lines, "};
inline constexpr Mots ParOrtho{" par les orthodromies", " along the great circles"};
inline constexpr Mots En{", en ", ", in "}, ArriveeLe{" ; arrivée ", "; arrival "};
inline constexpr Mots PointNumero{"Point ", "Waypoint "}, DeuxPoints{" : ", ": "};
inline constexpr Mots Corriger{" Corrigez-le ou supprimez-le pour calculer le passage.",
                               " Correct or delete it to compute the passage."};
inline constexpr Mots LigneRefusee{"ligne illisible : ", "unreadable line: "};

// Why a setting gives no value.
inline constexpr Mots NombrePositif{"un nombre de 0 ou plus est attendu",
                                    "a number of 0 or more is expected"};
inline constexpr Mots VitesseAttendue{
    "une vitesse de 0,1 nœud ou plus est attendue (rien : sans heures)",
    "a speed of 0.1 knot or more is expected (none: no times)"};
inline constexpr Mots Au180{"un nombre de 0 à 180 est attendu",
                            "a number from 0 to 180 is expected"};
inline constexpr Mots LatitudeAttendue{"une latitude au-dessus de 0 et d'au plus 90° est attendue",
                                       "a latitude above 0 and at most 90° is expected"};
inline constexpr Mots InstantAttendu{
    "une date et une heure sont attendues, ainsi 2026-12-24T06:00Z",
    "a date and time are expected, as 2026-12-24T06:00Z"};

// Files.
inline constexpr Mots FiltreGpx{"Routes GPX", "GPX routes"};
inline constexpr Mots FiltrePoints{"Points de passage (texte ou CSV)", "Waypoints (text or CSV)"};
inline constexpr Mots FiltreTous{"Tous les fichiers", "All files"};
inline constexpr Mots OuvrirTitre{"Ouvrir un passage", "Open a passage"};
inline constexpr Mots EnregistrerTitre{"Enregistrer le passage en GPX", "Save the passage as GPX"};
inline constexpr Mots Question{
    "Le passage a des modifications qui ne sont pas enregistrées. "
    "Les enregistrer avant de le fermer ?",
    "The passage has changes that are not saved. Save them before "
    "closing it?"};
inline constexpr Mots NePasEnregistrer{"Ne pas enregistrer", "Don't save"};
inline constexpr Mots Abandon{"Annuler", "Cancel"};
inline constexpr Mots IllisibleFichier{"Le fichier « %1 » ne peut être lu : %2",
                                       "The file “%1” cannot be read: %2"};
inline constexpr Mots IllisibleGpx{"%1 n'est pas une route GPX lisible (ligne %3) : %2",
                                   "%1 is not a readable GPX route (line %3): %2"};
inline constexpr Mots LeFichier{"Le fichier « %1 »", "The file “%1”"};
inline constexpr Mots LePressePapiers{"Le presse-papiers", "The clipboard"};
inline constexpr Mots NonEcrit{
    "Le fichier « %1 » ne peut être écrit : %2. Choisissez un autre "
    "dossier ou un autre nom.",
    "The file “%1” cannot be written: %2. Choose another folder or "
    "another name."};
inline constexpr Mots SansRouteAEcrire{"Le passage n'a pas de route à enregistrer : %1",
                                       "The passage has no route to save: %1"};
inline constexpr Mots DossierAbsent{
    "aucun dossier ne peut le recevoir (ni celui du programme, ni les documents, ni le dossier "
    "personnel)",
    "no folder can take it (neither the program's, nor the documents, nor the home folder)"};
inline constexpr Mots LigneKml{"Étapes en loxodromie", "Legs steered, along their rhumb lines"};
inline constexpr Mots NonInversable{"Le passage ne peut être inversé : %1",
                                    "The passage cannot be reversed: %1"};

}  // namespace orbalide::textes::passage
