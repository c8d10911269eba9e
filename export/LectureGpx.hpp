// GPX files read back: the waypoints of a route (or of the file, when it has none), as chart
// plotters, planners and the passage's own GPX files hold them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Passage.hpp"

namespace orbalide {

// Whether a file that begins with `debut` is XML, to be read as GPX: its first character after a
// byte order mark and blanks is "<", which no waypoint's line starts with; or it is UTF-16.
bool DebutXml(std::string_view debut);

// Which route of the file to read: by its rank, by its name, or by default the first one, or the
// file's <wpt>s when it has no route (a file of neither is refused). A route chosen that is the
// first part of a route cut for plotters ("Brest–Las Palmas 1/3", NomPartie's; by name, as
// "Brest–Las Palmas" too) is read with the parts that follow it in order, each joined where the
// one before ended.
struct ChoixRoute {
  std::size_t Rang = 0;  // from 1; 0: by name, or by default
  std::string Nom{};     // with no rank: the first route of this <name>, as a user types it (the
                         // case of its letters and the blanks around and between its words
                         // aside); empty: by default
};

struct PointGpx {
  PointDePassage Point;  // Nom: its <name> without the blanks around it, the others made single
                         // spaces; Fait: its <type> is kTypePointFait; NomComplet: in a file this
                         // program wrote (creator kCreateurGpx), its <desc>, the full name
  std::size_t Ligne;     // where its element starts, from 1
};

struct RouteGpxLue {
  std::vector<PointGpx> Points;  // in the file's order
  std::string Nom;               // the route's <name>
  bool SansRoute = false;        // the file has no route: its <wpt>s
  bool NotreFichier = false;     // this program wrote the file (creator kCreateurGpx)
};

// Beyond these, a file is refused: no GPX comes close, and the memory stays bounded.
inline constexpr std::size_t kProfondeurGpxMax = 64;   // elements within elements
inline constexpr std::size_t kBaliseGpxMax = 1 << 20;  // bytes of a tag, a comment…
inline constexpr std::size_t kNomGpxMax = 4096;        // bytes of a name

// Why a GPX file gives no waypoint.
struct ErreurGpx {
  enum class Motif {
    MalForme,      // not well-formed XML: Detail, the parser's words (in English)
    PasGpx,        // its root is no <gpx> of GPX 1.0 or 1.1
    Entite,        // it declares an entity, or refers to one it does not declare
    TropProfond,   // elements within elements beyond kProfondeurGpxMax
    TropLong,      // a tag, a comment… longer than kBaliseGpxMax bytes
    NomTropLong,   // a name longer than kNomGpxMax bytes
    Coordonnees,   // a point without a valid latitude or longitude: Detail, "lat" or "lon"
    RouteAbsente,  // no route of the rank or the name chosen: Detail, the routes counted
    SansPoint,     // no route nor <wpt> (a track, perhaps)
  };
  Motif Quoi;
  std::size_t Ligne;  // where, from 1; 0 for the whole file (RouteAbsente, SansPoint)
  std::string Detail{};
};

// The error in the words the user reads, French or English, without the file's place.
std::string TexteErreurGpx(const ErreurGpx& erreur, const ChoixRoute& choix, bool anglais);

// Said when a route is chosen but no input is a GPX file, without a place.
std::string TexteSansFichierGpx(const ChoixRoute& choix, bool anglais);

// Said when a file without a route gives its <wpt>s, without the file's place.
std::string_view TexteSansRouteGpx(bool anglais);

// A GPX file read piece by piece, in memory that grows with the waypoints kept alone. The XML
// parser (expat) reads nothing but the bytes given: no external entity or DTD, no network; a
// file that declares an entity is refused before any is expanded. Elements of other namespaces
// than GPX's (a plotter's extensions), <extensions>, <trk> and <metadata> are skipped whole.
class LecteurGpx {
 public:
  explicit LecteurGpx(ChoixRoute choix);
  ~LecteurGpx();
  LecteurGpx(const LecteurGpx&) = delete;
  LecteurGpx& operator=(const LecteurGpx&) = delete;

  // The next bytes of the file; false once it is refused (Fin says why).
  bool Lire(std::string_view octets);

  // After the last bytes: the route chosen, or why there is none.
  std::variant<RouteGpxLue, ErreurGpx> Fin();

 private:
  struct Etat;
  std::unique_ptr<Etat> etat_;
};

// A whole GPX text read as LecteurGpx reads it.
std::variant<RouteGpxLue, ErreurGpx> LireGpx(std::string_view texte, const ChoixRoute& choix);

}  // namespace orbalide
