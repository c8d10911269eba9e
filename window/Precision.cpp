// The seconds precision of the menu and the distance unit.
#include "FormFormules.hpp"
#include "Libelles.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Sexagesimal.hpp"

namespace orbalide {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

void FormFormules::ChoisirPrecision(std::int16_t decimales, MenuItem& choisi,
                                    std::array<MenuItem*, 3> ordre) {
  DecimalesSecondes = decimales;
  for (MenuItem* m : ordre) m->Checked = m == &choisi;
  AppliquerPrecision();
}

void FormFormules::Mcent_Click() {
  ChoisirPrecision(2, Mcent, {&Mcent, &Mmille, &Mmaxi});
}
void FormFormules::Mmille_Click() {
  ChoisirPrecision(3, Mmille, {&Mmille, &Mcent, &Mmaxi});
}
void FormFormules::Mmaxi_Click() {
  ChoisirPrecision(7, Mmaxi, {&Mcent, &Mmille, &Mmaxi});
}

void FormFormules::AppliquerPrecision() {
  if (DecimalesSecondes == 2) {
    ArrondirCentiemes(LATS[0]);
    ArrondirCentiemes(LonS[0]);
  }
  FormatSecondes = ImageSecondes(DecimalesSecondes);
  planificateur_.Precision(DecimalesSecondes);
}

// Rewrites typed seconds at hundredths: the decimals after the first point are rounded to two,
// an exact half to the even hundredth (23.265 → 23.26, 23.275 → 23.28); .996 reaches the next
// whole second. A text without a point is left as it is.
void FormFormules::ArrondirCentiemes(TextBox& secondes) {
  const std::string& texte = secondes.Text();
  const auto point = texte.find('.');
  if (point == std::string::npos) return;
  const std::string entiers = texte.substr(0, point);
  std::string chiffres;
  for (std::size_t i = point + 1; i < texte.size() && IsDigit(texte[i]); ++i) chiffres += texte[i];
  chiffres.resize(std::max<std::size_t>(chiffres.size(), 3), '0');

  int centiemes = (chiffres[0] - '0') * 10 + (chiffres[1] - '0');
  const char troisieme = chiffres[2];
  const bool reste = chiffres.find_first_not_of('0', 3) != std::string::npos;
  if (troisieme > '5' || (troisieme == '5' && (reste || centiemes % 2 == 1))) ++centiemes;

  if (centiemes < 100) {
    secondes.SetText(entiers + "." + static_cast<char>('0' + centiemes / 10) +
                     static_cast<char>('0' + centiemes % 10));
    return;
  }
  try {
    secondes.SetText(FormatPicture(LireNombre(entiers) + 1, "00", ".") + ".00");
  } catch (const ErreurArithmetique&) {
  }
}

// The feet tooltip goes with the distance it speaks of.
void FormFormules::Label10_Click() {
  Text3.SetText("");
  Text3.ToolTipText = "";
  sansResultat_.reset();
  Option1[static_cast<std::int16_t>(Option1[1].Value() ? 0 : 1)].SetValue(true);
  NommerUnite();
  NommerBascule(EnAnglais());
  AnnoncerUnite();
}

// The unit label names the unit in French, whatever the language.
void FormFormules::NommerUnite() {
  Label10.Caption = (UniteChoisie() == Unite::Milles ? textes::Milles : textes::Metres).En(false);
}

// To screen readers the unit label is a button named after the unit it switches to, in the
// window's language, as a flag is after its language (its caption, the unit in use, is empty
// until the first computation).
void FormFormules::NommerBascule(bool anglais) {
  Label10.AccessibleName =
      (UniteChoisie() == Unite::Milles ? textes::VersMetres : textes::VersMilles).En(anglais);
}

}  // namespace orbalide
