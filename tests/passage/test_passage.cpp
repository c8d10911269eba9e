// Passages against independent oracles: GeographicLib's geodesics and rhumb lines for the legs,
// the made waypoints and the composite routes; libxml2 and GDAL's ogrinfo for the files.
#include <gtest/gtest.h>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <variant>

#include "Escales.hpp"
#include "Itineraire.hpp"
#include "LectureGpx.hpp"
#include "Nombres.hpp"
#include "Passage.hpp"
#include "Traceurs.hpp"
#include "Xml.hpp"

using namespace orbalide;
using orbalide::test::Elements;
namespace fs = std::filesystem;
using GeographicLib::Math;

namespace {

constexpr double kMille = 1852;

double Gap(double a, double b) {
  return std::fabs(std::remainder(a - b, 360.0));
}

// The latitude of the vertex of the geodesic from lat1 on azi1 (GeographicLib's courses).
double Vertex(const GeographicLib::Geodesic& g, double lat1, double azi1) {
  const double f = g.Flattening(), beta1 = std::atan((1 - f) * Math::tand(lat1));
  const double beta0 = std::acos(std::fabs(Math::sind(azi1) * std::cos(beta1)));
  return Math::atand(std::tan(beta0) / (1 - f));
}

}  // namespace

// Each route's given waypoints keep their order and names (WP and their rank when unnamed); the
// made ones are named after their leg and lie on its geodesic within 1 mm (on the parallel, for
// a composite route's middle): `every` apart within 1 mm, as many as fit; on each crossed
// meridian within 1e-9°. A composite route touches its parallel (vertex latitude within 1e-9°),
// is steered no longer than the rhumb line, and is shorter than routes along the parallel from
// further back; where it would be steered longer, the leg is its rhumb line, the waypoints made
// on it. Each
// leg steered is GeographicLib's rhumb line (0.1 mm, 1e-9°) with its geodesic (1 mm, 1e-7°), its
// time at the speed, the totals their sums. The GPX route and the KML document hold every
// waypoint, the GPX's positions read back as the same doubles; the KML line follows each rhumb line
// within 0.1 mm, its points evenly spread and at most 10 km apart.
TEST(Passage, Routes) {
  const std::vector<PointDePassage> iberia{
      {48.38, -4.49, "Brest"}, {38.7, -9.15, "Lisbon"}, {28.1, -15.4, "Las Palmas"}};
  const struct {
    std::int16_t ellipsoid;
    std::vector<PointDePassage> given;
    double every, meridians, maxLatitude, knots;
  } routes[] = {
      {kIndexWgs84, iberia, 300 * kMille, 0, 90, 6},
      {kIndexWgs84, {{48.4, -4.5, "Brest"}, {44.65, -63.57, "Halifax"}}, 0, 10, 90, 0},
      {kIndexWgs84, {{35, 140, "Tokyo"}, {37.8, -122.4, "San Francisco"}}, 0, 15, 45, 12.5},
      {kIndexSphere, {{-33.9, 18.4, "Cape Town"}, {-31.95, 115.85, "Perth & Co"}}, 1e6, 0, 40, 0},
      // Arrives at 45° eastward, and leaves from it.
      {2, {{40, 110, ""}, {45, 150, ""}, {40, 230, ""}, {-10, -140, ""}}, 2e6, 0, 45, 0},
      {kIndexWgs84, {{-0.0, 108, "A"}, {-0.0, -72, "B"}}, 5e6, 0, 1e-12, 0},  // opposite, by -0
      // Composite sailing steered longer than the rhumb line: the rhumb line.
      {kIndexWgs84, {{0, 0, "C"}, {0, 180, "D"}}, 0, 0, 30, 0},
      {kIndexWgs84, {{10, 0, "E"}, {-10, 179.5, "F"}}, 0, 60, 20, 0},
  };
  const fs::path folder =
      fs::temp_directory_path() / ("orbalide-passage-" + std::to_string(getpid()));
  fs::create_directories(folder);
  for (const auto& t : routes) {
    SCOPED_TRACE(t.given.front().Nom + " " + std::to_string(t.ellipsoid));
    const Ellipsoide e = *EllipsoideDuCatalogue(t.ellipsoid);
    const GeographicLib::Geodesic geodesic(e.DemiGrandAxe, e.Aplatissement);
    const GeographicLib::Rhumb rhumb(e.DemiGrandAxe, e.Aplatissement);
    const auto outcome =
        CalculerPassage(t.given, {e, t.every, t.meridians, t.maxLatitude, t.knots});
    ASSERT_TRUE(std::holds_alternative<Passage>(outcome));
    const Passage& p = std::get<Passage>(outcome);

    // Each leg given: its made waypoints' names, then its parts.
    std::size_t at = 0;
    for (std::size_t leg = 0; leg + 1 < t.given.size(); ++leg) {
      const auto named = [&](std::size_t i) {
        const std::string& n = t.given[i].Nom;
        return n.empty() ? "WP" + std::to_string(i + 1) : n;
      };
      ASSERT_EQ(p.Points[at].Nom, named(leg));
      std::size_t end = at + 1;
      for (; p.Points[end].Fait; ++end) {
        EXPECT_EQ(p.Points[end].Nom,
                  named(leg) + "–" + named(leg + 1) + " " + std::to_string(end - at));
      }
      ASSERT_EQ(p.Points[end].Nom, named(leg + 1));
      // Its parts: the run of points on the parallel, if any, and the geodesics on either side;
      // or the rhumb line where the geodesic would pass the parallel.
      const auto part = [&](std::size_t a, std::size_t b, bool loxodrome) {
        const PointDePassage &A = p.Points[a], &B = p.Points[b];
        double s = 0, azi = 0, azi2 = 0;
        geodesic.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi, azi2);
        if (loxodrome) rhumb.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi);
        if (!loxodrome && t.maxLatitude < 90) {
          // The geodesic passes its vertex where its course turns from poleward to equatorward.
          const bool vertex = Math::cosd(azi) * Math::cosd(azi2) < 0;
          EXPECT_LE(vertex ? Vertex(geodesic, A.Latitude, azi)
                           : std::max(std::fabs(A.Latitude), std::fabs(B.Latitude)),
                    t.maxLatitude + 1e-9);
          if (std::fabs(A.Latitude) == t.maxLatitude || std::fabs(B.Latitude) == t.maxLatitude) {
            EXPECT_NEAR(Vertex(geodesic, A.Latitude, azi), t.maxLatitude, 1e-9);
          }
        }
        // As many made as fit, or as multiples of the step lie strictly within the longitudes.
        const double arc = std::remainder(B.Longitude - A.Longitude, 360.0),
                     low = std::min(A.Longitude, A.Longitude + arc), high = low + std::fabs(arc);
        EXPECT_EQ(static_cast<double>(b - a - 1),
                  t.every > 0 ? std::floor((s - 1e-3) / t.every)
                  : t.meridians > 0
                      ? std::ceil(high / t.meridians) - std::floor(low / t.meridians) - 1
                      : 0);
        for (std::size_t m = a + 1; m < b; ++m) {
          const PointDePassage& M = p.Points[m];
          double sm = 0, azim = 0, azim2 = 0;
          if (loxodrome) {
            rhumb.Inverse(A.Latitude, A.Longitude, M.Latitude, M.Longitude, sm, azim);
          } else {
            geodesic.Inverse(A.Latitude, A.Longitude, M.Latitude, M.Longitude, sm, azim, azim2);
          }
          EXPECT_LT(std::fabs(sm * Math::sind(azim - azi)), 1e-3) << M.Nom;
          const double multiple = t.meridians > 0 ? std::remainder(M.Longitude, t.meridians) : 0;
          EXPECT_LT(std::fabs(multiple), 1e-9) << M.Nom;
          EXPECT_NEAR(t.every > 0 ? sm : 0, t.every * static_cast<double>(m - a), 1e-3) << M.Nom;
        }
      };
      const auto onParallel = [&](std::size_t i) {
        return t.maxLatitude < 90 && std::fabs(p.Points[i].Latitude) == t.maxLatitude;
      };
      std::size_t c1 = at;
      while (c1 <= end && !onParallel(c1)) ++c1;
      std::size_t c2 = c1;
      while (c2 + 1 <= end && onParallel(c2 + 1)) ++c2;
      if (c1 > end) {
        const PointDePassage &A = p.Points[at], &B = p.Points[end];
        double s = 0, azi = 0, azi2 = 0;
        geodesic.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi, azi2);
        part(at, end,
             Math::cosd(azi) * Math::cosd(azi2) < 0 &&
                 Vertex(geodesic, A.Latitude, azi) > t.maxLatitude + 1e-9);
      } else {
        if (c1 > at) part(at, c1, false);
        if (c2 > c1) part(c1, c2, true);
        if (end > c2) part(c2, end, false);
        // Steered no longer than the rhumb line, which keeps within the parallel (its latitude is
        // monotonic), and shorter than leaving the parallel further on after meeting it further
        // back.
        const auto length = [&](std::vector<PointDePassage> via) {
          double total = 0, s = 0, azi = 0, azi2 = 0;
          for (std::size_t i = 0; i + 1 < via.size(); ++i) {
            const PointDePassage &A = via[i], &B = via[i + 1];
            if (i == 1) rhumb.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi);
            if (i != 1)
              geodesic.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi, azi2);
            total += s;
          }
          return total;
        };
        const PointDePassage &A = p.Points[at], &B = p.Points[end], &C1 = p.Points[c1],
                             &C2 = p.Points[c2];
        const double composite = length({A, C1, C2, B}),
                     east = std::remainder(C2.Longitude - C1.Longitude, 360.0) > 0 ? 1 : -1;
        double s = 0, azi = 0, steered = 0;
        for (std::size_t i = at; i < end; ++i) {
          const PointDePassage &P = p.Points[i], &Q = p.Points[i + 1];
          rhumb.Inverse(P.Latitude, P.Longitude, Q.Latitude, Q.Longitude, s, azi);
          steered += s;
        }
        rhumb.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi);
        EXPECT_LE(steered, s + 1e-6);  // as long only when both ends lie on the parallel
        for (const double back : {0.5, 2.0, 5.0}) {
          PointDePassage before = C1, after = C2;
          before.Longitude -= east * back, after.Longitude += east * back;
          EXPECT_LT(composite, length({A, before, after, B})) << back;
        }
      }
      at = end;
    }

    // The legs steered, their times and the totals.
    double distance = 0, geodesics = 0, hours = 0;
    for (const Troncon& leg : p.Troncons) {
      const PointDePassage &A = p.Points[leg.Depart], &B = p.Points[leg.Arrivee];
      SCOPED_TRACE(A.Nom + " to " + B.Nom);
      double s = 0, azi = 0, azi2 = 0;
      rhumb.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi);
      EXPECT_NEAR(leg.Distance, s, 1e-4);
      EXPECT_LT(Gap(leg.Route, azi), 1e-9);
      geodesic.Inverse(A.Latitude, A.Longitude, B.Latitude, B.Longitude, s, azi, azi2);
      EXPECT_NEAR(leg.DistanceOrthodromie, s, 1e-3);
      EXPECT_LT(Gap(leg.RouteOrthodromie, azi), 1e-7);
      EXPECT_NEAR(leg.Heures, t.knots > 0 ? leg.Distance / (t.knots * kMille) : 0, 1e-12);
      distance += leg.Distance, geodesics += leg.DistanceOrthodromie, hours += leg.Heures;
      EXPECT_NEAR(leg.HeuresCumulees, hours, 1e-9);
    }
    EXPECT_EQ(p.Troncons.size() + 1, p.Points.size());
    EXPECT_NEAR(p.Distance, distance, 1e-6);
    EXPECT_NEAR(p.DistanceOrthodromie, geodesics, 1e-6);
    EXPECT_NEAR(p.Heures, hours, 1e-9);

    // The files.
    const fs::path gpx = folder / "route.gpx", kml = folder / "route.kml";
    std::ofstream(gpx) << TexteGpxPassage(p, "Passage");
    std::ofstream(kml) << TexteKmlPassage(p, "Passage", "legs steered");
    auto read = Elements(gpx), placemarks = Elements(kml);
    EXPECT_EQ(read["rte"].size(), 1u);
    ASSERT_EQ(read["rtept"].size(), p.Points.size());
    ASSERT_EQ(placemarks["Placemark"].size(), p.Points.size() + 1);
    for (std::size_t i = 0; i < p.Points.size(); ++i) {
      const PointDePassage& w = p.Points[i];  // named after the route's and the document's name
      EXPECT_EQ(read["name"].at(i + 1) + placemarks["name"].at(i + 1), w.Nom + w.Nom);
      EXPECT_LE(std::fabs(w.Longitude), 180);
      double lat = 0, lon = 0;
      std::istringstream(read["rtept"][i]) >> lat >> lon;
      EXPECT_EQ(lat, w.Latitude);  // read back, the very same doubles
      EXPECT_EQ(Gap(lon, w.Longitude), 0);
    }
    std::istringstream line(placemarks["coordinates"].back());
    std::vector<std::pair<double, double>> samples;  // latitude, longitude
    for (std::string point; line >> point;) {
      samples.emplace_back(LireNombre(point.substr(point.find(',') + 1)), LireNombre(point));
    }
    std::size_t k = 0;
    for (const Troncon& leg : p.Troncons) {
      const PointDePassage& A = p.Points[leg.Depart];
      const double n = std::clamp(std::ceil(leg.Distance / 1e4), 1.0, 2000.0);
      for (double i = 0; i <= n; ++i, ++k) {
        ASSERT_LT(k, samples.size());
        double lat = 0, lon = 0, miss = 0;
        rhumb.Direct(A.Latitude, A.Longitude, leg.Route, leg.Distance * i / n, lat, lon);
        geodesic.Inverse(samples[k].first, samples[k].second, lat, lon, miss);
        EXPECT_LT(miss, 1e-4) << A.Nom << " " << i;
        EXPECT_LE(k == 0 ? 0 : std::fabs(samples[k].second - samples[k - 1].second), 180);
      }
      --k;  // the next leg starts where this one ends
    }
    EXPECT_EQ(k + 1, samples.size());
    // GDAL reads the GPX file as one route of every waypoint.
    for (const auto& [layer, count] :
         {std::pair{"routes", std::size_t{1}}, {"route_points", p.Points.size()}}) {
      const std::string command = "ogrinfo -ro -so " + gpx.string() + " " + layer + " 2>&1";
      FILE* pipe = popen(command.c_str(), "r");
      std::string output(4096, '\0');
      output.resize(std::fread(output.data(), 1, output.size(), pipe));
      pclose(pipe);
      EXPECT_NE(output.find("Feature Count: " + std::to_string(count) + "\n"), std::string::npos)
          << output;
    }
  }
  fs::remove_all(folder);
  const HeuresMinutes times[] = {EnHeuresMinutes(2.5), EnHeuresMinutes(59.5 / 60),
                                 EnHeuresMinutes(1e300)};
  EXPECT_EQ(times[0].Heures * 100 + times[0].Minutes, 230);
  EXPECT_EQ(times[1].Heures * 100 + times[1].Minutes, 100);  // 59.5 minutes: an hour
  EXPECT_TRUE(times[2].Minutes >= 0 && times[2].Minutes < 60);
}

