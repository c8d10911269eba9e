#include "Refus.hpp"

namespace orbalide {

ValeurLue LireChamp(Genre genre, std::string_view texte) {
  switch (genre) {
    case Genre::Latitude:
      return LireCoordonnee(texte, Axe::Latitude);
    case Genre::Longitude:
      return LireCoordonnee(texte, Axe::Longitude);
    case Genre::Route:
      return LireRoute(texte);
    case Genre::Distance:
      break;
  }
  return LireNombreSeul(texte);
}

std::optional<Refus> RefusEnregistrement(const Enregistrement& e) {
  if (e.GuillemetOuvert) return Refus{.Quoi = Refus::Motif::GuillemetOuvert};
  if (e.TropLong) return Refus{.Quoi = Refus::Motif::LigneTropLongue};
  return std::nullopt;
}

std::variant<double, Refus> LireColonne(const Colonne& colonne, std::string_view texte) {
  const ValeurLue lue = LireChamp(colonne.Lu, texte);
  if (lue.Defaut == DefautLecture::Aucun) return lue.Valeur;
  return Refus{
      .Quoi = Refus::Motif::Champ, .Colonne = colonne.Nom, .Lu = colonne.Lu, .Defaut = lue.Defaut};
}

std::optional<Refus> LireColonnes(std::span<const Colonne> colonnes, const Champs& champs,
                                  std::span<double> valeurs) {
  for (std::size_t i = 0; i < colonnes.size(); ++i) {
    std::variant<double, Refus> lue = LireColonne(colonnes[i], champs.Texte[i]);
    if (const Refus* refus = std::get_if<Refus>(&lue)) return *refus;
    valeurs[i] = std::get<double>(lue);
  }
  return std::nullopt;
}

namespace {

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

}  // namespace

std::string RaisonRefus(const Refus& r, bool anglais) {
  const std::string attendus = std::to_string(r.Attendus);
  switch (r.Quoi) {
    case Refus::Motif::TropPeuDeChamps: {
      const std::string n = std::to_string(r.Champs);
      const char* pluriel = r.Champs > 1 ? "s" : "";
      return anglais ? n + " field" + pluriel + ", " + attendus + " expected"
                     : n + " champ" + pluriel + ", " + attendus + " attendus";
    }
    case Refus::Motif::TropDeChamps:
      return anglais ? "more than " + attendus + " fields" : "plus de " + attendus + " champs";
    case Refus::Motif::GuillemetOuvert:
      return anglais ? "quoted field not closed" : "champ entre guillemets non fermé";
    case Refus::Motif::LigneTropLongue: {
      const std::string n = std::to_string(kLongueurLigneMax);
      return anglais ? "line longer than " + n + " bytes" : "ligne de plus de " + n + " octets";
    }
    case Refus::Motif::Champ:
      return Defaut(r, anglais);
    case Refus::Motif::NomXml:
      return anglais ? "name is not UTF-8 text without control characters but tabs, as GPX and "
                       "KML take"
                     : "le nom n'est pas un texte UTF-8 sans caractère de contrôle autre que la "
                       "tabulation, comme en prennent GPX et KML";
    case Refus::Motif::NomPosition:
      return anglais ? "name begins with a number or an angle: write it in double quotes, or the "
                       "position as 48.3917 -4.4833 or N48 23.500 W004 29.000"
                     : "le nom commence par un nombre ou un angle : l'écrire entre guillemets "
                       "droits, ou la position comme 48.3917 -4.4833 ou N48 23.500 W004 29.000";
    case Refus::Motif::TropLoin: {
      const std::string km = std::to_string(static_cast<long>(kDistanceDirecteMax / 1000));
      return anglais ? "distance is beyond " + km + " km, where the answer would lose its accuracy"
                     : "la distance dépasse " + km + " km, où la réponse perdrait sa précision";
    }
    case Refus::Motif::SansResultat:
      break;
  }
  return std::string(TexteSansResultat(r.Cause, anglais));
}

}  // namespace orbalide
