#include "Textes.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "Traceurs.hpp"

namespace orbalide::calc {
namespace {

// A quoted argument: 'x' in English, « x » in French.
std::string Cite(std::string_view texte, bool anglais) {
  std::string cite(anglais ? "'" : "« ");
  return cite.append(texte).append(anglais ? "'" : " »");
}

// "orbalide-calc: " or "orbalide-calc : ".
std::string Prefixe(bool anglais) {
  return std::string(kNomProgramme) + (anglais ? ": " : " : ");
}

// A setting of route that does not fit, and what it takes.
std::string Attendu(const ErreurUsage& e, bool anglais) {
  constexpr std::array<std::array<std::string_view, 3>, 8> kAttendus{{
      {"--depart", "a date and time with its zone, as 2026-12-24T06:00Z",
       "une date et une heure avec leur fuseau, comme 2026-12-24T06:00Z"},
      {"--route", "a rank from 1, or a name", "un rang à partir de 1, ou un nom"},
      {"--name-length", "a whole number of at least 3", "un nombre entier d'au moins 3"},
      {"--max-points", "a whole number above 1", "un nombre entier supérieur à 1"},
      {"--every", "a distance above 0", "une distance supérieure à 0"},
      {"--meridians", "an angle above 0 and at most 180",
       "un angle supérieur à 0 et d'au plus 180"},
      {"--max-latitude", "a latitude above 0 and at most 90, north or south",
       "une latitude supérieure à 0 et d'au plus 90, nord ou sud"},
      {"--speed", "a number of knots of at least 0.1", "un nombre de nœuds d'au moins 0,1"},
  }};
  const auto attendu = std::find_if(kAttendus.begin(), kAttendus.end(),
                                    [&](const auto& a) { return a[0] == e.Option; });
  const std::string option = Cite(e.Option, anglais), valeur = Cite(e.Argument, anglais);
  return (anglais ? "invalid argument " + valeur + " for " + option + ": "
                  : "argument " + valeur + " invalide pour " + option + " : ") +
         std::string((*attendu)[anglais ? 1 : 2]);
}

std::string Faute(const ErreurUsage& e, bool anglais) {
  const std::string a = Cite(e.Argument, anglais);
  switch (e.Quoi) {
    case ErreurUsage::Faute::OptionRefusee:
      return "";
    case ErreurUsage::Faute::ValeurManquante:
      return anglais ? "option " + a + " requires an argument"
                     : "l'option " + a + " requiert un argument";
    case ErreurUsage::Faute::SortieStandard:
      return anglais ? "option " + a +
                           " needs a file: '-' is the standard output, which holds "
                           "the answers (write ./- for a file named -)"
                     : "l'option " + a +
                           " demande un fichier : « - » est la sortie standard, qui "
                           "porte les réponses (écrire ./- pour un fichier nommé -)";
    case ErreurUsage::Faute::PrecisionInconnue:
      return anglais ? "invalid precision " + a + ": 2, 3 or 7"
                     : "précision " + a + " invalide : 2, 3 ou 7";
    case ErreurUsage::Faute::UniteInconnue:
      return anglais ? "invalid unit " + a + ": m or nm" : "unité " + a + " invalide : m ou nm";
    case ErreurUsage::Faute::EllipsoideInconnu:
      return anglais ? "unknown ellipsoid " + a + " (see --list-ellipsoids)"
                     : "ellipsoïde " + a + " inconnu (voir --list-ellipsoids)";
    case ErreurUsage::Faute::ValeurInvalide:
      return Attendu(e, anglais);
    case ErreurUsage::Faute::SansVitesse:
      return anglais ? "option " + a + " requires --speed" : "l'option " + a + " requiert --speed";
    case ErreurUsage::Faute::HorsCommande:
      return anglais ? "option " + Cite(e.Option, anglais) + " does not apply to " + a
                     : "l'option " + Cite(e.Option, anglais) + " ne s'applique pas à " + a;
    case ErreurUsage::Faute::CommandeManquante:
      return anglais ? "missing command: direct, inverse or route"
                     : "commande manquante : direct, inverse ou route";
    case ErreurUsage::Faute::CommandeInconnue:
      break;
  }
  return anglais ? "unknown command " + a + ": direct, inverse or route"
                 : "commande " + a + " inconnue : direct, inverse ou route";
}

}  // namespace

bool AnglaisSelon(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* reglage : {lcAll, lcMessages, lang}) {
    if (reglage != nullptr && *reglage != '\0') return !std::string_view(reglage).starts_with("fr");
  }
  return true;
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
  const std::string faute = Faute(erreur, anglais);  // empty: getopt_long has written it
  return (faute.empty() ? "" : Prefixe(anglais) + faute + "\n") +
         (anglais ? "Try " + aide + " for more information.\n"
                  : "Saisissez " + aide + " pour plus d'informations.\n");
}

