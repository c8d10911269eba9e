#include "LectureGpx.hpp"

#include <expat.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>

#include "EncodagesXml.hpp"
#include "Gpx.hpp"
#include "Utf8.hpp"

namespace orbalide {
namespace {

// Between an element's namespace and its local name, as expat gives them: a character that XML
// allows in neither.
constexpr char kSeparateurNs = '\x01';
constexpr std::string_view kEspacesGpx[] = {"http://www.topografix.com/GPX/1/0",
                                            "http://www.topografix.com/GPX/1/1"};
constexpr std::string_view kBlancsXml = " \t\r\n";
constexpr std::size_t kBloc = 1 << 16;  // bytes given to the parser at once

// A decimal of XML Schema ("-4.49", "+38.7"), blanks around it allowed; nothing for any other
// text or beyond `limite` either way.
std::optional<double> Coordonnee(std::string_view t, double limite) {
  t.remove_prefix(std::min(t.size(), t.find_first_not_of(kBlancsXml)));
  t = t.substr(0, t.find_last_not_of(kBlancsXml) + 1);
  if (t.size() > 1 && t[0] == '+' && t[1] != '-') t.remove_prefix(1);
  double v = 0;
  const auto [fin, erreur] =
      std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
  if (t.empty() || erreur != std::errc{} || fin != t.data() + t.size() || !std::isfinite(v) ||
      std::fabs(v) > limite) {
    return std::nullopt;
  }
  return v;
}

// A name without the blanks around it, each run of blanks within it made one space.
std::string Nom(std::string_view texte) {
  std::string nom;
  for (std::size_t i = texte.find_first_not_of(kBlancsXml); i < texte.size();) {
    const std::size_t fin = std::min(texte.size(), texte.find_first_of(kBlancsXml, i));
    if (!nom.empty()) nom += ' ';
    nom.append(texte.substr(i, fin - i));
    i = texte.find_first_not_of(kBlancsXml, fin);
  }
  return nom;
}

// Whether `nom` is that of the first of the routes that a route cut for plotters makes
// (NomPartie's): the route's own name and how many parts it was cut into, then.
bool PremierePartie(std::string_view nom, std::string& base, std::size_t& parties) {
  const std::size_t espace = nom.rfind(' ');
  if (espace == nom.npos || !nom.substr(espace).starts_with(" 1/")) return false;
  const std::string_view nombre = nom.substr(espace + 3);
  const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), parties);
  base = nom.substr(0, espace);
  return erreur == std::errc{} && fin == nombre.data() + nombre.size() && parties >= 2 &&
         NomPartie(base, 1, parties) == nom;
}

}  // namespace

// Where the reading stands: the elements open, the route being read, what is kept.
struct LecteurGpx::Etat {
  // What the element being read is, by the elements it lies within.
  enum class Role { Racine, Route, Point, NomRoute, NomPoint, TypePoint, DescPoint };

  XML_Parser Parseur;
  ChoixRoute Choix;
  std::string Espace{};             // the root's namespace, its children's
  bool NotreFichier = false;        // this program wrote the file: a point's <desc>, its full name
  std::size_t Profondeur = 0;       // of the elements open
  std::size_t Sauter = 0;           // the depth of the element skipped whole, with what it holds; 0
  std::vector<Role> Roles{};        // of the elements open and read
  std::size_t Routes = 0;           // counted so far
  bool Candidate = false;           // whether the route open is read
  bool Trouvee = false;             // the route chosen is read
  RouteGpxLue Route{}, Choisie{};   // the route open, the route chosen
  std::vector<PointGpx> Isoles{};   // <wpt>s, until the first route
  std::optional<PointGpx> Point{};  // open
  std::string Texte{};              // of the name, type or description open
  std::optional<ErreurGpx> Erreur{};
  XML_Index Vu = 0;        // the byte where the last thing the parser told of starts
  std::size_t Donnes = 0;  // bytes given to the parser

