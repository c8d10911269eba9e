// The rhumb line after C. F. F. Karney: the method of GeographicLib's Rhumb class, described in
// "The area of rhumb polygons", Stud. Geophys. Geod. 68, 99–120 (2024), with the series in the
// third flattening and the conformal latitude of "Transverse Mercator with an accuracy of a few
// nanometers", J. Geodesy 85(8), 475–485 (2011), and the divided differences of W. Kahan and
// R. J. Fateman, "Symbolic computation of divided differences", SIGSAM Bull. 33(2), 7–28 (1999).
//
// On the Mercator projection a rhumb line is straight: from (ψ1, λ1) to (ψ2, λ2) its course is
// α = atan2(λ12, ψ12) and its length s = R · μ12 ÷ cos α, that is s = R · h · (μ2 − μ1) ÷ (ψ2 − ψ1)
// with h = √(λ12² + ψ12²). The quotient is taken as a product of divided differences, which keeps
// its accuracy when ψ12 vanishes (a line along or close to a parallel).
//
// Notation: φ latitude, λ longitude, α course; τ = tan φ (tau), χ conformal latitude (chi) and
// τ′ = tan χ (taup), ψ = asinh τ′ isometric latitude (psi), μ rectifying latitude (mu); e
// eccentricity, n third flattening, R rectifying radius (the meridian arc from the equator to
// latitude φ is R · μ). μ = χ + Σ αj sin 2jχ and χ = μ − Σ βj sin 2jμ are Krüger's series to n⁶.
// Angles are radians inside, with the program's π.
#include "Loxodromie.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "Angles.hpp"
#include "Reel.hpp"

