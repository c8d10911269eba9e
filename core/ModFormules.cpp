// T. Vincenty, "Direct and inverse solutions of geodesics on the ellipsoid with application of
// nested equations", Survey Review 23(176), 88–93, 1975; the direct solution.
//
// Notation: α1 alpha1 (initial course), U1 reduced latitude (tanU1, cosU1, sinU1), σ1 sigma1
// (arc from the equator to the departure), α alpha (course at the equator), u² uSq, A, B, σ sigma
// (arc from the departure to the arrival), σ′ sigmaP, 2σm (twice the arc from the equator to the
// mid-point; cos2SigmaM), Δσ deltaSigma, λ lambda (longitude difference on the auxiliary sphere),
// C, L (longitude difference on the ellipsoid), α2 alpha2 (course at the arrival).
// The grouping of every formula is the grouping computed.
#include "ModFormules.hpp"

#include "Angles.hpp"
#include "Reel.hpp"
#include "Vincenty.hpp"

namespace orbalide {

ResultatDirect CalculDirect(const Ellipsoide& e, double lat1, double lon1, double course1,
                            double distance) {
  const Reel a = e.DemiGrandAxe, b = e.DemiPetitAxe, f = e.Aplatissement;
  const Reel s = distance;

  // Initial course and reduced latitude of the departure.
  const Reel alpha1 = DegresEnRadians(course1);
  const Reel sinAlpha1 = Sin(alpha1), cosAlpha1 = Cos(alpha1);
  const Reel tanU1 = (1 - f) * Tan(DegresEnRadians(lat1));
  const Reel cosU1 = 1 / Sqrt(tanU1 * tanU1 + 1), sinU1 = tanU1 * cosU1;
  const Reel sigma1 = ArcTan2(tanU1, cosAlpha1);

  // Course at the equator and the series coefficients.
  const Reel sinAlpha = cosU1 * sinAlpha1;
  const Reel cosSqAlpha = 1 - sinAlpha * sinAlpha;
  const Reel uSq = vincenty::UCarre(cosSqAlpha, a, b);
  const Reel A = vincenty::A(uSq), B = vincenty::B(uSq);

  // Arc length on the auxiliary sphere, until two successive σ differ by at most 1e-14.
  const Reel sigmaSansCorrection = s / (b * A);
  Reel sigma = sigmaSansCorrection, sigmaP = 2 * Pi;
  Reel cos2SigmaM = 0, sinSigma = 0, cosSigma = 0;
  int passes = 0;
  do {
    cos2SigmaM = Cos(2 * sigma1 + sigma);
    sinSigma = Sin(sigma);
    cosSigma = Cos(sigma);
    const Reel deltaSigma = vincenty::DeltaSigma(B, sinSigma, cosSigma, cos2SigmaM);
    sigmaP = sigma;
    sigma = sigmaSansCorrection + deltaSigma;
    ++passes;
  } while (Abs(sigma - sigmaP) > 1e-14 && passes < kPassesDirectesMax);

  // Arrival latitude and longitude difference on the auxiliary sphere.
  const Reel t = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
  const Reel phi2 = ArcTan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                            (1 - f) * Sqrt(sinAlpha * sinAlpha + t * t));
  const Reel lambda =
      ArcTan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);

  // Longitude difference on the ellipsoid.
  const Reel C = vincenty::C(f, cosSqAlpha);
  const Reel L =
      lambda - vincenty::LambdaMoinsL(C, f, sinAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);

  // Course at the arrival.
  const Reel alpha2 = ArcTan2(sinAlpha, -t);

  return {static_cast<double>(RadiansEnDegres(phi2)),
          static_cast<double>(NormaliserLongitude(RadiansEnDegres(L) + lon1)),
          static_cast<double>(NormaliserRoute(RadiansEnDegres(alpha2))), passes};
}

}  // namespace orbalide
