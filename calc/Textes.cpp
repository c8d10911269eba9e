#include "Textes.hpp"

#include <algorithm>
#include <cstring>

#include "Lignes.hpp"
#include "Version.hpp"

namespace orbalide::calc {
namespace {

constexpr std::string_view kAideAnglaise = R"(Usage: orbalide-calc direct [OPTION]... [FILE]...
  or:  orbalide-calc inverse [OPTION]... [FILE]...
Solve geodesic problems on a reference ellipsoid with Vincenty's formulae, one
line of the FILEs (or of standard input) at a time, one line out for each.

  direct   each line "lat1 lon1 course1 distance" gives "lat2 lon2 course2"
  inverse  each line "lat1 lon1 lat2 lon2" gives "course1 course2 distance"

Angles in decimal degrees (-49.5, 49.5S, S49.5) or in degrees, minutes and
seconds (49°00'23.26"N, 49:00:23.26N, 49d00m23.26sN, N49°00'23.26); fields
separated by spaces or tabs, where a decimal comma is read as a point.
Out: decimal degrees with 9 decimals, longitudes from -180 to 180, courses from
0 to 360, metres with 4 decimals or nautical miles with 8.

      --csv              comma-separated fields and a header line, in and out
      --dms              write degrees, minutes and seconds
      --precision=N      decimals of the seconds written: 2, 3 (default) or 7
      --unit=UNIT        distances in m (metres, default) or nm (nautical miles)
      --ellipsoid=NAME   the ellipsoid, named as listed (default WGS-84)
      --list-ellipsoids  list the ellipsoids and exit
      --kml=FILE         also write each line's geodesic to FILE as KML
      --gpx=FILE         also write each line's geodesic to FILE as GPX
      --help             display this help and exit
      --version          output version information and exit

With no FILE, or when FILE is -, read standard input. A line that cannot be
read or has no result gives an empty line, and a message on standard error.

Exit status: 0 if every line was computed, 1 if some line was not, 2 for a
wrong command line or a file that cannot be read or written.
)";

constexpr std::string_view kAideFrancaise = R"(Usage : orbalide-calc direct [OPTION]... [FICHIER]...
  ou :  orbalide-calc inverse [OPTION]... [FICHIER]...
Résout les problèmes de la géodésie sur un ellipsoïde de référence par les
formules de Vincenty, une ligne des FICHIERs (ou de l'entrée standard) à la
fois, une ligne en sortie pour chacune.

  direct   chaque ligne « lat1 lon1 course1 distance » donne « lat2 lon2 course2 »
  inverse  chaque ligne « lat1 lon1 lat2 lon2 » donne « course1 course2 distance »
  (course : la route, en degrés)

Angles en degrés décimaux (-49.5, 49.5S, S49.5) ou en degrés, minutes et
secondes (49°00'23.26"N, 49:00:23.26N, 49d00m23.26sN, N49°00'23.26) ; champs
séparés par des espaces ou des tabulations, où la virgule décimale est lue
comme un point. En sortie : degrés décimaux à 9 décimales, longitudes de -180 à
180, routes de 0 à 360, mètres à 4 décimales ou milles marins à 8.

      --csv              champs séparés par des virgules et ligne d'en-tête
      --dms              écrit degrés, minutes et secondes
      --precision=N      décimales des secondes écrites : 2, 3 (défaut) ou 7
      --unit=UNITÉ       distances en m (mètres, défaut) ou nm (milles marins)
      --ellipsoid=NOM    l'ellipsoïde, nommé comme la liste (défaut WGS-84)
      --list-ellipsoids  affiche la liste des ellipsoïdes et quitte
      --kml=FICHIER      écrit aussi la géodésique de chaque ligne en KML
      --gpx=FICHIER      écrit aussi la géodésique de chaque ligne en GPX
      --help             affiche cette aide et quitte
      --version          affiche la version et quitte

Sans FICHIER, ou quand FICHIER est -, lit l'entrée standard. Une ligne illisible
ou sans résultat donne une ligne vide, et un message sur la sortie d'erreur.

Code de sortie : 0 si chaque ligne a été calculée, 1 si une ligne ne l'a pas
été, 2 pour une ligne de commande erronée ou un fichier illisible ou impossible
à écrire.
)";

// A quoted argument: 'x' in English, « x » in French.
std::string Cite(std::string_view texte, bool anglais) {
  std::string cite(anglais ? "'" : "« ");
  return cite.append(texte).append(anglais ? "'" : " »");
}

// "orbalide-calc: " or "orbalide-calc : ".
std::string Prefixe(bool anglais) {
  return std::string(kNomProgramme) + (anglais ? ": " : " : ");
}

std::string Faute(const ErreurUsage& e, bool anglais) {
  const std::string a = Cite(e.Argument, anglais);
  switch (e.Quoi) {
    case ErreurUsage::Faute::OptionInconnue:
      return anglais ? "unrecognized option " + a : "option non reconnue " + a;
    case ErreurUsage::Faute::ValeurManquante:
      return anglais ? "option " + a + " requires an argument"
                     : "l'option " + a + " requiert un argument";
    case ErreurUsage::Faute::ValeurSuperflue:
      return anglais ? "option " + a + " doesn't allow an argument"
                     : "l'option " + a + " ne prend pas d'argument";
    case ErreurUsage::Faute::PrecisionInconnue:
      return anglais ? "invalid precision " + a + ": 2, 3 or 7"
                     : "précision " + a + " invalide : 2, 3 ou 7";
    case ErreurUsage::Faute::UniteInconnue:
      return anglais ? "invalid unit " + a + ": m or nm" : "unité " + a + " invalide : m ou nm";
    case ErreurUsage::Faute::EllipsoideInconnu:
      return anglais ? "unknown ellipsoid " + a + " (see --list-ellipsoids)"
                     : "ellipsoïde " + a + " inconnu (voir --list-ellipsoids)";
    case ErreurUsage::Faute::CommandeManquante:
      return anglais ? "missing command: direct or inverse"
                     : "commande manquante : direct ou inverse";
    case ErreurUsage::Faute::CommandeInconnue:
      break;
  }
  return anglais ? "unknown command " + a + ": direct or inverse"
                 : "commande " + a + " inconnue : direct ou inverse";
}

std::string Defaut(const Refus& r, bool anglais) {
  const std::string c(r.Colonne);
  switch (r.Defaut) {
    case DefautLecture::Aucun:
    case DefautLecture::Illisible:
      break;
    case DefautLecture::NonFini:
      return anglais ? c + " is not a finite number" : c + " n'est pas un nombre fini";
    case DefautLecture::AutreAxe: {
      const bool latitude = r.Lu == Genre::Latitude;
      return anglais
                 ? c + " has the hemisphere letter of a " + (latitude ? "longitude" : "latitude")
                 : c + " porte la lettre d'hémisphère d'une " +
                       (latitude ? "longitude" : "latitude");
    }
    case DefautLecture::AuDelaDuPole:
      return anglais ? c + " is beyond 90°" : c + " dépasse 90°";
    case DefautLecture::AuDelaDe540:
      return anglais ? c + " is beyond 540°" : c + " dépasse 540°";
    case DefautLecture::SoixanteOuPlus:
      return anglais ? c + " has minutes or seconds of 60 or more"
                     : c + " a des minutes ou des secondes de 60 ou plus";
  }
  if (r.Lu == Genre::Distance) return anglais ? c + " is not a number" : c + " n'est pas un nombre";
  return anglais ? c + " is not an angle" : c + " n'est pas un angle";
}

std::string Raison(const Refus& r, bool anglais) {
  const std::string attendus = std::to_string(kChampsParLigne);
  switch (r.Quoi) {
    case Refus::Motif::TropPeuDeChamps: {
      const std::string n = std::to_string(r.Champs);
      const char* pluriel = r.Champs > 1 ? "s" : "";
      return anglais ? n + " field" + pluriel + ", " + attendus + " expected"
                     : n + " champ" + pluriel + ", " + attendus + " attendus";
    }
    case Refus::Motif::TropDeChamps:
      return anglais ? "more than " + attendus + " fields" : "plus de " + attendus + " champs";
    case Refus::Motif::LigneTropLongue: {
      const std::string n = std::to_string(kLongueurLigneMax);
      return anglais ? "line longer than " + n + " bytes" : "ligne de plus de " + n + " octets";
    }
    case Refus::Motif::Champ:
      return Defaut(r, anglais);
    case Refus::Motif::SansResultat:
      break;
  }
  return std::string(TexteSansResultat(r.Cause, anglais));
}

}  // namespace

