// T. Vincenty, "Direct and inverse solutions of geodesics on the ellipsoid with application of
// nested equations", Survey Review 23(176), 88–93, 1975; the inverse solution.
//
// Notation: L (longitude difference on the ellipsoid), U1, U2 reduced latitudes (sinU1, cosU1,
// …), λ lambda (longitude difference on the auxiliary sphere), λ′ lambdaP, σ sigma (arc between
// the points; sinSigma, cosSigma), α alpha (course at the equator; sinAlpha, cosSqAlpha = cos²α),
// 2σm (twice the arc from the equator to the mid-point; cos2SigmaM), C, u² uSq, A, B, Δσ
// deltaSigma. The grouping of every formula is the grouping computed.
#include "inverse.hpp"

#include "Angles.hpp"
#include "Reel.hpp"
#include "Vincenty.hpp"

namespace orbalide {

ResultatInverse CalculInverse(const Ellipsoide& e, double lat1, double lon1, double lat2,
                              double lon2) {
  const Reel a = e.DemiGrandAxe, b = e.DemiPetitAxe, f = e.Aplatissement;
  const ResultatInverse confondus{false, true, 0, 0, 0, 0}, sansResultat{false, false, 0, 0, 0, 0};

  // Longitude difference, not reduced, and reduced latitudes.
  const Reel L = DegresEnRadians(Reel(lon2) - lon1);
  const Reel U1 = Atan((1 - f) * Tan(DegresEnRadians(lat1)));
  const Reel U2 = Atan((1 - f) * Tan(DegresEnRadians(lat2)));
  const Reel sinU1 = Sin(U1), cosU1 = Cos(U1), sinU2 = Sin(U2), cosU2 = Cos(U2);

  // Longitude difference on the auxiliary sphere, until two successive λ differ by at most
  // 1e-12 or the counter runs out.
  Reel lambda = L, lambdaP = L;
  Reel sinLambda = 0, cosLambda = 0, sinSigma = 0, cosSigma = 0, sigma = 0;
  Reel cosSqAlpha = 0, cos2SigmaM = 0;
  int compteur = kPassesInversesMax;
  do {
    sinLambda = Sin(lambda);
    cosLambda = Cos(lambda);
    const Reel y = cosU2 * sinLambda, x = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
    sinSigma = Sqrt(y * y + x * x);
    if (sinSigma == 0) return confondus;
    cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
    sigma = ArcTan2(sinSigma, cosSigma);
    const Reel sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
    cosSqAlpha = 1 - sinAlpha * sinAlpha;
    // Along the equator cos²α is 0 and 2σm has no meaning; its cosine is taken as 0.
    cos2SigmaM = cosSqAlpha == 0 ? Reel(0) : cosSigma - 2 * sinU1 * sinU2 / cosSqAlpha;
    const Reel C = vincenty::C(f, cosSqAlpha);
    lambdaP = lambda;
    lambda = L + vincenty::LambdaMoinsL(C, f, sinAlpha, sigma, sinSigma, cosSigma, cos2SigmaM);
    --compteur;
  } while (Abs(lambda - lambdaP) > 1e-12 && compteur > 0);
  if (compteur == 0) return sansResultat;

  // Series coefficients and the distance.
  const Reel uSq = vincenty::UCarre(cosSqAlpha, a, b);
  const Reel A = vincenty::A(uSq), B = vincenty::B(uSq);
  const Reel deltaSigma = vincenty::DeltaSigma(B, sinSigma, cosSigma, cos2SigmaM);
  const Reel s = b * A * (sigma - deltaSigma);

  // Courses at both ends, from sin λ and cos λ of the last pass.
  const Reel alpha1 = ArcTan2(cosU2 * sinLambda, cosU1 * sinU2 - sinU1 * cosU2 * cosLambda);
  const Reel alpha2 = ArcTan2(cosU1 * sinLambda, -sinU1 * cosU2 + cosU1 * sinU2 * cosLambda);

  return {true,
          false,
          static_cast<double>(s),
          static_cast<double>(NormaliserRoute(RadiansEnDegres(alpha1))),
          static_cast<double>(NormaliserRoute(RadiansEnDegres(alpha2))),
          kPassesInversesMax - compteur};
}

}  // namespace orbalide