// A passage without a route says why, and at which waypoint given.
TEST(Passage, BadPassages) {
  using Motif = ErreurPassage::Motif;
  const std::map<Motif, std::string> english{
      {Motif::AucunPoint, "No route: the passage has no waypoint."},
      {Motif::UnSeulPoint, "No route: the passage has a single waypoint, hence no leg."},
      {Motif::Reglages, "No route: a setting is out of its range."},
      {Motif::AuDelaLatitudeMax, "No route: this waypoint lies poleward of the maximum latitude."},
      {Motif::TropDePoints, "No route: more than 100000 waypoints to make."},
      {Motif::SansResultat, "No result: "}};
  const PointDePassage brest{48.4, -4.5, "Brest"}, lisbon{38.7, -9.15, "Lisbon"};
  const double nan = std::nan(""), no = 0;
  const struct {
    std::vector<PointDePassage> given;
    double every, meridians, maxLatitude, knots;
    Motif motif;
    std::size_t point;
  } cases[] = {
      {{}, no, no, 90, no, Motif::AucunPoint, 0},
      {{brest}, no, no, 90, no, Motif::UnSeulPoint, 0},
      {{brest, lisbon}, -1, no, 90, no, Motif::Reglages, 0},
      {{brest, lisbon}, no, nan, 90, no, Motif::Reglages, 0},
      {{brest, lisbon}, no, no, 0, no, Motif::Reglages, 0},
      {{brest, lisbon}, no, no, 90.5, no, Motif::Reglages, 0},
      {{brest, lisbon}, no, no, 90, HUGE_VAL, Motif::Reglages, 0},
      {{brest, lisbon}, no, no, 90, 0.09, Motif::Reglages, 0},  // hours beyond counting
      {{brest, lisbon}, no, 180.5, 90, no, Motif::Reglages, 0},
      {{lisbon, brest, lisbon}, no, no, 45, no, Motif::AuDelaLatitudeMax, 1},
      {{lisbon, {-45.5, 0, "South"}}, no, no, 45, no, Motif::AuDelaLatitudeMax, 1},
      {{lisbon, brest, {90.5, 0, ""}}, no, no, 90, no, Motif::SansResultat, 2},  // out of range
      {{brest, lisbon}, 1e-3, no, 90, no, Motif::TropDePoints, 1},
      {{brest, lisbon}, no, 1e-5, 90, no, Motif::TropDePoints, 1},
      {{brest, lisbon, brest}, 20, no, 90, no, Motif::TropDePoints, 2},  // 54,000 a leg
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(english.at(c.motif));
    const auto outcome = CalculerPassage(c.given, {*EllipsoideDuCatalogue(kIndexWgs84), c.every,
                                                   c.meridians, c.maxLatitude, c.knots});
    ASSERT_TRUE(std::holds_alternative<ErreurPassage>(outcome));
    const ErreurPassage& e = std::get<ErreurPassage>(outcome);
    EXPECT_EQ(e.Quoi, c.motif);
    EXPECT_EQ(e.Point, c.point);
    EXPECT_EQ(TexteErreurPassage(e, true).rfind(english.at(c.motif), 0), 0u);
    EXPECT_EQ(TexteErreurPassage(e, false).substr(0, 7), "Pas de ");
  }
}

