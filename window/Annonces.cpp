// What a screen reader hears after a computation, in the window's language: its results as the
// boxes show them, or why there are none, in the words of the distance's tooltip.
#include "FormFormules.hpp"
#include "Libelles.hpp"

namespace orbalide {
namespace {

// Adds a sentence: "Route retour : 0 degrés 29 minutes 32.476 secondes."
void Ajouter(std::string& annonce, const Mots& titre, const std::string& contenu, bool anglais) {
  annonce += (annonce.empty() ? "" : " ") + titre.En(anglais) + textes::DeuxPoints.En(anglais) +
             contenu + ".";
}

// "44 degrés 06 minutes 00.468 secondes"
std::string Sexagesimal(const TextBox& degres, const TextBox& minutes, const TextBox& secondes,
                        bool anglais) {
  const TextBox* boites[] = {&degres, &minutes, &secondes};
  std::string lu;
  for (std::size_t i = 0; i < 3; ++i)
    lu += (i == 0 ? "" : " ") + boites[i]->Text() + " " + textes::Unites[i].En(anglais);
  return lu;
}

}  // namespace

void FormFormules::AnnoncerDirecte() {
  const bool anglais = EnAnglais();
  const std::string latitude = textes::Latitude.En(anglais) + " " +
                               Sexagesimal(LatD[1], LATM[1], LATS[1], anglais) + " " +
                               Label3[0].Caption;
  const std::string longitude = textes::Longitude.En(anglais) + " " +
                                Sexagesimal(LOnD[1], LonM[1], LonS[1], anglais) + " " +
                                Label3[1].Caption;
  std::string annonce;
  Ajouter(annonce, textes::PointArrivee, latitude + ", " + longitude, anglais);
  Ajouter(annonce, textes::CapArrivee, Sexagesimal(FB[0], FB[1], FB[2], anglais), anglais);
  Ajouter(annonce, textes::CapRetour, Sexagesimal(FB[3], FB[4], FB[5], anglais), anglais);
  Announce(annonce);
}

void FormFormules::AnnoncerInverse() {
  const bool anglais = EnAnglais();
  const Mots& unite = UniteChoisie() == Unite::Milles ? textes::MillesLus : textes::MetresLus;
  std::string annonce;
  Ajouter(annonce, textes::Distance, Text3.Text() + " " + unite.En(anglais), anglais);
  Ajouter(annonce, textes::CapInitial, Sexagesimal(Text1[5], Text1[4], Text1[3], anglais), anglais);
  Ajouter(annonce, textes::CapArrivee, Sexagesimal(Text1[8], Text1[7], Text1[6], anglais), anglais);
  Announce(annonce);
}

void FormFormules::AnnoncerSansResultat(SansResultat cause) {
  Announce(std::string(TexteSansResultat(cause, EnAnglais())));
}

}  // namespace orbalide