  // When the route chosen is the first part of a route cut for plotters: the route's name, the
  // part awaited next (0: none) and how many.
  std::string Base{};
  std::size_t Partie = 0, Parties = 0;

  std::size_t Ligne() const { return XML_GetCurrentLineNumber(Parseur); }
  void Refuser(ErreurGpx::Motif quoi, std::string detail = {}) {
    if (!Erreur) Erreur = ErreurGpx{quoi, Ligne(), std::move(detail)};
    XML_StopParser(Parseur, XML_FALSE);
  }
  void Voir() { Vu = std::max(Vu, XML_GetCurrentByteIndex(Parseur)); }
  static Etat& De(void* donnees) { return *static_cast<Etat*>(donnees); }

  void Debut(std::string_view nom, const XML_Char** attributs);
  void Fin();
  void Caracteres(std::string_view texte);
  void Ouvrir(Role role, const XML_Char** attributs);
  void Fermer(Role role);
  void Continuer();
};

void LecteurGpx::Etat::Debut(std::string_view nom, const XML_Char** attributs) {
  Voir();
  if (Erreur) return;
  if (++Profondeur > kProfondeurGpxMax) return Refuser(ErreurGpx::Motif::TropProfond);
  if (Sauter != 0) return;
  const std::size_t separateur = nom.find(kSeparateurNs);
  const std::string_view espace = separateur == nom.npos ? "" : nom.substr(0, separateur);
  const std::string_view local = separateur == nom.npos ? nom : nom.substr(separateur + 1);
  if (Profondeur == 1) {
    const bool gpx = espace.empty() || std::find(std::begin(kEspacesGpx), std::end(kEspacesGpx),
                                                 espace) != std::end(kEspacesGpx);
    if (!gpx || local != "gpx") return Refuser(ErreurGpx::Motif::PasGpx);
    Espace = espace;
    for (const XML_Char** a = attributs; *a != nullptr; a += 2) {
      NotreFichier = NotreFichier || (std::string_view(a[0]) == "creator" && a[1] == kCreateurGpx);
    }
    return Roles.push_back(Role::Racine);
  }
  using enum Role;
  const Role parent = Roles.back();
  std::optional<Role> role;
  if (espace == Espace) {
    if (parent == Racine && local == "rte") role = Route;
    if ((parent == Racine && local == "wpt") || (parent == Route && local == "rtept")) role = Point;
    if (parent == Route && local == "name") role = NomRoute;
    if (parent == Point && local == "name") role = NomPoint;
    if (parent == Point && local == "type") role = TypePoint;
    if (parent == Point && local == "desc" && NotreFichier) role = DescPoint;
  }
  if (!role) {
    Sauter = Profondeur;
    return;
  }
  Roles.push_back(*role);
  Ouvrir(*role, attributs);
}

void LecteurGpx::Etat::Ouvrir(Role role, const XML_Char** attributs) {
  switch (role) {
    case Role::Route:
      ++Routes;
      Isoles = {};
      Candidate = Trouvee           ? Partie != 0
                  : Choix.Rang != 0 ? Routes == Choix.Rang
                                    : !Choix.Nom.empty() || Routes == 1;
      Route = {};
      break;
    case Role::Point: {
      std::optional<double> lat, lon;
      for (const XML_Char** a = attributs; *a != nullptr; a += 2) {
        const std::string_view nom = a[0];
        if (nom == "lat") lat = Coordonnee(a[1], 90);
        if (nom == "lon") lon = Coordonnee(a[1], 180);
      }
      if (!lat || !lon) return Refuser(ErreurGpx::Motif::Coordonnees, lat ? "lon" : "lat");
      Point = PointGpx{{*lat, *lon, ""}, Ligne()};
      break;
    }
    default:
      Texte.clear();
  }
}