// A whole text's waypoints, each with its line or its refusal in both languages, as a route reads
// them: plain or CSV in either dialect (a byte order mark, CR LF, a name over two lines, a header
// whose quoted name holds the other separator, or none), blank and comment records skipped; and
// one cell's coordinate.
TEST(Passage, WaypointTexts) {
  const auto show = [](const std::vector<EscaleLue>& read) {
    std::ostringstream text;
    for (const EscaleLue& e : read) {
      text << e.Ligne << " ";
      if (const auto* p = std::get_if<PointDePassage>(&e.Quoi)) {
        text << p->Latitude << " " << p->Longitude << " " << p->Nom << "\n";
      } else {
        const Refus& r = std::get<Refus>(e.Quoi);
        text << RaisonRefus(r, true) << " / " << RaisonRefus(r, false) << "\n";
      }
    }
    return text.str();
  };
  EXPECT_EQ(show(LireEscales("\xEF\xBB\xBF"
                             "48,5 -4.5  Le Conquet # port\r\n\n  # comment\n"
                             "91 0\n49:30S 6.25w\n" +
                                 std::string(4097, '1') + "\n1 2 \"3\"",
                             false)),
            "1 48.5 -4.5 Le Conquet\n4 lat is beyond 90° / lat dépasse 90°\n5 -49.5 -6.25 \n"
            "6 line longer than 4096 bytes / ligne de plus de 4096 octets\n7 1 2 3\n");
  EXPECT_EQ(show(LireEscales("\"lat, N\";lon;nom\n48,5;-4,5;\"Brest;\nFR\";x\n\n1;x\n2", true)),
            "2 48.5 -4.5 Brest;\nFR\n5 lon is not an angle / lon n'est pas un angle\n"
            "6 1 field, 2 expected / 1 champ, 2 attendus\n");
  EXPECT_EQ(show(LireEscales("1,2,Ré\n3,\"4", true)),  // without a header
            "1 1 2 Ré\n2 quoted field not closed / champ entre guillemets non fermé\n");
  EXPECT_EQ(show(LireEscales("48,5;-4,5;Brest", true)), "1 48.5 -4.5 Brest\n");
  EXPECT_EQ(std::get<double>(LireCoordonneeEscale(" 48,5 ", Axe::Latitude)), 48.5);
  EXPECT_EQ(std::get<double>(LireCoordonneeEscale("W004 30,0", Axe::Longitude)), -4.5);
  EXPECT_EQ(RaisonRefus(std::get<Refus>(LireCoordonneeEscale("4.5E", Axe::Latitude)), true),
            "lat has the hemisphere letter of a longitude");
}

