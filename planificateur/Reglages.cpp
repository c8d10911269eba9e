// The passage's settings: the boxes, the ellipsoid, the unit and the clock the times of arrival
// are shown in, each change a command of the undo stack, read as the command line reads its
// options.
#include <cmath>
#include <limits>
#include <memory>

#include "Escales.hpp"
#include "FormPassage.hpp"
#include "Lecture.hpp"
#include "Nombres.hpp"
#include "Reel.hpp"
#include "Texte.hpp"
#include "TextesPassage.hpp"
#include "Unites.hpp"

namespace orbalide {
namespace {

constexpr Rgb kFondRefuse{255, 222, 222};

// The settings changed from `avant` to `apres`; the keys typed one after the other into one box
// make one change.
class ModifierReglages : public UndoCommand {
 public:
  ModifierReglages(FormPassage& f, Reglages avant, Reglages apres)
      : f_(f), avant_(std::move(avant)), apres_(std::move(apres)) {}
  void Redo() override { f_.AppliquerReglages(apres_); }
  void Undo() override { f_.AppliquerReglages(avant_); }
  bool Merge(const UndoCommand& suivante) override {
    const auto* s = dynamic_cast<const ModifierReglages*>(&suivante);
    if (s == nullptr || Boite() < 0 || s->Boite() != Boite()) return false;
    apres_ = s->apres_;
    return true;
  }

 private:
  // The one box whose text is all the change, else −1.
  int Boite() const {
    Reglages memesChoix = avant_;
    memesChoix.Textes = apres_.Textes;
    if (!(memesChoix == apres_)) return -1;
    int boite = -1;
    for (std::size_t i = 0; i < kReglages; ++i) {
      if (avant_.Textes[i] == apres_.Textes[i]) continue;
      if (boite >= 0) return -1;
      boite = static_cast<int>(i);
    }
    return boite;
  }