namespace orbalide {
namespace {

constexpr int kOrdre = 6;
using Coefficients = std::array<double, kOrdre>;

// Krüger's αj and βj (Karney 2011): row j holds the factors of n, n², … n⁶.
// clang-format off
constexpr std::array<Coefficients, kOrdre> kAlpha{{
    {1. / 2, -2. / 3, 5. / 16, 41. / 180, -127. / 288, 7891. / 37800},
    {0, 13. / 48, -3. / 5, 557. / 1440, 281. / 630, -1983433. / 1935360},
    {0, 0, 61. / 240, -103. / 140, 15061. / 26880, 167603. / 181440},
    {0, 0, 0, 49561. / 161280, -179. / 168, 6601661. / 7257600},
    {0, 0, 0, 0, 34729. / 80640, -3418889. / 1995840},
    {0, 0, 0, 0, 0, 212378941. / 319334400},
}};
constexpr std::array<Coefficients, kOrdre> kBeta{{
    {1. / 2, -2. / 3, 37. / 96, -1. / 360, -81. / 512, 96199. / 604800},
    {0, 1. / 48, 1. / 15, -437. / 1440, 46. / 105, -1118711. / 3870720},
    {0, 0, 17. / 480, -37. / 840, -209. / 4480, 5569. / 90720},
    {0, 0, 0, 4397. / 161280, -11. / 504, -830251. / 7257600},
    {0, 0, 0, 0, 4583. / 161280, -108847. / 3991680},
    {0, 0, 0, 0, 0, 20648693. / 638668800},
}};
// clang-format on

// Newton's steps towards τ converge quadratically: after one below √ε ÷ 10 (relative) the next
// would be below ε. The cap only guards against a loop that would not end.
const double kToleranceNewton = std::sqrt(std::numeric_limits<double>::epsilon()) / 10;
constexpr int kPasNewtonMax = 5;

struct Constantes {
  Reel n, e, unMoinsE2, R;
};

Constantes ConstantesDe(const Ellipsoide& el) {
  const Reel f = el.Aplatissement, n = f / (2 - f), e2 = f * (2 - f), n2 = n * n;
  // R = a ÷ (1 + n) · (1 + n²/4 + n⁴/64 + n⁶/256).
  const Reel R = el.DemiGrandAxe / (1 + n) * (1 + n2 * (1. / 4 + n2 * (1. / 64 + n2 / 256)));
  return {n, Sqrt(e2), 1 - e2, R};
}

// The coefficients of one of Krüger's series, from the table of their factors. Each is summed
// in plain doubles and checked once: the checks of every step took a tenth of a direct solution.
Coefficients Serie(const std::array<Coefficients, kOrdre>& table, const Constantes& k) {
  const double n = static_cast<double>(k.n);
  Coefficients c{};
  for (std::size_t j = 0; j < kOrdre; ++j) {
    double somme = 0;
    for (std::size_t i = kOrdre; i-- > 0;) somme = (somme + table[j][i]) * n;
    c[j] = static_cast<double>(Reel(somme));
  }
  return c;
}

struct SinCos {
  Reel Sin, Cos;
};

// The sine and cosine of x degrees, exact at every multiple of 90°: x is reduced to ±45° first.
SinCos SinCosDegres(Reel x) {
  int quadrant = 0;
  const Reel reste = std::remquo(static_cast<double>(x), 90.0, &quadrant);
  const Reel r = DegresEnRadians(reste);
  const Reel s = Sin(r), c = Cos(r);
  switch (static_cast<unsigned>(quadrant) & 3U) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

// Σ cj sin 2jx from sin 2x and cos 2x, by the recurrence
// sin 2(j+1)x = 2 cos 2x · sin 2jx − sin 2(j−1)x.
Reel SommeSinus(const Coefficients& c, Reel sin2x, Reel cos2x) {
  Reel precedent = 0, courant = sin2x, somme = 0;
  for (const double cj : c) {
    somme = somme + cj * courant;
    const Reel suivant = 2 * cos2x * courant - precedent;
    precedent = courant;
    courant = suivant;
  }
  return somme;
}

// (Σ cj sin 2jx − Σ cj sin 2jy) ÷ (x − y) = Σ cj · 2 cos j(x + y) · sin j(x − y) ÷ (x − y), from
// cos(x + y), cos(x − y) and sin(x − y) ÷ (x − y), which is 1 for y = x; the cosines and sines of
// the multiples by the same recurrence.
Reel DifferenceSommeSinus(const Coefficients& c, Reel cosSomme, Reel cosDifference,
                          Reel sinDifferenceSurDifference) {
  Reel cosPrecedent = 1, cosCourant = cosSomme;
  Reel sinPrecedent = 0, sinCourant = sinDifferenceSurDifference;
  Reel somme = 0;
  for (const double cj : c) {
    somme = somme + cj * 2 * cosCourant * sinCourant;
    const Reel cosSuivant = 2 * cosSomme * cosCourant - cosPrecedent;
    const Reel sinSuivant = 2 * cosDifference * sinCourant - sinPrecedent;
    cosPrecedent = cosCourant;
    cosCourant = cosSuivant;
    sinPrecedent = sinCourant;
    sinCourant = sinSuivant;
  }
  return somme;
}

// The same from x and y.
Reel DifferenceSommeSinusAngles(const Coefficients& c, Reel x, Reel y) {
  const Reel d = x - y;
  return DifferenceSommeSinus(c, Cos(x + y), Cos(d), d == 0 ? Reel(1) : Sin(d) / d);
}

// (atan x − atan y) ÷ (x − y).
Reel DAtan(Reel x, Reel y) {
  const Reel d = x - y, xy = x * y;
  if (d == 0) return 1 / (1 + xy);
  return (2 * xy > -1 ? Atan(d / (1 + xy)) : Atan(x) - Atan(y)) / d;
}

// (asinh x − asinh y) ÷ (x − y).
Reel DAsinh(Reel x, Reel y) {
  const Reel d = x - y, hx = Sqrt(1 + x * x), hy = Sqrt(1 + y * y);
  if (d == 0) return 1 / hx;
  return Asinh(x * y > 0 ? d * (x + y) / (x * hy + y * hx) : x * hy - y * hx) / d;
}

// (sinh x − sinh y) ÷ (x − y).
Reel DSinh(Reel x, Reel y) {
  const Reel d = (x - y) / 2;
  return Cosh((x + y) / 2) * (d == 0 ? Reel(1) : Sinh(d) / d);
}

// (ψx − ψy) ÷ (χx − χy) from τ′x and τ′y: (asinh τ′x − asinh τ′y) ÷ (atan τ′x − atan τ′y).
Reel DPsiDChi(Reel taupx, Reel taupy) {
  return DAsinh(taupx, taupy) / DAtan(taupx, taupy);
}

// τ′ = tan χ for χ as ArcTan2(τ′, 1) gives it: beyond ±45° through the complement, from the
// program's π ÷ 2 as there, so that τ′ near a pole, where it is 1 ÷ (π/2 − χ), stays exact.
Reel TanChi(Reel chi) {
  const Reel demiPi = Reel(Pi) / 2;
  if (Abs(chi) <= demiPi / 2) return Tan(chi);
  return chi > 0 ? 1 / Tan(demiPi - chi) : -1 / Tan(demiPi + chi);
}

// The longitude λ1 + λ12 (λ12 in radians) within ±180°.
double Longitude(double lon1, Reel lambda12) {
  return std::remainder(static_cast<double>(lon1 + RadiansEnDegres(lambda12)), 360.0);
}

// τ′ from τ (Karney 2011): τ′ = τ √(1 + σ²) − σ √(1 + τ²),
// with σ = sinh(e atanh(e sin φ)).
Reel TanConforme(Reel tau, const Constantes& k) {
  const Reel racine = Sqrt(1 + tau * tau);
  const Reel sigma = Sinh(k.e * Atanh(k.e * tau / racine));
  return tau * Sqrt(1 + sigma * sigma) - sigma * racine;
}

// τ from τ′ by Newton's method (Karney 2011), from τ′ ÷ (1 − e²); on the sphere τ is τ′.
Reel TanGeographique(Reel taup, const Constantes& k) {
  Reel tau = taup / k.unMoinsE2;
  const Reel tolerance = kToleranceNewton * (Abs(taup) > 1 ? Abs(taup) : Reel(1));
  for (int pas = 0; pas < kPasNewtonMax && k.e != 0; ++pas) {
    const Reel taupPas = TanConforme(tau, k);
    const Reel dtau = (taup - taupPas) * (1 + k.unMoinsE2 * tau * tau) /
                      (k.unMoinsE2 * Sqrt(1 + tau * tau) * Sqrt(1 + taupPas * taupPas));
    tau = tau + dtau;
    if (Abs(dtau) < tolerance) break;
  }
  return tau;
}

// A latitude in the terms of the rhumb line: τ′, infinite at a pole and left at 0 there.
struct Parallele {
  bool Pole;
  bool Nord;
  Reel Taup;
};

Parallele ParalleleDe(Reel latitude, const Constantes& k) {
  if (Abs(latitude) > 90) SignalerErreurArithmetique();
  const SinCos phi = SinCosDegres(latitude);
  if (phi.Cos == 0) return {true, phi.Sin > 0, 0};
  return {false, phi.Sin > 0, TanConforme(phi.Sin / phi.Cos, k)};
}

// χ, the program's π ÷ 2 at a pole.
Reel Conforme(const Parallele& p) {
  const Reel demiPi = Reel(Pi) / 2;
  if (p.Pole) return p.Nord ? demiPi : -demiPi;
  return ArcTan2(p.Taup, 1);
}

// μ = χ + Σ αj sin 2jχ, with sin 2χ = 2τ′ ÷ (1 + τ′²) and cos 2χ = (1 − τ′²) ÷ (1 + τ′²), which
// spares a sine and a cosine. At a pole, where τ′ is left at 0, the sum is 0: μ is χ.
Reel Rectifiante(Reel chi, const Parallele& p, const Coefficients& alpha) {
  const Reel carre = p.Taup * p.Taup;
  return chi + SommeSinus(alpha, 2 * p.Taup / (1 + carre), (1 - carre) / (1 + carre));
}

}  // namespace

ResultatDirectLoxodromie CalculDirectLoxodromie(const Ellipsoide& e, double lat1, double lon1,
                                                double course, double distance) {
  const Constantes k = ConstantesDe(e);
  const Parallele p1 = ParalleleDe(lat1, k);
  const SinCos alpha = SinCosDegres(course);
  const Reel chi1 = Conforme(p1), mu1 = Rectifiante(chi1, p1, Serie(kAlpha, k));
  const ResultatDirectLoxodromie pole{false, 0, 0};

  // The rectifying latitude moves by the distance's share along the meridian. Only a meridian
  // reaches a pole or leaves one: any other course winds round it endlessly.
  const Reel r12 = Reel(distance) / k.R, mu12 = r12 * alpha.Cos, mu2 = mu1 + mu12;
  const Reel demiPi = Reel(Pi) / 2;
  const bool meridien = alpha.Sin == 0;
  if (Abs(mu2) > demiPi || (!meridien && (p1.Pole || Abs(mu2) == demiPi))) return pole;
  if (Abs(mu2) == demiPi) return {true, mu2 > 0 ? 90.0 : -90.0, Longitude(lon1, 0)};

  // χ2 = χ1 + μ12 · (χ2 − χ1) ÷ (μ2 − μ1); the longitude is λ12 = tan α · ψ12, that is
  // sin α · r12 · (ψ2 − ψ1) ÷ (μ2 − μ1), which holds along a parallel too (μ12 = 0).
  const Reel dChiDMu = 1 - DifferenceSommeSinusAngles(Serie(kBeta, k), mu2, mu1);
  const Reel taup2 = mu12 == 0 ? p1.Taup : TanChi(chi1 + mu12 * dChiDMu);
  const Reel lambda12 = meridien ? Reel(0) : alpha.Sin * r12 * DPsiDChi(taup2, p1.Taup) * dChiDMu;
  const Reel lat2 = mu12 == 0 ? Reel(lat1) : RadiansEnDegres(ArcTan2(TanGeographique(taup2, k), 1));
  return {true, static_cast<double>(lat2), Longitude(lon1, lambda12)};
}

ResultatInverseLoxodromie CalculInverseLoxodromie(const Ellipsoide& e, double lat1, double lon1,
                                                  double lat2, double lon2) {
  const Constantes k = ConstantesDe(e);
  const Parallele p1 = ParalleleDe(lat1, k), p2 = ParalleleDe(lat2, k);

  // The longitude difference within ±180°; on 180°, the way of the raw difference.
  const Reel brute = Reel(lon2) - lon1;
  Reel lon12 = std::remainder(static_cast<double>(brute), 360.0);
  if (Abs(lon12) == 180) lon12 = brute > 0 ? Reel(180) : Reel(-180);

  const Coefficients alpha = Serie(kAlpha, k);
  if (lon12 == 0 || p1.Pole || p2.Pole) {
    const Reel mu1 = Rectifiante(Conforme(p1), p1, alpha);
    const Reel mu2 = Rectifiante(Conforme(p2), p2, alpha);
    // The same point takes the geodesic inverse's course, 180°, rather than GeographicLib's 0.
    return {static_cast<double>(Abs(mu2 - mu1) * k.R), mu2 <= mu1 ? 180.0 : 0.0};
  }
  const Reel psi1 = Asinh(p1.Taup), psi2 = Asinh(p2.Taup), psi12 = psi2 - psi1;
  const Reel lambda12 = DegresEnRadians(lon12);
  const Reel h = Sqrt(lambda12 * lambda12 + psi12 * psi12);
  // (μ2 − μ1) ÷ (ψ2 − ψ1) as the product of the quotients of μ by χ, χ by τ′ and τ′ by ψ; the
  // first from the cosines of χ1 ± χ2 and the sine of χ2 − χ1, all from τ′1 and τ′2.
  const Reel dChiDTaup = DAtan(p2.Taup, p1.Taup);
  const Reel cos1 = 1 / Sqrt(1 + p1.Taup * p1.Taup), cos2 = 1 / Sqrt(1 + p2.Taup * p2.Taup);
  const Reel produit = p1.Taup * p2.Taup, cos12 = cos1 * cos2;
  const Reel dMuDChi = 1 + DifferenceSommeSinus(alpha, (1 - produit) * cos12, (1 + produit) * cos12,
                                                cos12 / dChiDTaup);
  const Reel dMuDPsi = dMuDChi * dChiDTaup * DSinh(psi2, psi1);
  return {static_cast<double>(k.R * h * dMuDPsi),
          static_cast<double>(NormaliserRoute(RadiansEnDegres(ArcTan2(lambda12, psi12))))};
}

}  // namespace orbalide