void LecteurGpx::Etat::Caracteres(std::string_view texte) {
  Voir();
  if (Erreur || Sauter != 0 || Roles.empty()) return;
  const Role role = Roles.back();
  if (role == Role::Racine || role == Role::Route || role == Role::Point) return;
  if (Texte.size() + texte.size() > kNomGpxMax) return Refuser(ErreurGpx::Motif::NomTropLong);
  Texte.append(texte);
}

void LecteurGpx::Etat::Fin() {
  Voir();
  const std::size_t profondeur = Profondeur--;
  if (Erreur || Sauter != 0) {
    if (Sauter == profondeur) Sauter = 0;
    return;
  }
  const Role role = Roles.back();
  Roles.pop_back();
  Fermer(role);
}

void LecteurGpx::Etat::Fermer(Role role) {
  switch (role) {
    case Role::Route:
      if (Trouvee && Candidate) {
        Continuer();
      } else if (Candidate) {
        // A cut route is chosen by its own name too, as by its first part's.
        const bool coupee = PremierePartie(Route.Nom, Base, Parties);
        if (Choix.Rang != 0 || Choix.Nom.empty() || MemesSansCasse(Route.Nom, Choix.Nom) ||
            (coupee && MemesSansCasse(Base, Choix.Nom))) {
          Choisie = std::move(Route);
          Trouvee = true;
          Partie = coupee ? 2 : 0;
        }
      }
      Candidate = false;
      break;
    case Role::Point:
      if (Roles.back() == Role::Route && Candidate) Route.Points.push_back(std::move(*Point));
      if (Roles.back() == Role::Racine && Routes == 0) Isoles.push_back(std::move(*Point));
      Point.reset();
      break;
    case Role::NomRoute:
      Route.Nom = Nom(Texte);
      break;
    case Role::NomPoint:
      Point->Point.Nom = Nom(Texte);
      break;
    case Role::TypePoint:
      Point->Point.Fait = Nom(Texte) == kTypePointFait;
      break;
    case Role::DescPoint:
      Point->Point.NomComplet = Nom(Texte);
      break;
    case Role::Racine:
      break;
  }
}

// The route just read joined to the cut route chosen when it is its next part, its first point
// left out where it is the last one of the part before. The parts follow one another or end there.
void LecteurGpx::Etat::Continuer() {
  if (Route.Nom != NomPartie(Base, Partie, Parties)) {
    Partie = 0;
    return;
  }
  std::vector<PointGpx>& points = Choisie.Points;
  auto debut = Route.Points.begin();
  if (debut != Route.Points.end() && !points.empty() &&
      debut->Point.Latitude == points.back().Point.Latitude &&
      debut->Point.Longitude == points.back().Point.Longitude) {
    ++debut;
  }
  points.insert(points.end(), std::make_move_iterator(debut),
                std::make_move_iterator(Route.Points.end()));
  Partie = Partie == Parties ? 0 : Partie + 1;
}

LecteurGpx::LecteurGpx(ChoixRoute choix)
    : etat_(new Etat{XML_ParserCreateNS(nullptr, kSeparateurNs), std::move(choix)}) {
  if (etat_->Parseur == nullptr) throw std::bad_alloc();
  etat_->Choix.Nom = Nom(etat_->Choix.Nom);  // as the routes' names are read
  XML_Parser p = etat_->Parseur;
  XML_SetUserData(p, etat_.get());
  XML_SetElementHandler(
      p, [](void* d, const XML_Char* nom, const XML_Char** a) { Etat::De(d).Debut(nom, a); },
      [](void* d, const XML_Char*) { Etat::De(d).Fin(); });
  XML_SetCharacterDataHandler(p, [](void* d, const XML_Char* t, int n) {
    Etat::De(d).Caracteres({t, static_cast<std::size_t>(n)});
  });
  // Whatever else the parser reads (comments, declarations, instructions) moves its place on.
  XML_SetDefaultHandlerExpand(p, [](void* d, const XML_Char*, int) { Etat::De(d).Voir(); });
  // No entity but XML's own five is ever expanded, nor anything outside the file read: a file
  // that declares an entity (the "billion laughs") or refers to one it does not declare (from an
  // external DTD) is refused at the declaration or the reference.
  XML_SetParamEntityParsing(p, XML_PARAM_ENTITY_PARSING_NEVER);
  XML_SetEntityDeclHandler(
      p, [](void* d, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
            const XML_Char*, const XML_Char*) { Etat::De(d).Refuser(ErreurGpx::Motif::Entite); });
  XML_SetSkippedEntityHandler(
      p, [](void* d, const XML_Char*, int) { Etat::De(d).Refuser(ErreurGpx::Motif::Entite); });
  XML_SetExternalEntityRefHandler(
      p, [](XML_Parser, const XML_Char*, const XML_Char*, const XML_Char*, const XML_Char*) {
        return static_cast<int>(XML_STATUS_ERROR);
      });
  XML_SetUnknownEncodingHandler(p, EncodageInconnu, nullptr);
}

