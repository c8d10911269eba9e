// A passage: from the navigator's waypoints, the legs to steer, each a rhumb line, with the
// waypoints made along each leg's geodesic (every so many metres, on chosen meridians), the
// composite sailing that keeps within a latitude, the totals and the times at a speed.
//
// Plain values in and out: the caller reads the waypoints and writes the legs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Ellipsoide.hpp"
#include "SansResultat.hpp"
#include "Temps.hpp"

namespace orbalide {

// A waypoint of the passage, given by the navigator or made by the passage.
struct PointDePassage {
  double Latitude;   // decimal degrees, north positive, −90 to 90
  double Longitude;  // decimal degrees, east positive; in a Passage within ±180, a given one's too
  std::string Nom;   // a given waypoint without a name is named "WP" and its rank: WP1, WP2…
  bool Fait = false;  // made by the passage; among the waypoints given (a route read back), one
                      // that the passage leaves out and makes again from its settings
  std::string NomComplet{};  // with a name shortened for plotters (AvecNomsCourts, or read back so
                             // from a file), the full one
};

// The largest step of meridians: a whole turn holds at least two.
inline constexpr double kPasMeridiensMax = 180;
// The lowest speed, knots: below, a passage's hours run to hundreds of digits.
inline constexpr double kVitesseMin = 0.1;

struct ReglagesPassage {
  Ellipsoide Reference;
  double Intervalle = 0;    // `every`: metres between waypoints made along each geodesic; 0: none
  double PasMeridiens = 0;  // `meridians`: degrees, at most kPasMeridiensMax; a waypoint made
                            // where each geodesic crosses a multiple of it (within ±180°); 0: none
  double LatitudeMax = 90;  // `max-latitude`: degrees, above 0 and at most 90; the route keeps
                            // within it, north and south
  double Vitesse = 0;       // knots, at least kVitesseMin; 0: no times
  std::optional<Instant> Depart{};  // at the first waypoint, with a speed: the times of arrival
};

// A leg steered: the rhumb line from one waypoint of the passage to the next.
struct Troncon {
  std::size_t Depart, Arrivee;  // indexes into Passage::Points
  double Route;                 // the rhumb line's course, degrees, 0 to 360; 180 for no length
  double Distance;              // its length, metres
  double RouteOrthodromie;      // the geodesic's initial course between the same points
  double DistanceOrthodromie;   // its length, metres
  double Heures;                // at the speed, hours; 0 without a speed
  double HeuresCumulees;        // since the first waypoint, this leg's included
};

struct Passage {
  Ellipsoide Reference;                // the settings'
  std::vector<PointDePassage> Points;  // every waypoint, given and made, in the order sailed
  std::vector<Troncon> Troncons;       // from each point to the next
  double Distance = 0;                 // the sums of the legs' lengths, metres
  double DistanceOrthodromie = 0;
  double Heures = 0;                // the whole passage at the speed
  std::optional<Instant> Depart{};  // the settings'; the time of arrival at a waypoint is
                                    // InstantApres(*Depart, the legs' HeuresCumulees to it)
};

// Why a passage has no route. Point: the index of the given waypoint concerned (for a leg, its
// arrival's), in the order given.
struct ErreurPassage {
  enum class Motif {
    Reglages,     // a setting out of its range (negative, not finite, a latitude ≤ 0 or > 90)
    AucunPoint,   // no waypoint given
    UnSeulPoint,  // one waypoint: no leg
    AuDelaLatitudeMax,  // a waypoint given poleward of the maximum latitude
    SansResultat,       // a leg whose geodesic or rhumb line has no result: Cause says why
    TropDePoints,       // more than kPointsFaitsMax waypoints to make
    ArriveeTardive,     // from the departure at the speed, an arrival after the year 9999 (at
                        // the last waypoint)
  };
  Motif Quoi;
  std::size_t Point = 0;
  SansResultat Cause = SansResultat::HorsDomaine;
};

// Between the names of the two given waypoints of a made waypoint's leg, "Brest–Lisbon 3".
inline constexpr std::string_view kTiretNom = "–";

// Beyond this many made waypoints a passage is refused: a plotter takes a few hundred.
inline constexpr std::size_t kPointsFaitsMax = 100000;

// The route of the waypoints given, in order, with the settings; or why there is none. The
// waypoints given that are marked made are left out (and made again, from the settings). Made
// waypoints are named after their leg: "Brest–Lisbon 3" is the third made between the given
// Brest and Lisbon (their NomComplet after the full names, where one of those has one). The legs'
// geodesics come from the inverse solution; a made waypoint lies on its leg's geodesic (computed by
// the direct solution), except on the parallel of a composite route. With a maximum latitude, a leg
// whose geodesic would pass poleward of it follows the geodesic from its departure that just
// touches the parallel, the parallel, and the geodesic that leaves it tangentially for its arrival;
// both points of contact are made waypoints, and the `every` distances run from the start of each
// of these three parts.
std::variant<Passage, ErreurPassage> CalculerPassage(const std::vector<PointDePassage>& points,
                                                     const ReglagesPassage& reglages);

// The waypoints given in the order sailed back, from the last to the first; one without a name is
// named after its rank in the order given (WP1 is still the first given, now the last sailed).
std::vector<PointDePassage> PointsInverses(std::vector<PointDePassage> points);

// The error in the words the user reads, French or English, without the waypoint's place.
std::string TexteErreurPassage(const ErreurPassage& erreur, bool anglais);

struct HeuresMinutes {
  double Heures;  // whole hours
  int Minutes;    // 0 to 59
};

// A time in hours as hours and minutes, rounded to the nearest minute.
HeuresMinutes EnHeuresMinutes(double heures);

}  // namespace orbalide
