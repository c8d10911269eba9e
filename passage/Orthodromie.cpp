// The vertex and the distance to it follow T. Vincenty, "Direct and inverse solutions of
// geodesics on the ellipsoid with application of nested equations", Survey Review 23(176),
// 88–93, 1975, with the notation of the direct solution (U1, σ1, α, u², A, B, Δσ): on the
// auxiliary sphere the reduced latitude along the geodesic is sin U = cos α · sin(σ1 + σ), so a
// vertex lies where σ1 + σ is an odd multiple of π/2, at the reduced latitude of cosine |sin α|.
#include "Orthodromie.hpp"

#include <cmath>

#include "Angles.hpp"
#include "InverseComplet.hpp"
#include "Loxodromie.hpp"
#include "ModFormules.hpp"
#include "Reel.hpp"
#include "Vincenty.hpp"

namespace orbalide {
namespace {

// Where a meridian is crossed is sought until the longitude there is this close, in degrees
// (a micrometre), or the bracket this narrow, in metres.
constexpr double kEcartLongitude = 1e-11;
constexpr double kEcartDistance = 1e-9;
constexpr int kPasMax = 200;

Reel CosinusReduit(const Ellipsoide& e, Reel latitude) {
  const Reel tanU = (1 - Reel(e.Aplatissement)) * Tan(DegresEnRadians(latitude));
  return 1 / Sqrt(tanU * tanU + 1);
}

}  // namespace

ResultatInverse Orthodromie(const Ellipsoide& e, Position a, Position b) {
  return CalculInverseComplet(e, a.Latitude, a.Longitude, b.Latitude, b.Longitude);
}

Sommet SommetDevant(const Ellipsoide& e, Position depart, double course, bool nord) {
  if (!nord) return SommetDevant(e, {-depart.Latitude, depart.Longitude}, 180 - course, true);
  const Reel a = e.DemiGrandAxe, b = e.DemiPetitAxe, f = e.Aplatissement;
  const Reel alpha1 = DegresEnRadians(course);
  const Reel tanU1 = (1 - f) * Tan(DegresEnRadians(depart.Latitude));
  const Reel sinAlpha = CosinusReduit(e, depart.Latitude) * Sin(alpha1);
  const Reel cosSqAlpha = 1 - sinAlpha * sinAlpha, cosAlpha = Sqrt(cosSqAlpha);
  if (cosAlpha == 0) return {0, 0};

  // tan φ0 = tan U0 ÷ (1 − f), with tan U0 = cos α ÷ |sin α|.
  const Reel latitude = RadiansEnDegres(ArcTan2(cosAlpha, (1 - f) * Abs(sinAlpha)));
  const Reel deuxPi = 2 * Reel(Pi);
  // Due east or west the departure is its own vertex: the cosine is then 0 exactly, where the
  // program's cos 270° (−4.6e-15) would put the vertex a whole turn ahead.
  const bool travers = std::fabs(std::remainder(course, 180.0)) == 90;
  const Reel sigma1 = ArcTan2(tanU1, travers ? Reel(0) : Cos(alpha1));
  Reel sigma = Reel(Pi) / 2 - sigma1;
  if (sigma < 0) sigma = sigma + deuxPi;
  const Reel uSq = vincenty::UCarre(cosSqAlpha, a, b);
  const Reel A = vincenty::A(uSq), B = vincenty::B(uSq);
  const Reel deltaSigma = vincenty::DeltaSigma(B, Sin(sigma), Cos(sigma), Cos(2 * sigma1 + sigma));
  return {static_cast<double>(latitude), static_cast<double>(b * A * (sigma - deltaSigma))};
}

double RouteTangente(const Ellipsoide& e, Position depart, double latitude, bool est) {
  if (latitude < 0) {
    const Reel nord = RouteTangente(e, {-depart.Latitude, depart.Longitude}, -latitude, est);
    return static_cast<double>(NormaliserRoute(180 - nord));
  }
  // Clairaut: cos U · sin α is the same all along, and sin α = 1 at the vertex.
  Reel sinAlpha = CosinusReduit(e, latitude) / CosinusReduit(e, depart.Latitude);
  if (sinAlpha > 1) sinAlpha = 1;
  const Reel alpha = RadiansEnDegres(ArcTan2(sinAlpha, Sqrt(1 - sinAlpha * sinAlpha)));
  return static_cast<double>(est ? alpha : 360 - alpha);
}

double DistanceAuMeridien(const Ellipsoide& e, Position depart, double course, double longueur,
                          double longitude, bool loxodromie) {
  const Reel e2 = Reel(e.Aplatissement) * (2 - Reel(e.Aplatissement));
  const Reel sens = Sin(DegresEnRadians(course)) > 0 ? 1 : -1;
  // Newton's method on the distance, kept within the bracket [avant, apres], halving it when a
  // step would leave it: the longitude moves by sin α ÷ (N cos φ) radians a metre, N being the
  // radius of curvature normal to the meridian, a ÷ √(1 − e² sin² φ).
  Reel avant = 0, apres = longueur, s = Reel(longueur) / 2;
  for (int pas = 0; pas < kPasMax && apres - avant > kEcartDistance; ++pas) {
    const auto [lat, lon] = depart;
    const double d = static_cast<double>(s);
    ResultatDirect r{};
    if (loxodromie) {
      const ResultatDirectLoxodromie l = CalculDirectLoxodromie(e, lat, lon, course, d);
      r = {l.Latitude, l.Longitude, course, 0};  // the course stays
    } else {
      r = CalculDirect(e, lat, lon, course, d);
    }
    const Reel ecart = std::remainder(r.Longitude - longitude, 360.0);
    if (Abs(ecart) < kEcartLongitude) break;
    if (ecart * sens < 0) {
      avant = s;
    } else {
      apres = s;
    }
    const Reel phi = DegresEnRadians(r.Latitude), sinPhi = Sin(phi);
    const Reel sinAlpha = Sin(DegresEnRadians(r.RouteArrivee));
    const Reel suivant = sinAlpha == 0 ? avant
                                       : s - DegresEnRadians(ecart) * e.DemiGrandAxe * Cos(phi) /
                                                 (sinAlpha * Sqrt(1 - e2 * sinPhi * sinPhi));
    const bool newton = suivant > avant && suivant < apres;
    s = newton ? suivant : (avant + apres) / 2;
  }
  return static_cast<double>(s);
}

}  // namespace orbalide