LecteurGpx::~LecteurGpx() {
  XML_ParserFree(etat_->Parseur);
}

bool LecteurGpx::Lire(std::string_view octets) {
  Etat& e = *etat_;
  for (std::size_t i = 0; i < octets.size() && !e.Erreur; i += kBloc) {
    const std::string_view bloc = octets.substr(i, kBloc);
    e.Donnes += bloc.size();
    if (XML_Parse(e.Parseur, bloc.data(), static_cast<int>(bloc.size()), XML_FALSE) !=
        XML_STATUS_OK) {
      e.Refuser(ErreurGpx::Motif::MalForme, XML_ErrorString(XML_GetErrorCode(e.Parseur)));
    } else if (e.Donnes - static_cast<std::size_t>(e.Vu) > kBaliseGpxMax) {
      // What the parser holds without having told of it: one tag, comment… so long.
      e.Refuser(ErreurGpx::Motif::TropLong);
    }
  }
  return !e.Erreur;
}

std::variant<RouteGpxLue, ErreurGpx> LecteurGpx::Fin() {
  Etat& e = *etat_;
  if (!e.Erreur && XML_Parse(e.Parseur, nullptr, 0, XML_TRUE) != XML_STATUS_OK) {
    e.Refuser(ErreurGpx::Motif::MalForme, XML_ErrorString(XML_GetErrorCode(e.Parseur)));
  }
  if (e.Erreur) return *e.Erreur;
  if (e.Trouvee) {
    e.Choisie.NotreFichier = e.NotreFichier;
    return std::move(e.Choisie);
  }
  if (e.Routes == 0 && e.Choix.Rang == 0 && e.Choix.Nom.empty()) {
    if (e.Isoles.empty()) return ErreurGpx{ErreurGpx::Motif::SansPoint, 0};
    return RouteGpxLue{std::move(e.Isoles), "", true, e.NotreFichier};
  }
  return ErreurGpx{ErreurGpx::Motif::RouteAbsente, 0, std::to_string(e.Routes)};
}

std::variant<RouteGpxLue, ErreurGpx> LireGpx(std::string_view texte, const ChoixRoute& choix) {
  LecteurGpx lecteur(choix);
  lecteur.Lire(texte);
  return lecteur.Fin();
}

bool DebutXml(std::string_view debut) {
  constexpr std::string_view kMarqueOrdre = "\xEF\xBB\xBF";
  // UTF-16, which no waypoint's line of UTF-8 starts with and expat reads: its byte order marks,
  // or "<" big-endian without one (little-endian, it starts with "<" as UTF-8 does).
  using namespace std::string_view_literals;
  for (const std::string_view utf16 : {"\xFF\xFE"sv, "\xFE\xFF"sv, "\0<"sv}) {
    if (debut.starts_with(utf16)) return true;
  }
  if (debut.starts_with(kMarqueOrdre)) debut.remove_prefix(kMarqueOrdre.size());
  const std::size_t i = debut.find_first_not_of(kBlancsXml);
  return i != debut.npos && debut[i] == '<';
}

}  // namespace orbalide
