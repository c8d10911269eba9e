#include "Aide.hpp"

#include "Textes.hpp"
#include "Version.hpp"

namespace orbalide::calc {
namespace {

constexpr std::string_view kAideAnglaise = R"(Usage: orbalide-calc direct [OPTION]... [FILE]...
  or:  orbalide-calc inverse [OPTION]... [FILE]...
  or:  orbalide-calc route [OPTION]... [FILE]...
Solve geodesic problems on a reference ellipsoid with Vincenty's formulae, one
line of the FILEs (or of standard input) at a time, one line out for each; or
plan a passage through the waypoints of the FILEs.

  direct   each line "lat1 lon1 course1 distance" gives "lat2 lon2 course2", the
           distance up to 100000 km either way
  inverse  each line "lat1 lon1 lat2 lon2" gives "course1 course2 distance"
  route    each line "lat lon [name]" is a waypoint; each leg steered from one
           waypoint to the next gives "leg from to lat1 lon1 lat2 lon2 course
           distance gc_course gc_distance": its rhumb line's course and length,
           then its geodesic's; a last line "total" gives the sums
           (a FILE whose first character is < is a GPX file: the points of
           its first route)

Angles in decimal degrees (-49.5, 49.5S, S49.5), in degrees, minutes and
seconds (49°00'23.26"N, 49:00:23.26N, 49d00m23.26sN, N49°00'23.26), or as GPS
units print them (N48 23.500 W004 29.000, 48 23.500 N 004 29.000 W); fields
separated by spaces or tabs, where a decimal comma is read as a point; a # and
the text after it are written back after the answer (route: ignored). route: a
name that begins with a number or an angle is written in double quotes.
Out: decimal degrees with 9 decimals, longitudes from -180 to 180, courses from
0 to 360, metres with 4 decimals or nautical miles with 8; route's names in
double quotes when they hold blanks or quotes, or are empty.

      --csv              CSV in and out: a header line (none when a
                           field is a number), then fields separated by commas,
                           or by semicolons with decimal commas when the first
                           header has them; columns after the fourth are
                           written back after the answer, in its dialect
                           (route reads lat,lon,name)
      --dms              write degrees, minutes and seconds
      --precision=N      decimals of the seconds written: 2, 3 (default) or 7
      --unit=UNIT        distances in m (metres, default) or nm (nautical miles)
      --ellipsoid=NAME   the ellipsoid, named as listed (default WGS-84)
      --list-ellipsoids  list the ellipsoids and exit
      --kml=FILE         also write each line's geodesic to FILE as KML (route:
                           the waypoints and the legs steered), whole or not at
                           all: a new file that replaces FILE at the end
      --gpx=FILE         also write each line's geodesic to FILE as GPX (route:
                           a route of every waypoint, for chart plotters)
      --rhumb            direct, inverse: along the rhumb line, whose course2 is
                           course1, rather than the geodesic
      --every=DIST       route: waypoints made every DIST along each geodesic
      --meridians=DEG    route: waypoints made where each geodesic crosses a
                           multiple of DEG degrees of longitude (at most 180)
      --max-latitude=LAT route: keep within LAT north and south (composite
                           sailing, or a leg's rhumb line where shorter)
      --speed=KNOTS      route: each leg's time and the time since the first
                           waypoint, as hours:minutes (at least 0.1 knot)
      --depart=TIME      route, with --speed: departure, as 2026-12-24T06:00Z
                           or 2026-12-24T07:00+01:00; adds each leg's time of
                           arrival in UTC (eta)
      --reverse          route: the passage sailed back, last waypoint first
      --route=N|NAME     route: the route of GPX files, by rank, or by name in
                           any case (default: the first, or the waypoints of
                           a file without a route)
      --name-length=N    route: names of at most N plain ASCII characters (N at
                           least 3), unique, for chart plotters
      --max-points=N     route: GPX routes of at most N points each (read back
                           as one)
  -h, --help             display this help and exit
  -V, --version          output version information and exit

With no FILE, or when FILE is -, read standard input. A line that cannot be
read or has no result gives an empty answer, and a message on standard error
that names its FILE and line number (FILE:LINE, - for standard input); route
then writes nothing.

A plotter's route (plotter.gpx) sailed back from a departure at 07:00 in France,
with each time of arrival, and back to the plotter as routes of at most 100
points with names of 6 ASCII characters (back.gpx):
  orbalide-calc route --unit=nm --speed=6 --reverse \
    --depart=2026-12-24T07:00+01:00 --name-length=6 --max-points=100 \
    --gpx=back.gpx plotter.gpx

Exit status: 0 if every line was computed, 1 if some line was not (route: if
there is no route), 2 for a wrong command line or a file that cannot be read
or written.
)";

constexpr std::string_view kAideFrancaise = R"(Usage : orbalide-calc direct [OPTION]... [FICHIER]...
  ou :  orbalide-calc inverse [OPTION]... [FICHIER]...
  ou :  orbalide-calc route [OPTION]... [FICHIER]...
