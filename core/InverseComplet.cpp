// The inverse problem where Vincenty's iteration on λ does not settle: the departure course α1 is
// solved for instead, by Newton's method kept within a bracket by bisection, as in
// C. F. F. Karney, "Algorithms for geodesics", J. Geodesy 87(1), 43–55, 2013, §§4–5.
//
// The points are first placed as Karney places them: the departure south of the equator and at
// least as far from it as the arrival, the arrival east of it. The geodesic leaving at a course
// α1 from 0 to π then first crosses the arrival's parallel heading north, and its longitude there
// grows with α1, at the rate m12 ÷ (a · cos α2 · cos β2) (m12 the reduced length, his (38)–(42),
// here with series to ε³). Nearly antipodal points start from the solution of his astroid (§5).
// That longitude and the geodesic's length are Vincenty's series, the very terms of CalculInverse
// and CalculDirect (T. Vincenty, Survey Review 23(176), 88–93, 1975), so that the direct solution
// from the answer lands on the arrival.
//
// Notation: β1, β2 reduced latitudes (sinBeta1, …), α1, α2 the courses at the points, α0 the
// course at the equator (sinAlpha0, cosSqAlpha = cos²α0), σ1, σ2 and ω1, ω2 the arcs and the
// longitudes on the auxiliary sphere from where the geodesic crosses the equator northward to
// the points, σ sigma = σ2 − σ1, 2σm = σ1 + σ2 (cos2SigmaM), λ12 lambda12 the longitude
// difference sought, k² = u² (uSq), ε eps, m12 ÷ b m12b.
#include "InverseComplet.hpp"

#include <array>
#include <cmath>
#include <utility>

#include "Angles.hpp"
#include "Reel.hpp"
#include "Vincenty.hpp"

