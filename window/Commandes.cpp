// The two computations: forward (Command2) and inverse (Command4).
#include <cmath>

#include "Angles.hpp"
#include "FormFormules.hpp"
#include "Libelles.hpp"
#include "ModFormules.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"
#include "inverse.hpp"

namespace orbalide {
namespace {

constexpr double kMetresParPied = 0.3048;
constexpr double kLimitePieds = 10000;  // metres: the feet are shown only below

}  // namespace

void FormFormules::LireRouteInitiale() {
  RouteSaisie = RouteEnDegres(Text1[0].Text(), Text1[1].Text(), Text1[2].Text());
}

// Degrees text with the decimal course as its tooltip, minutes, seconds.
void FormFormules::AfficherRoute(double route, TextBox& degres, TextBox& minutes,
                                 TextBox& secondes) {
  const TexteRoute texte = RouteEnSexagesimal(route, FormatSecondes, platform_.DecimalSeparator());
  degres.SetText(texte.Degres);
  degres.ToolTipText = texte.Decimal;
  minutes.SetText(texte.Minutes);
  secondes.SetText(texte.Secondes);
}

void FormFormules::Command2_Click() {
  ResultatDirect r{};
  try {
    const double distance = EnMetres(LireNombre(Text2.Text()), UniteChoisie());
    const double lat1 = Latitude(0), lon1 = Longitude(0);
    LireRouteInitiale();
    r = CalculDirect(EllipsoideCourant, lat1, lon1, RouteSaisie, distance);
    RouteDirecte = {Trajet{EllipsoideCourant, lat1, lon1, RouteSaisie, distance, r.Latitude,
                           r.Longitude, r.RouteArrivee},
                    Emplacements(0).Nom->Text(), Emplacements(1).Nom->Text()};
  } catch (const ErreurArithmetique&) {  // nothing computed before may stand beside the inputs
    ViderDirecte(Vidage::Resultats);
    AnnoncerSansResultat(SansResultat::HorsDomaine);
    platform_.Beep();
    return;
  }
  AfficherRoute(r.RouteArrivee, FB[0], FB[1], FB[2]);

  // The return course: whole degrees before the carries decide, degrees after them are shown.
  const double entiers = std::floor(r.RouteArrivee);
  const double degres = LireNombre(FB[0].Text());
  FB[3].SetText(FormatPicture(entiers < 180 ? degres + 180 : degres - 180, "0", "."));
  FB[4].SetText(FB[1].Text());
  FB[5].SetText(FB[2].Text());

  const TexteSexagesimal latitude = PositionEnSexagesimal(r.Latitude, FormatSecondes);
  const TexteSexagesimal longitude = PositionEnSexagesimal(r.Longitude, FormatSecondes);
  LatD[1].SetText(latitude.Degres);
  LATM[1].SetText(latitude.Minutes);
  LATS[1].SetText(latitude.Secondes);
  LOnD[1].SetText(longitude.Degres);
  LonM[1].SetText(longitude.Minutes);
  LonS[1].SetText(longitude.Secondes);
  Label3[1].Caption = LettreHemisphere(r.Longitude, Axe::Longitude);
  Label3[0].Caption = LettreHemisphere(r.Latitude, Axe::Latitude);
  AnnoncerDirecte();
}

void FormFormules::Command4_Click() {
  ResultatInverse r{};
  try {
    const double lat1 = Latitude(2), lon1 = Longitude(2);
    const double lat2 = Latitude(3), lon2 = Longitude(3);
    r = CalculInverse(EllipsoideCourant, lat1, lon1, lat2, lon2);
    sansResultat_.reset();
    if (r.Obtenu) {
      RouteInverse = {Trajet{EllipsoideCourant, lat1, lon1, r.RouteInitiale, r.Distance, lat2, lon2,
                             r.RouteArrivee},
                      Emplacements(2).Nom->Text(), Emplacements(3).Nom->Text()};
    } else {
      sansResultat_ = r.Confondus ? SansResultat::Confondus : SansResultat::NonConvergent;
    }
  } catch (const ErreurArithmetique&) {
    sansResultat_ = SansResultat::HorsDomaine;
  }
  if (sansResultat_) {
    ViderInverse(Vidage::Resultats);
    ExpliquerSansResultat(EnAnglais());
    AnnoncerSansResultat(*sansResultat_);
    platform_.Beep();
    return;
  }

  const bool milles = UniteChoisie() == Unite::Milles;
  const std::string separateur = platform_.DecimalSeparator();
  NommerUnite();
  Text3.SetText(TexteDistance(r.Distance, UniteChoisie(), FormatSecondes, separateur));
  Text3.ToolTipText = !milles && r.Distance < kLimitePieds
                          ? FormatPicture(r.Distance / kMetresParPied, FormatSecondes, separateur) +
                                " " + textes::Pieds.En(EnAnglais())
                          : "";
  AfficherRoute(r.RouteInitiale, Text1[5], Text1[4], Text1[3]);
  AfficherRoute(r.RouteArrivee, Text1[8], Text1[7], Text1[6]);
  AnnoncerInverse();
}

}  // namespace orbalide