  FormPassage& f_;
  Reglages avant_, apres_;
};

// A number from 0 to `maximum`; `vide` for an empty box; nothing for any other text.
std::optional<double> Nombre(std::string_view texte, double vide, double maximum) {
  const std::string t = Trim(texte);
  if (t.empty()) return vide;
  const ValeurLue v = LireNombreSeul(t);
  if (v.Defaut != DefautLecture::Aucun || v.Valeur < 0 || v.Valeur > maximum) return std::nullopt;
  return v.Valeur;
}

}  // namespace

void FormPassage::Regler(const Reglages& reglages) {
  if (reglages == reglages_) return;
  pile_.Push(std::make_unique<ModifierReglages>(*this, reglages_, reglages));
  Titrer();
}

void FormPassage::Annoncer(const Reglages& reglages) {
  if (reglages == reglages_) return;
  Regler(reglages);
  Annoncer();
}

void FormPassage::TxtReglage_Change(std::int16_t Index) {
  Reglages r = reglages_;
  r.Textes[static_cast<std::size_t>(Index)] = TxtReglage[Index].Text();
  Regler(r);
}

// A choice is announced as the passage it makes; a box's text is not, at each key typed.
void FormPassage::CboEllipsoide_Click() {
  Reglages r = reglages_;
  r.Ellipsoide = CboEllipsoide.ListIndex();
  Annoncer(r);
}

// The interval between made waypoints keeps its length in the other unit, to the millimetre (a
// millionth of a mile): a switch does not turn 300 Nm into 300 m, and switching back gives the
// text typed, to the millimetre.
void FormPassage::OptUnite_Click(std::int16_t Index) {
  Reglages r = reglages_;
  r.Milles = Index == 1;
  std::string& intervalle = r.Textes[static_cast<std::size_t>(Reglage::Intervalle)];
  const auto v = Nombre(intervalle, 0, std::numeric_limits<double>::max());
  if (r.Milles != reglages_.Milles && v && *v > 0) {
    const double converti = EnUnite(EnMetres(*v, reglages_.Distances()), r.Distances());
    const double pas = r.Milles ? 1e6 : 1e3;
    const double arrondi = std::round(converti * pas) / pas;
    intervalle = FormatGeneral(arrondi > 0 ? arrondi : converti, ".");
  }
  Annoncer(r);
}

void FormPassage::OptHeures_Click(std::int16_t Index) {
  Reglages r = reglages_;
  r.HeureLocale = Index == 1;
  Annoncer(r);
}

// The controls show the settings, which the passage is computed with.
void FormPassage::AppliquerReglages(const Reglages& reglages) {
  reglages_ = reglages;
  for (std::size_t i = 0; i < kReglages; ++i)
    TxtReglage[static_cast<std::int16_t>(i)].SetText(reglages.Textes[i]);
  CboEllipsoide.SetListIndex(reglages.Ellipsoide);
  OptUnite[reglages.Milles ? 1 : 0].SetValue(true);
  OptHeures[reglages.HeureLocale ? 1 : 0].SetValue(true);
  Entetes();
  Recalculer();
}

// The settings the passage is computed with, each box read; why a box gives no value goes to
// refusReglages_. Empty boxes: no waypoint made, no latitude kept within, no times.
ReglagesPassage FormPassage::LireReglages() {
  namespace t = textes::passage;
  const auto& texte = [&](Reglage r) -> const std::string& {
    return reglages_.Textes[static_cast<std::size_t>(r)];
  };
  const auto refus = [&](Reglage r, const Mots& raison) {
    refusReglages_[static_cast<std::size_t>(r)] = raison.En(EnAnglais());
  };
  refusReglages_ = {};
  constexpr double kInfini = std::numeric_limits<double>::max();
  ReglagesPassage r{*EllipsoideDuCatalogue(reglages_.Ellipsoide)};
  const Unite unite = reglages_.Distances();
  try {
    if (const auto v = Nombre(texte(Reglage::Intervalle), 0, kInfini)) {
      r.Intervalle = EnMetres(*v, unite);
    } else {
      refus(Reglage::Intervalle, t::NombrePositif);
    }
  } catch (const ErreurArithmetique&) {
    refus(Reglage::Intervalle, t::NombrePositif);
  }
  if (const auto v = Nombre(texte(Reglage::Meridiens), 0, kPasMeridiensMax)) {
    r.PasMeridiens = *v;
  } else {
    refus(Reglage::Meridiens, t::Au180);
  }
  if (const auto v = Nombre(texte(Reglage::Vitesse), 0, kInfini);
      v && (*v == 0 || *v >= kVitesseMin)) {
    r.Vitesse = *v;
  } else {
    refus(Reglage::Vitesse, t::VitesseAttendue);
  }
  if (!Trim(texte(Reglage::LatitudeMax)).empty()) {
    const auto lue = LireCoordonneeEscale(texte(Reglage::LatitudeMax), Axe::Latitude);
    const auto* v = std::get_if<double>(&lue);
    if (v != nullptr && *v != 0) {
      r.LatitudeMax = std::fabs(*v);
    } else {
      refus(Reglage::LatitudeMax, t::LatitudeAttendue);
    }
  }
  if (!Trim(texte(Reglage::Depart)).empty()) {
    r.Depart = LireDepart(texte(Reglage::Depart));
    if (!r.Depart) refus(Reglage::Depart, t::InstantAttendu);
  }
  return r;
}

// A date and time with its zone; one without is taken in the clock the times are shown in.
std::optional<Instant> FormPassage::LireDepart(const std::string& texte) {
  if (const auto t = LireInstant(texte)) return t;
  const auto utc = LireInstant(texte + "Z");
  if (!utc || !reglages_.HeureLocale) return utc;
  return *utc - Instant{60} * platform_.UtcOffsetMinutes(*utc);
}

// A box that gives no value says why, to the eye and to screen readers.
void FormPassage::MarquerReglages() {
  for (std::size_t i = 0; i < kReglages; ++i) {
    TextBox& boite = TxtReglage[static_cast<std::int16_t>(i)];
    const std::optional<std::string>& raison = refusReglages_[i];
    boite.BackColor = raison ? std::optional(kFondRefuse) : std::nullopt;
    const bool depart = i == static_cast<std::size_t>(Reglage::Depart);
    boite.ToolTipText = raison.value_or(depart ? textes::passage::DepartBulle.En(EnAnglais()) : "");
    boite.AccessibleDescription = raison.value_or("");
  }
}

}  // namespace orbalide