std::string TexteNomsIndistincts(std::size_t longueur, bool anglais) {
  const std::string n = std::to_string(longueur);
  return Prefixe(anglais) + (anglais ? "no route: its names cannot be told apart within " + n +
                                           " characters (see --name-length)\n"
                                     : "pas de route : ses noms ne peuvent être distingués en " +
                                           n + " caractères (voir --name-length)\n");
}

std::string TexteRouteLongue(std::size_t points, bool anglais) {
  const std::string n = std::to_string(points), max = std::to_string(kPointsRouteTraceur);
  return Prefixe(anglais) +
         (anglais ? "warning: a GPX route of " + n + " points; many chart plotters take at most " +
                        max + " (see --max-points)\n"
                  : "attention : une route GPX de " + n +
                        " points ; bien des traceurs de cartes en prennent " + max +
                        " au plus (voir --max-points)\n");
}

std::string_view TexteLigneKml(bool anglais) {
  return anglais ? "Legs steered, along their rhumb lines" : "Étapes en loxodromie";
}

std::string NomLigne(std::optional<std::string_view> fichier, std::size_t ligne, bool anglais) {
  const std::string numero = std::to_string(ligne);
  if (fichier) return std::string(*fichier) + ":" + numero;
  return (anglais ? "line " : "ligne ") + numero;
}

std::string TexteRefus(std::string_view fichier, std::size_t ligne, const Refus& refus,
                       bool anglais) {
  return TexteEntree(fichier, ligne, RaisonRefus(refus, anglais));
}

std::string TexteEntree(std::string_view fichier, std::size_t ligne, std::string_view raison) {
  const std::string ou =
      ligne > 0 ? std::string(fichier) + ":" + std::to_string(ligne) : std::string(fichier);
  return std::string(kNomProgramme) + ": " + ou + ": " + std::string(raison) + "\n";
}

std::string TexteSansLieu(std::string_view raison, bool anglais) {
  return Prefixe(anglais) + std::string(raison) + "\n";
}

std::string TexteSansRoute(const ErreurPassage& erreur, std::optional<Lieu> lieu, bool anglais) {
  const std::string raison = TexteErreurPassage(erreur, anglais) + "\n";
  if (!lieu) return Prefixe(anglais) + raison;
  return std::string(kNomProgramme) + ": " + NomLigne(lieu->Fichier, lieu->Ligne, anglais) + ": " +
         raison;
}

std::string TexteConflit(std::string_view fichier, Conflit conflit, bool anglais) {
  // In the order of Conflit, English then French.
  constexpr std::array<std::array<std::string_view, 2>, 4> kConflits{{
      {"is read: it is not written over", "est lu : il n'est pas remplacé"},
      {"is named for both --kml and --gpx", "est nommé pour --kml et pour --gpx"},
      {"is the standard output: it is not written over",
       "est la sortie standard : elle n'est pas remplacée"},
      {"is the standard error: it is not written over",
       "est la sortie d'erreur : elle n'est pas remplacée"},
  }};
  const std::string_view quoi = kConflits[static_cast<std::size_t>(conflit)][anglais ? 0 : 1];
  return Prefixe(anglais) + Cite(fichier, anglais) + " " + std::string(quoi) + "\n";
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
    case Acces::Temporaire:
      quoi = anglais
                 ? "cannot write " + nom + " whole: no temporary file beside it"
                 : "impossible d'écrire " + nom + " en entier : pas de fichier temporaire à côté";
      break;
    case Acces::Remplacement:
      quoi = anglais ? "cannot replace " + nom : "impossible de remplacer " + nom;
      break;
  }
  return Prefixe(anglais) + quoi + (anglais ? ": " : " : ") + std::strerror(erreur) + "\n";
}

}  // namespace orbalide::calc