Résout les problèmes de la géodésie sur un ellipsoïde de référence par les
formules de Vincenty, une ligne des FICHIERs (ou de l'entrée standard) à la
fois, une ligne en sortie pour chacune ; ou prépare une navigation par les
points des FICHIERs.

  direct   chaque ligne « lat1 lon1 course1 distance » donne
           « lat2 lon2 course2 », la distance jusqu'à 100000 km dans un sens
           ou dans l'autre
  inverse  chaque ligne « lat1 lon1 lat2 lon2 » donne
           « course1 course2 distance »
  route    chaque ligne « lat lon [nom] » est un point ; chaque étape d'un point
           au suivant donne « leg from to lat1 lon1 lat2 lon2 course distance
           gc_course gc_distance » : la route et la longueur de sa loxodromie,
           puis celles de son orthodromie ; une dernière ligne « total » donne
           les sommes
           (un FICHIER dont le premier caractère est < est un fichier GPX :
           les points de sa première route)
  (course : la route, en degrés)

Angles en degrés décimaux (-49.5, 49.5S, S49.5), en degrés, minutes et
secondes (49°00'23.26"N, 49:00:23.26N, 49d00m23.26sN, N49°00'23.26) ou comme
les écrivent les GPS (N48 23.500 W004 29.000, 48 23.500 N 004 29.000 W) ;
champs séparés par des espaces ou des tabulations, où la virgule décimale est
lue comme un point ; un # et le texte qui le suit sont réécrits après la
réponse (route : ignorés). route : un nom qui commence par un nombre ou un
angle s'écrit entre guillemets droits.
En sortie : degrés décimaux à 9 décimales, longitudes de -180 à 180, routes de
0 à 360, mètres à 4 décimales ou milles marins à 8 ; les noms de route entre
guillemets droits s'ils ont des blancs ou des guillemets, ou sont vides.

      --csv              CSV en entrée et en sortie : une ligne d'en-tête
                           (aucune si un champ est un nombre), puis
                           des champs séparés par des virgules, ou par des
                           points-virgules avec virgule décimale si le premier
                           en-tête en a ; les colonnes après la quatrième sont
                           réécrites après la réponse, dans son dialecte
                           (route lit lat,lon,nom)
      --dms              écrit degrés, minutes et secondes
      --precision=N      décimales des secondes écrites : 2, 3 (défaut) ou 7
      --unit=UNITÉ       distances en m (mètres, défaut) ou nm (milles marins)
      --ellipsoid=NOM    l'ellipsoïde, nommé comme la liste (défaut WGS-84)
      --list-ellipsoids  affiche la liste des ellipsoïdes et quitte
      --kml=FICHIER      écrit aussi la géodésique de chaque ligne en KML
                           (route : les points et les étapes), en entier ou
                           pas du tout : un nouveau fichier qui remplace
                           FICHIER à la fin
      --gpx=FICHIER      écrit aussi la géodésique de chaque ligne en GPX
                           (route : une route de tous les points, pour les
                           traceurs de cartes)
      --rhumb            direct, inverse : en loxodromie, dont course2 est
                           course1, plutôt qu'en orthodromie
      --every=DIST       route : des points tous les DIST le long de chaque
                           orthodromie
      --meridians=DEG    route : des points où chaque orthodromie coupe un
                           multiple de DEG degrés de longitude (au plus 180)
      --max-latitude=LAT route : ne pas passer LAT au nord ni au sud
                           (navigation mixte, ou la loxodromie d'une étape
                           si elle est plus courte)
      --speed=NŒUDS      route : la durée de chaque étape et le temps écoulé
                           depuis le premier point, en heures:minutes (au
                           moins 0,1 nœud)
      --depart=HEURE     route, avec --speed : le départ, comme
                           2026-12-24T06:00Z ou 2026-12-24T07:00+01:00 ;
                           ajoute l'heure d'arrivée de chaque étape en UTC (eta)
      --reverse          route : le passage en sens inverse, du dernier point
                           au premier
      --route=N|NOM      route : la route des fichiers GPX, par rang, ou par nom
                           sans égard à la casse (défaut : la première, ou les
                           points d'un fichier sans route)
      --name-length=N    route : des noms d'au plus N caractères ASCII (N d'au
                           moins 3), distincts, pour les traceurs de cartes
      --max-points=N     route : des routes GPX d'au plus N points chacune
                           (relues comme une seule)
  -h, --help             affiche cette aide et quitte
  -V, --version          affiche la version et quitte

Sans FICHIER, ou quand FICHIER est -, lit l'entrée standard. Une ligne illisible
ou sans résultat donne une réponse vide, et un message sur la sortie d'erreur
qui nomme son FICHIER et son numéro (FICHIER:LIGNE, - pour l'entrée standard) ;
route n'écrit alors rien.

La route d'un traceur (traceur.gpx) parcourue en sens inverse depuis un départ
à 7 h en France, avec chaque heure d'arrivée, et rendue au traceur en routes
d'au plus 100 points aux noms de 6 caractères ASCII (retour.gpx) :
  orbalide-calc route --unit=nm --speed=6 --reverse \
    --depart=2026-12-24T07:00+01:00 --name-length=6 --max-points=100 \
    --gpx=retour.gpx traceur.gpx

Code de sortie : 0 si chaque ligne a été calculée, 1 si une ligne ne l'a pas
été (route : s'il n'y a pas de route), 2 pour une ligne de commande erronée ou
un fichier illisible ou impossible à écrire.
)";

}  // namespace

std::string_view TexteAide(bool anglais) {
  return anglais ? kAideAnglaise : kAideFrancaise;
}

std::string TexteVersion(bool anglais) {
  const std::string version = std::to_string(VersionMajeure) + "." +
                              std::to_string(VersionMineure) + "." +
                              std::to_string(VersionRevision);
  return std::string(kNomProgramme) + " (Orbalide) " + version +
         "\nCopyright (C) 2026 The Orbalide authors.\n" +
         (anglais ? "MIT License: <https://opensource.org/licenses/MIT>.\n"
                  : "Licence MIT : <https://opensource.org/licenses/MIT>.\n");
}

}  // namespace orbalide::calc