namespace orbalide {
namespace {

constexpr double kPole = 90;  // degrees
constexpr double kDemiTour = 180;
constexpr double kTour = 360;

// The same point: distance 0 and courses 180, as GeographicLib's tools give them.
constexpr ResultatInverse kMemePoint{true, false, 0, 180, 180, 0};

// Newton's method stops when the longitude is met within this (radians: 2.5e-8 m on the
// ground, a few units in the last place of π, near which the longitude is computed), or after
// this many trials, bisections included (52 narrow [0, π] to a unit in the last place).
constexpr double kTolerance = 4e-15;
constexpr int kEssaisMax = 64;

// Where the astroid's solution is a good start, in its units: farther, the start is a quarter
// turn and bisection brings the course near enough for Newton's method.
constexpr double kRayonAstroide = 10;

// The two points as Karney places them: β1 ≤ 0, |β2| ≤ |β1|, 0 ≤ λ12 ≤ π; and the way back.
struct Placement {
  Reel sinBeta1, cosBeta1, sinBeta2, cosBeta2;
  Reel lambda12;
  bool echange;                        // the arrival is the departure placed
  Reel signeLatitude, signeLongitude;  // −1: mirrored across the equator, across the meridian
};

Placement Placer(const Ellipsoide& e, double lat1, double lon1, double lat2, double lon2) {
  const Reel f = e.Aplatissement;
  Reel U1 = Atan((1 - f) * Tan(DegresEnRadians(lat1)));
  Reel U2 = Atan((1 - f) * Tan(DegresEnRadians(lat2)));
  Reel lon12 = std::remainder(static_cast<double>(Reel(lon2) - lon1), kTour);
  const bool echange = Abs(U1) < Abs(U2);
  if (echange) {
    std::swap(U1, U2);
    lon12 = -lon12;
  }
  // A departure on the equator is placed south of it from −0 only, as GeographicLib places it:
  // on the equator the geodesics north and south of it are equally short.
  const Reel signeLatitude = std::signbit(static_cast<double>(U1)) ? 1 : -1;
  U1 = U1 * signeLatitude;
  U2 = U2 * signeLatitude;
  return {Sin(U1), Cos(U1),       Sin(U2),           Cos(U2), DegresEnRadians(Abs(lon12)),
          echange, signeLatitude, lon12 < 0 ? -1 : 1};
}

// Σ c[l − 1] · sin 2lσ for l = 1 to 3, from sin σ and cos σ.
Reel SerieSinus(const std::array<Reel, 3>& c, Reel sinS, Reel cosS) {
  const Reel sin2 = 2 * sinS * cosS, cos2 = cosS * cosS - sinS * sinS;
  const Reel sin4 = 2 * sin2 * cos2, cos4 = cos2 * cos2 - sin2 * sin2;
  return c[0] * sin2 + c[1] * sin4 + c[2] * (sin4 * cos2 + cos4 * sin2);
}

// The geodesic leaving the placed departure at course α1, up to where it first crosses the
// arrival's parallel heading north.
struct Essai {
  Reel sinAlpha1, cosAlpha1, sinAlpha0, cosSqAlpha;
  Reel cosAlpha2CosBeta2;  // ≥ 0
  Reel sigma, sinSigma, cosSigma, cos2SigmaM;
  Reel ecart;  // its longitude there less λ12, radians
  Reel pente;  // the derivative of ecart in α1
};

Essai Suivre(const Ellipsoide& e, const Placement& p, Reel alpha1) {
  const Reel a = e.DemiGrandAxe, b = e.DemiPetitAxe, f = e.Aplatissement;
  const Reel sinAlpha1 = Sin(alpha1), cosAlpha1 = Cos(alpha1);
  const Reel sinAlpha0 = sinAlpha1 * p.cosBeta1;  // Clairaut: cos β · sin α all along
  const Reel cosSqAlpha = 1 - sinAlpha0 * sinAlpha0;
  // cos α · cos β at each point; at the arrival from Clairaut's rule, heading north.
  const Reel x1 = cosAlpha1 * p.cosBeta1;
  const Reel x2 = Sqrt(x1 * x1 + (p.cosBeta2 - p.cosBeta1) * (p.cosBeta2 + p.cosBeta1));
  const Reel sigma1 = ArcTan2(p.sinBeta1, x1), sigma2 = ArcTan2(p.sinBeta2, x2);
  const Reel omega1 = ArcTan2(sinAlpha0 * p.sinBeta1, x1);
  const Reel omega2 = ArcTan2(sinAlpha0 * p.sinBeta2, x2);
  const Reel sinS1 = Sin(sigma1), cosS1 = Cos(sigma1), sinS2 = Sin(sigma2), cosS2 = Cos(sigma2);
  const Reel sigma = sigma2 - sigma1;
  const Reel sinSigma = sinS2 * cosS1 - cosS2 * sinS1, cosSigma = cosS1 * cosS2 + sinS1 * sinS2;
  const Reel cos2SigmaM = cosS1 * cosS2 - sinS1 * sinS2;
  const Reel C = vincenty::C(f, cosSqAlpha);
  const Reel lambda =
      omega2 - omega1 -
      vincenty::LambdaMoinsL(C, f, sinAlpha0, sigma, sinSigma, cosSigma, cos2SigmaM);

  // m12 ÷ b = dn2 · cos σ1 · sin σ2 − dn1 · sin σ1 · cos σ2 − cos σ1 · cos σ2 · J12, where
  // J12 = (A1 − A2) · σ + Σ (A1 · C1l − A2 · C2l) · (sin 2lσ2 − sin 2lσ1).
  const Reel uSq = vincenty::UCarre(cosSqAlpha, a, b);
  const Reel racine = Sqrt(1 + uSq) + 1;
  const Reel eps = uSq / (racine * racine), eps2 = eps * eps, eps3 = eps2 * eps;
  const Reel A1 = (1 + eps2 / 4) / (1 - eps), A2 = (1 + eps2 / 4) * (1 - eps);
  const std::array<Reel, 3> D{A1 * (-eps / 2 + 3 * eps3 / 16) - A2 * (eps / 2 + eps3 / 16),
                              A1 * (-eps2 / 16) - A2 * (3 * eps2 / 16),
                              A1 * (-eps3 / 48) - A2 * (5 * eps3 / 48)};
  const Reel J12 = (A1 - A2) * sigma + SerieSinus(D, sinS2, cosS2) - SerieSinus(D, sinS1, cosS1);
  const Reel dn1 = Sqrt(1 + uSq * sinS1 * sinS1), dn2 = Sqrt(1 + uSq * sinS2 * sinS2);
  const Reel m12b = dn2 * cosS1 * sinS2 - dn1 * sinS1 * cosS2 - cosS1 * cosS2 * J12;

  return {sinAlpha1, cosAlpha1,  sinAlpha0,           cosSqAlpha,         x2, sigma, sinSigma,
          cosSigma,  cos2SigmaM, lambda - p.lambda12, (1 - f) * m12b / x2};
}

// Karney's astroid: the positive root μ of μ⁴ + 2μ³ + (1 − x² − y²)μ² − 2y²μ − y² = 0, in his
// closed form (the cubic's real root or its trigonometric solution), 0 when there is none.
Reel Astroide(Reel x, Reel y) {
  const Reel p = x * x, q = y * y, r = (p + q - 1) / 6;
  if (q == 0 && r <= 0) return 0;
  const Reel S = p * q / 4, r2 = r * r, r3 = r * r2, disc = S * (S + 2 * r3);
  Reel u = r;
  if (disc >= 0) {
    const Reel T3 = S + r3 + (S + r3 < 0 ? -Sqrt(disc) : Sqrt(disc));
    const Reel T = std::cbrt(static_cast<double>(T3));
    u = u + T + (T != 0 ? r2 / T : Reel(0));
  } else {
    u = u + 2 * r * Cos(ArcTan2(Sqrt(-disc), -(S + r3)) / 3);
  }
  const Reel v = Sqrt(u * u + q);
  const Reel uv = u < 0 ? q / (v - u) : u + v;
  const Reel w = (uv - q) / (2 * v);
  return uv / (Sqrt(uv + w * w) + w);
}

// The course to start from. Near the antipode the geodesics from the departure gather about an
// astroid, a length f·π·cos β1 across in longitude and f·π·cos²β1 in latitude (Karney's §5):
// the great circle's course on the auxiliary sphere to the longitude that the astroid gives.
Reel Depart(const Ellipsoide& e, const Placement& p) {
  const Reel f = e.Aplatissement;
  const Reel quartDeTour = Reel(Pi) / 2;
  if (f == 0) return quartDeTour;
  const Reel echelle = f * Pi * p.cosBeta1 * (1 - vincenty::C(f, p.sinBeta1 * p.sinBeta1));
  const Reel sinBeta12 = p.sinBeta2 * p.cosBeta1 + p.cosBeta2 * p.sinBeta1;  // sin(β1 + β2)
  const Reel x = (p.lambda12 - Pi) / echelle, y = sinBeta12 / (echelle * p.cosBeta1);
  if (x * x + y * y > kRayonAstroide * kRayonAstroide) return quartDeTour;
  // Across the cut, opposite latitudes: the course that reaches the antipode's meridian there.
  if (y == 0 && x >= -1) return ArcTan2(-x, -Sqrt(1 - x * x));
  const Reel mu = Astroide(x, y);
  const Reel omega = echelle * (-x * mu / (1 + mu));  // π − ω12
  const Reel sinOmega = Sin(omega);
  // From 0 to π: −π, for a course due south, is π.
  return Abs(ArcTan2(p.cosBeta2 * sinOmega,
                     sinBeta12 - p.cosBeta2 * p.sinBeta1 * sinOmega * sinOmega / (1 + Cos(omega))));
}

// Out of line, as Antipodes: inlined, they cost the pairs that Vincenty's iteration settles 3 % of
// orbalide-calc's time.
[[gnu::noinline]] ResultatInverse Newton(const Ellipsoide& e, double lat1, double lon1, double lat2,
                                         double lon2) {
  const Placement p = Placer(e, lat1, lon1, lat2, lon2);
  Reel bas = 0, haut = Pi, alpha1 = Depart(e, p);
  Essai t = Suivre(e, p, alpha1);
  int essais = 1;
  for (; essais < kEssaisMax && Abs(t.ecart) > kTolerance; ++essais) {
    (t.ecart < 0 ? bas : haut) = alpha1;
    // Newton's step where it stays within the bracket, else the bracket's middle.
    const Reel largeur = haut - bas;
    const bool newton = t.pente > 0 && Abs(t.ecart) < largeur * t.pente;
    const Reel suivant = newton ? alpha1 - t.ecart / t.pente : Reel(0);
    alpha1 = newton && suivant > bas && suivant < haut ? suivant : bas + largeur / 2;
    t = Suivre(e, p, alpha1);
  }

  const Reel b = e.DemiPetitAxe;
  const Reel uSq = vincenty::UCarre(t.cosSqAlpha, e.DemiGrandAxe, b);
  const Reel A = vincenty::A(uSq), B = vincenty::B(uSq);
  const Reel s = b * A * (t.sigma - vincenty::DeltaSigma(B, t.sinSigma, t.cosSigma, t.cos2SigmaM));

  // The courses back from the placement: mirrored, then swapped and reversed.
  std::array<Reel, 2> sinus{t.sinAlpha1 * p.signeLongitude, t.sinAlpha0 * p.signeLongitude};
  std::array<Reel, 2> cosinus{t.cosAlpha1 * p.signeLatitude, t.cosAlpha2CosBeta2 * p.signeLatitude};
  if (p.echange) {
    sinus = {-sinus[1], -sinus[0]};
    cosinus = {-cosinus[1], -cosinus[0]};
  }
  const auto route = [&](std::size_t i) {
    return static_cast<double>(NormaliserRoute(RadiansEnDegres(ArcTan2(sinus[i], cosinus[i]))));
  };
  return {true, false, static_cast<double>(s), route(0), route(1), essais};
}

// Exactly antipodal points, or opposite poles: half a meridian, Vincenty's b · A · π with
// u² = e′² (Δσ is 0 over a half turn).
[[gnu::noinline]] ResultatInverse Antipodes(const Ellipsoide& e, double lat1, double lon12) {
  const Reel b = e.DemiPetitAxe;
  const double distance =
      static_cast<double>(b * vincenty::A(vincenty::UCarre(1, e.DemiGrandAxe, b)) * Pi);
  const bool parLeSud = std::signbit(lat1);
  if (std::fabs(lat1) == kPole) {
    // Adding 0 turns a course of −0 into 0.
    const double depart = parLeSud ? lon12 : kDemiTour - lon12;
    return {true,
            false,
            distance,
            static_cast<double>(NormaliserRoute(std::remainder(depart, kTour))) + 0,
            parLeSud ? 0 : kDemiTour,
            0};
  }
  return {true, false, distance, parLeSud ? kDemiTour : 0, parLeSud ? 0 : kDemiTour, 0};
}

}  // namespace

ResultatInverse CalculInverseComplet(const Ellipsoide& e, double lat1, double lon1, double lat2,
                                     double lon2) {
  // The same point and antipodal points lie on the same parallel or on opposite ones.
  if (std::fabs(lat2) == std::fabs(lat1)) {
    const double lon12 = std::remainder(static_cast<double>(Reel(lon2) - lon1), kTour);
    const bool pole = std::fabs(lat1) == kPole;
    if (lat2 == lat1 && (lon12 == 0 || pole)) return kMemePoint;
    if (lat2 == -lat1 && (std::fabs(lon12) == kDemiTour || pole)) return Antipodes(e, lat1, lon12);
  }
  // Points closer than about 2e-162 rad, whose squares are no doubles, leave Vincenty's iteration
  // no arc between them (1e-170 0 from 0 0): the same point, as GeographicLib's tools take them.
  const ResultatInverse r = CalculInverse(e, lat1, lon1, lat2, lon2);
  if (r.Confondus) return kMemePoint;
  return r.Obtenu ? r : Newton(e, lat1, lon1, lat2, lon2);
}

}  // namespace orbalide