// GPX files that other programs wrote give their route's waypoints (or their <wpt>s, without a
// route), skipping other namespaces and <extensions>; what cannot be read is refused at its line,
// entities never expanded.
TEST(Passage, GpxFilesReadBack) {
  using Motif = ErreurGpx::Motif;
  const auto file = [](const std::string& name) {
    std::ostringstream s;
    s << std::ifstream(std::string(ORBALIDE_GPX_DIR) + "/" + name).rdbuf();
    return s.str();
  };
  std::string gpx = "<gpx xmlns='http://www.topografix.com/GPX/1/1' xmlns:x='urn:x'>\n",
              deep(64 * 3, 'x'), made = "<type> made </type>";
  const std::string iberia = "48.38 -4.49 Brest|38.7 -9.15 Lisboa|28.1 -15.4 Las Palmas|";
  for (std::size_t i = 0; i < deep.size(); i += 3) deep.replace(i, 3, "<x>");
  const struct {
    std::string text;
    ChoixRoute choice;
    std::string points;  // "lat lon name|"…, "*" after a made one; or the error's motif and line
    std::optional<std::pair<Motif, std::size_t>> error = std::nullopt;
  } cases[] = {
      {file("gpsbabel-route-1.0.gpx"), {}, iberia},
      {file("gpsbabel-route-utf16.gpx"), {}, iberia},
      {file("gpsbabel-route-windows-1252.gpx"),
       {},
       "48.38 -4.49 Brest|38.7 -9.15 Lisbõa – Tejo €|28.1 -15.4 Las Palmas|"},
      {file("gpsbabel-waypoints.gpx"), {}, "wpt|" + iberia},
      {file("gpsbabel-track.gpx"), {}, "", {{Motif::SansPoint, 0}}},
      {file("gdal-routes-extensions.gpx"), {}, iberia},
      {file("gdal-routes-extensions.gpx"), {2}, "28.1 -15.4 Las Palmas|32.65 -16.9 Funchal|"},
      {gpx +
           "<rte><rtept lat='1' lon='2'/></rte><rte><name>Île\n  C</name><x:name>D</x:name>"
           "<rtept lat='+3.5' lon=' -180 '><extensions><name>E</name></extensions>" +
           made + "</rtept></rte></gpx>",
       {0, " îLE  c "},
       "3.5 -180 *|"},
      {file("bombe.gpx"), {}, "", {{Motif::Entite, 3}}},
      {"<!DOCTYPE gpx [<!ENTITY x SYSTEM 'file:///etc/passwd'>]>" + gpx + "<wpt>&x;</wpt>",
       {},
       "",
       {{Motif::Entite, 1}}},
      {"<!DOCTYPE gpx SYSTEM 'http://127.0.0.1:9/gpx.dtd'>" + gpx + "<wpt lat='1' lon='2'>\n&x;",
       {},
       "",
       {{Motif::Entite, 3}}},
      {gpx + "<rte>" + deep, {}, "", {{Motif::TropProfond, 2}}},
      {gpx + "<!--" + std::string(kBaliseGpxMax, 'c'), {}, "", {{Motif::TropLong, 2}}},
      {gpx + "<wpt lat='1' lon='1'><name>" + std::string(kNomGpxMax + 1, 'a'),
       {},
       "",
       {{Motif::NomTropLong, 2}}},
      {gpx + "\n<wpt lat='90.5' lon='0'/></gpx>", {}, "", {{Motif::Coordonnees, 3}}},
      {gpx + "<rte><rtept lat='1' lon='1e1'/></rte></gpx>", {}, "", {{Motif::Coordonnees, 2}}},
      {gpx + "<wpt lat='1'/></gpx>", {}, "", {{Motif::Coordonnees, 2}}},
      {"<gpx xmlns='http://www.topografix.com/GPX/1/2'/>", {}, "", {{Motif::PasGpx, 1}}},
      {"<kml/>", {}, "", {{Motif::PasGpx, 1}}},
      {gpx + "<rte>\n</gpx>", {}, "", {{Motif::MalForme, 3}}},
      {file("gpsbabel-route-1.0.gpx"), {2}, "", {{Motif::RouteAbsente, 0}}},
      {file("gpsbabel-route-1.0.gpx"), {0, "Brest"}, "", {{Motif::RouteAbsente, 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 300));
    EXPECT_TRUE(DebutXml(c.text));
    const auto read = LireGpx(c.text, c.choice);
    if (c.error) {
      ASSERT_TRUE(std::holds_alternative<ErreurGpx>(read));
      const ErreurGpx& e = std::get<ErreurGpx>(read);
      EXPECT_EQ(std::pair(e.Quoi, e.Ligne), *c.error);
      EXPECT_FALSE(TexteErreurGpx(e, c.choice, false).empty());
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<RouteGpxLue>(read));
    const RouteGpxLue& r = std::get<RouteGpxLue>(read);
    std::ostringstream points;
    if (r.SansRoute) points << "wpt|";
    for (const PointGpx& p : r.Points) {
      points << p.Point.Latitude << " " << p.Point.Longitude << " " << p.Point.Nom
             << (p.Point.Fait ? "*" : "") << "|";
    }
    EXPECT_EQ(points.str(), c.points);
  }
  EXPECT_TRUE(DebutXml("\xEF\xBB\xBF \n<gpx/>") && DebutXml(std::string("\0<\0g", 4)));
  EXPECT_FALSE(DebutXml(" 48.38 -4.49 <Brest>"));
}

// Times of arrival from a departure in any zone (the instants from GNU date), in UTC to the
// minute; names a plotter keeps whole and tells apart; routes cut for plotters.
TEST(Passage, ForPlotters) {
  const std::pair<std::string, std::optional<Instant>> departures[] = {
      {"2026-12-24T06:00Z", 1798092000},           {"2026-12-24T07:00+01:00", 1798092000},
      {"2026-12-24 07:00:59.9-02:30", 1798104659}, {"2024-02-29t23:59:59+0000", 1709251199},
      {"0000-01-01T00:00z", -62167219200},         {"1969-12-31T23:59:30-00", -30},
      {"2026-12-24T06:00", std::nullopt},          {"2026-12-24T06:00+1", std::nullopt},
      {"2026-02-29T06:00Z", std::nullopt},         {"2026-12-24T24:00Z", std::nullopt},
      {"2026-12-24T06:60Z", std::nullopt},         {"2026-12-24T06:00:00.Z", std::nullopt},
      {"26-12-24T06:00Z", std::nullopt},           {"2026-12-24T06:00Z ", std::nullopt},
  };
  for (const auto& [text, instant] : departures) EXPECT_EQ(LireInstant(text), instant) << text;
  const std::pair<double, std::string> arrivals[] = {{0, "2026-12-24T06:00Z"},
                                                     {29.0 / 3600, "2026-12-24T06:00Z"},
                                                     {12.5 + 31.0 / 3600, "2026-12-24T18:31Z"},
                                                     {24 * 8 - 6.5, "2026-12-31T23:30Z"}};
  for (const auto& [hours, text] : arrivals) {
    EXPECT_EQ(TexteInstant(*InstantApres(1798092000, hours)), text);
  }
  EXPECT_EQ(TexteInstantXml(-30), "1969-12-31T23:59:30Z");
  EXPECT_EQ(InstantApres(253402300740, 1.0 / 60), std::nullopt);  // 10000-01-01T00:00Z
  EXPECT_EQ(InstantApres(0, HUGE_VAL), std::nullopt);

  const std::pair<std::string, std::string> ascii[] = {{"Île-d'Yeu", "Ile-d'Yeu"},
                                                       {"Świnoujście", "Swinoujscie"},
                                                       {"Ærøskøbing", "AEroskobing"},
                                                       {"Straße, Kiel", "Strasse Kiel"},
                                                       {"Brest–Lisbon 3", "BrestLisbon 3"},
                                                       {" A\t\n B ", "A B"},
                                                       {"東京", ""},
                                                       {"\xff\xfeO\xc3K", "OK"}};
  for (const auto& [name, expected] : ascii) EXPECT_EQ(NomAscii(name), expected) << name;
  // Made waypoints where the legs cross whole meridians: two on the second leg, two on the third.
  const auto outcome = CalculerPassage({{48.38, -4.49, "Brest"},
                                        {47, -5, "Brest"},
                                        {46.7, -2.35, "Île-d'Yeu"},
                                        {45, -0.5, "東京"},
                                        {45.5, -0.2, "Brest2"}},
                                       {*EllipsoideDuCatalogue(kIndexWgs84), 0, 1});
  const std::optional<Passage> shortened = AvecNomsCourts(std::get<Passage>(outcome), 6);
  ASSERT_TRUE(shortened);
  std::string names;
  for (const PointDePassage& p : shortened->Points) names += p.Nom + "|";
  EXPECT_EQ(names, "Brest|Brest3|BreIl1|BreIl2|Ile-d'|Ile1|Ile2|WP1|Brest2|");
  EXPECT_EQ(shortened->Points[3].NomComplet, "Brest–Île-d'Yeu 2");
  // One name many times: A, A2 to A99, then 100 to 999 within 3 characters; none within 2.
  for (const auto& [count, length] :
       {std::pair<std::size_t, std::size_t>{999, 3}, {1000, 3}, {2, 2}}) {
    Passage same;
    same.Points.assign(count, {0, 0, "A"});
    EXPECT_EQ(AvecNomsCourts(same, length).has_value(), count == 999) << count;
  }

  const std::tuple<std::size_t, std::size_t, std::string> cuts[] = {
      {5, 3, "0-2 2-4 "}, {4, 3, "0-2 2-3 "}, {3, 3, "0-2 "}, {7, 2, "0-1 1-2 2-3 3-4 4-5 5-6 "}};
  for (const auto& [points, most, expected] : cuts) {
    std::string parts;
    for (const auto& [first, last] : PartiesRoute(points, most)) {
      parts += std::to_string(first) + "-" + std::to_string(last) + " ";
    }
    EXPECT_EQ(parts, expected);
  }
}
