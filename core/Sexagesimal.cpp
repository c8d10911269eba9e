#include "Sexagesimal.hpp"

#include "Angles.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"

namespace orbalide {
namespace {

constexpr double kMinutesParDegre = 60;
constexpr double kSecondesParDegre = 3600;

std::string Entier(Reel n) {
  return FormatPicture(static_cast<double>(n), "0", ".");
}
std::string DeuxChiffres(Reel n) {
  return FormatPicture(static_cast<double>(n), "00", ".");
}

// Whole degrees, whole minutes and seconds of a non-negative angle.
struct Decomposition {
  Reel degres, minutes, secondes;
};

Decomposition Decomposer(Reel x) {
  const Reel degres = Floor(x);
  const Reel m = (x - degres) * kMinutesParDegre;
  const Reel minutes = Floor(m);
  return {degres, minutes, (m - minutes) * kMinutesParDegre};
}

bool SecondesPleines(const std::string& secondes) {
  return LireNombre(secondes) == kMinutesParDegre;
}

}  // namespace

std::string ImageSecondes(std::int16_t decimales) {
  return "00." + std::string(static_cast<std::size_t>(decimales), '0');
}

int LongueurSecondes(std::int16_t decimales) {
  return static_cast<int>(ImageSecondes(decimales).size());
}

std::string TexteSecondes(double s, std::string_view picture) {
  return FormatPicture(s, picture, ".");
}

double SexagesimalEnDegres(double degres, double minutes, double secondes,
                           std::int16_t hemisphere) {
  const Reel valeur =
      Abs(degres) + Abs(Reel(minutes) / kMinutesParDegre) + Abs(Reel(secondes) / kSecondesParDegre);
  return static_cast<double>(hemisphere == kHemisphereNegatif ? -valeur : valeur);
}

double PositionEnDegres(std::string_view degres, std::string_view minutes,
                        std::string_view secondes, std::int16_t hemisphere) {
  return SexagesimalEnDegres(LireNombre(degres), LireNombre(minutes), LireNombre(secondes),
                             hemisphere);
}

double RouteEnDegres(std::string_view degres, std::string_view minutes, std::string_view secondes) {
  const Reel route = Reel(LireNombre(degres)) + Reel(LireNombre(minutes)) / kMinutesParDegre +
                     Reel(LireNombre(secondes)) / kSecondesParDegre;
  return static_cast<double>(route);
}

TexteSexagesimal PositionEnSexagesimal(double valeur, std::string_view picture) {
  Decomposition d = Decomposer(Abs(valeur));
  std::string secondes = TexteSecondes(static_cast<double>(d.secondes), picture);
  if (SecondesPleines(secondes)) {
    secondes = TexteSecondes(0, picture);
    d.minutes = d.minutes + 1;
    if (d.minutes == kMinutesParDegre) {
      d.minutes = 0;
      d.degres = d.degres + 1;
    }
  }
  return {DeuxChiffres(d.degres), DeuxChiffres(d.minutes), secondes};
}

TexteRoute RouteEnSexagesimal(double route, std::string_view picture,
                              std::string_view separateurRegional) {
  const Decomposition d = Decomposer(route);
  TexteRoute texte;
  texte.Degres = Entier(d.degres);
  texte.Minutes = Entier(d.minutes);
  texte.Secondes = TexteSecondes(static_cast<double>(d.secondes), picture);
  texte.Decimal = FormatGeneral(route, separateurRegional);
  if (SecondesPleines(texte.Secondes)) {
    texte.Minutes = Entier(d.minutes + 1);
    texte.Secondes = "00";
  }
  if (texte.Minutes == "60") {
    texte.Degres = Entier(d.degres + 1);
    texte.Minutes = "00";
  }
  return texte;
}

namespace {

// Navigators write longitudes and courses with three digits of degrees: 006°, 045°.
constexpr std::size_t kChiffresLongitude = 3;

// Whether a written number stands for zero, whatever its sign: it has no other digit.
bool Nul(std::string_view texte) {
  return texte.find_first_not_of("-0.") == std::string_view::npos;
}

}  // namespace

std::string TexteAngle(double valeur, std::optional<Axe> axe, std::string_view picture) {
  TexteSexagesimal t = PositionEnSexagesimal(valeur, picture);
  const bool degresRonds = Nul(t.Minutes) && Nul(t.Secondes);
  if (!axe && degresRonds && t.Degres == "360") t.Degres.clear();  // the padding makes it 000
  const std::size_t chiffres = axe == Axe::Latitude ? t.Degres.size() : kChiffresLongitude;
  if (t.Degres.size() < chiffres) t.Degres.insert(0, chiffres - t.Degres.size(), '0');
  std::string texte = t.Degres + "°" + t.Minutes + "′" + t.Secondes + "″";
  if (axe) texte += LettreHemisphere(degresRonds && Nul(t.Degres) ? 0 : valeur, *axe);
  return texte;
}

}  // namespace orbalide