bool AnglaisSelon(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* reglage : {lcAll, lcMessages, lang}) {
    if (reglage != nullptr && *reglage != '\0') return !std::string_view(reglage).starts_with("fr");
  }
  return true;
}

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

std::string TexteEllipsoides(bool anglais) {
  // Characters, not bytes, line the columns up: the bytes that do not continue a UTF-8 one.
  const auto largeur = [](std::string_view texte) {
    return std::count_if(texte.begin(), texte.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
  };
  const auto premiere = std::max_element(
      Catalogue.begin(), Catalogue.end(),
      [&](const auto& a, const auto& b) { return largeur(a.Nom) < largeur(b.Nom); });
  const auto colonne = static_cast<std::size_t>(largeur(premiere->Nom)) + 2;
  const auto ligne = [&](std::string_view nom, const std::string& proj) {
    const auto blancs = colonne - static_cast<std::size_t>(largeur(nom));
    return std::string(nom).append(blancs, ' ') + proj + "\n";
  };
  std::string texte = ligne(anglais ? "Name" : "Nom", anglais ? "PROJ +ellps" : "+ellps de PROJ");
  for (std::size_t i = 0; i < Catalogue.size(); ++i) {
    const NomsEllipsoide& n = NomsCatalogue[i];
    const std::string autre(n.ProjAutreFigure);
    texte += ligne(Catalogue[i].Nom, !n.Proj.empty() ? std::string(n.Proj)
                                     : anglais
                                         ? "none: PROJ's " + autre + " is another figure"
                                         : "aucun : le " + autre + " de PROJ est une autre figure");
  }
  return texte;
}

std::string TexteUsage(const ErreurUsage& erreur, bool anglais) {
  const std::string aide = Cite(std::string(kNomProgramme) + " --help", anglais);
  return Prefixe(anglais) + Faute(erreur, anglais) + "\n" +
         (anglais ? "Try " + aide + " for more information.\n"
                  : "Saisissez " + aide + " pour plus d'informations.\n");
}

std::string NomLigne(std::size_t ligne, bool anglais) {
  return (anglais ? "line " : "ligne ") + std::to_string(ligne);
}

std::string TexteRefus(std::size_t ligne, const Refus& refus, bool anglais) {
  return Prefixe(anglais) + NomLigne(ligne, anglais) + (anglais ? ": " : " : ") +
         Raison(refus, anglais) + "\n";
}

std::string TexteConflit(std::string_view fichier, bool lu, bool anglais) {
  const std::string nom = Cite(fichier, anglais);
  const std::string quoi = lu ? (anglais ? nom + " is read: it is not written over"
                                         : nom + " est lu : il n'est pas remplacé")
                              : (anglais ? nom + " is named for both --kml and --gpx"
                                         : nom + " est nommé pour --kml et pour --gpx");
  return Prefixe(anglais) + quoi + "\n";
}

std::string TexteFichier(Acces acces, std::optional<std::string_view> fichier, int erreur,
                         bool anglais) {
  std::string nom = fichier ? Cite(*fichier, anglais)
                    : acces == Acces::Ecriture
                        ? (anglais ? "standard output" : "la sortie standard")
                        : (anglais ? "standard input" : "l'entrée standard");
  std::string quoi;
  switch (acces) {
    case Acces::Ouverture:
      quoi = anglais ? "cannot open " + nom : "impossible d'ouvrir " + nom;
      break;
    case Acces::Lecture:
      quoi = anglais ? "error reading " + nom : "erreur de lecture de " + nom;
      break;
    case Acces::Ecriture:
      quoi = anglais ? "error writing " + nom : "erreur d'écriture de " + nom;
      break;
  }
  return Prefixe(anglais) + quoi + (anglais ? ": " : " : ") + std::strerror(erreur) + "\n";
}

}  // namespace orbalide::calc
