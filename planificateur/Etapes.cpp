// The passage computed at each edit, as the command line's route computes it, and shown: the
// waypoints with the reason of each that cannot be read, the legs with their made waypoints, and
// the totals or why there is no route.
#include <cmath>

#include "FormPassage.hpp"
#include "Kml.hpp"
#include "Nombres.hpp"
#include "Sexagesimal.hpp"
#include "Texte.hpp"
#include "TextesPassage.hpp"
#include "Unites.hpp"

namespace orbalide {
namespace {

namespace t = textes::passage;

constexpr double kHeuresParJour = 24;

bool Blanche(const PointSaisi& l) {
  return l.Nom.empty() && l.Latitude.Texte.empty() && l.Longitude.Texte.empty() && !l.Refuse;
}

bool Lisible(const PointSaisi& l) {
  return !l.Refuse && std::holds_alternative<double>(l.Latitude.Lue) &&
         std::holds_alternative<double>(l.Longitude.Lue) && TexteXml(l.Nom);
}

// Why a waypoint cannot be read, its coordinates named as the table's headers name them rather
// than as the command line's fields ("lat").
std::string Raison(Refus refus, bool anglais) {
  if (refus.Quoi == Refus::Motif::Champ && refus.Lu != Genre::Distance) {
    const Mots& mot = refus.Lu == Genre::Longitude ? t::Longitude : t::Latitude;
    refus.Colonne = anglais ? mot.Anglais : mot.Francais;
  }
  return RaisonRefus(refus, anglais);
}

}  // namespace

// The first row that is neither blank nor readable.
std::optional<std::size_t> FormPassage::PremiereIllisible() const {
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    if (!Blanche(lignes_[i]) && !Lisible(lignes_[i])) return i;
  }
  return std::nullopt;
}

// Only once every setting and every row reads: a waypoint is never left out unseen.
void FormPassage::Recalculer() {
  const ReglagesPassage r = LireReglages();
  std::vector<PointDePassage> points;
  rangs_.clear();
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const PointSaisi& l = lignes_[i];
    if (Blanche(l) || !Lisible(l)) continue;
    points.push_back(
        {std::get<double>(l.Latitude.Lue), std::get<double>(l.Longitude.Lue), l.Nom, l.Fait});
    rangs_.push_back(i);
  }
  const bool lus = std::none_of(refusReglages_.begin(), refusReglages_.end(),
                                [](const auto& refus) { return refus.has_value(); });
  resultat_ = ErreurPassage{ErreurPassage::Motif::Reglages};
  if (lus && !PremiereIllisible()) resultat_ = CalculerPassage(points, r);
  MarquerReglages();
  AfficherPoints();
  AfficherEtapes();
  AfficherBilan();
  Titrer();
}

// The row a passage's error stands at, when it names a waypoint.
std::optional<std::size_t> FormPassage::LigneErreur() const {
  const auto* e = std::get_if<ErreurPassage>(&resultat_);
  using Motif = ErreurPassage::Motif;
  if (e == nullptr || e->Quoi == Motif::Reglages || e->Quoi == Motif::AucunPoint ||
      e->Quoi == Motif::UnSeulPoint || e->Point >= rangs_.size())
    return std::nullopt;
  return rangs_[e->Point];
}

std::string FormPassage::TexteAngle(double v, std::optional<Axe> axe) const {
  return orbalide::TexteAngle(v, axe, ImageSecondes(affichage_.Decimales));
}

// A distance in the unit with as many decimals as the seconds, the regional decimal separator.
std::string FormPassage::TexteDistance(double metres) const {
  const std::string image = "0." + std::string(static_cast<std::size_t>(affichage_.Decimales), '0');
  return orbalide::TexteDistance(metres, reglages_.Distances(), image, separateur_);
}

// Hours and minutes, "102:33"; past a day, days too: "4 j 06:30".
std::string FormPassage::TexteDuree(double heures) const {
  const HeuresMinutes hm = EnHeuresMinutes(heures);
  const double jours = std::floor(hm.Heures / kHeuresParJour);
  const double reste = hm.Heures - jours * kHeuresParJour;
  const std::string minutes = FormatPicture(hm.Minutes, "00", ".");
  if (jours == 0) return FormatPicture(reste, "0", ".") + ":" + minutes;
  return FormatPicture(jours, "0", ".") + t::Jours.En(EnAnglais()) +
         FormatPicture(reste, "00", ".") + ":" + minutes;
}

// The time of arrival after `heures` from the departure: in UTC, "2026-12-24T18:31Z", or in the
// computer's zone at that moment, "2026-12-24T19:31+01:00"; "" without a departure.
std::string FormPassage::TexteArrivee(const Passage& p, double heures) const {
  if (!p.Depart) return "";
  const std::optional<Instant> instant = InstantApres(*p.Depart, heures);
  if (!instant) return "";
  if (!reglages_.HeureLocale) return TexteInstant(*instant);
  const int decalage = platform_.UtcOffsetMinutes(*instant);
  std::string texte = TexteInstant(*instant + Instant{60} * decalage);
  texte.pop_back();  // the Z
  const int minutes = std::abs(decalage);
  return texte + (decalage < 0 ? "-" : "+") + FormatPicture(minutes / 60, "00", ".") + ":" +
         FormatPicture(minutes % 60, "00", ".");
}

void FormPassage::AfficherPoints() {
  const bool anglais = EnAnglais();
  const std::optional<std::size_t> erreur = LigneErreur();
  std::vector<Row> rows;
  for (std::size_t i = 0; i < lignes_.size(); ++i) {
    const PointSaisi& l = lignes_[i];
    Cell nom{l.Nom};
    if (l.Refuse) {
      nom = {l.Nom, Mark::Invalid, t::LigneRefusee.En(anglais) + Raison(*l.Refuse, anglais)};
    } else if (!TexteXml(l.Nom)) {
      nom = {l.Nom, Mark::Invalid, Raison(Refus{Refus::Motif::NomXml}, anglais)};
    } else if (l.Fait) {
      nom = {l.Nom, Mark::Made, t::PointRefait.En(anglais)};
    }
    Row row{std::to_string(i + 1), {nom}};
    for (const auto& [c, axe] :
         {std::pair{&l.Latitude, Axe::Latitude}, {&l.Longitude, Axe::Longitude}}) {
      if (const auto* v = std::get_if<double>(&c->Lue)) {
        row.Cells.push_back({TexteAngle(*v, axe)});
      } else {
        row.Cells.push_back(
            Blanche(l) || l.Refuse
                ? Cell{c->Texte}
                : Cell{c->Texte, Mark::Invalid, Raison(std::get<Refus>(c->Lue), anglais)});
      }
      if (erreur == i) {
        row.Cells.back().Marked = Mark::Invalid;
        row.Cells.back().Reason = TexteErreurPassage(std::get<ErreurPassage>(resultat_), anglais);
      }
    }
    rows.push_back(std::move(row));
  }
  rows.push_back({t::Nouveau.En(anglais), {{}, {}, {}}});
  TblPoints.SetRows(std::move(rows));
}

// A row a leg, then the totals, as the command line writes them: the sums of the lengths and
// the whole time, without courses.
void FormPassage::AfficherEtapes() {
  const auto* p = std::get_if<Passage>(&resultat_);
  if (p == nullptr) return TblEtapes.SetRows({});
  const bool anglais = EnAnglais(), temps = p->Heures > 0;
  const auto point = [&](const PointDePassage& q) {
    return q.Fait ? Cell{q.Nom, Mark::Made, t::PointFait.En(anglais)} : Cell{q.Nom};
  };
  const auto rangee = [&](std::string entete, const Troncon& e, bool total) -> Row {
    const PointDePassage& b = p->Points[e.Arrivee];
    const auto route = [&](double r) { return Cell{total ? "" : TexteAngle(r, std::nullopt)}; };
    const auto duree = [&](double h) { return Cell{temps ? TexteDuree(h) : ""}; };
    return {std::move(entete),
            {point(p->Points[e.Depart]),
             point(b),
             {TexteAngle(b.Latitude, Axe::Latitude)},
             {TexteAngle(b.Longitude, Axe::Longitude)},
             route(e.Route),
             {TexteDistance(e.Distance)},
             route(e.RouteOrthodromie),
             {TexteDistance(e.DistanceOrthodromie)},
             duree(e.Heures),
             duree(e.HeuresCumulees),
             {TexteArrivee(*p, e.HeuresCumulees)}}};
  };
  std::vector<Row> rows;
  for (std::size_t i = 0; i < p->Troncons.size(); ++i)
    rows.push_back(rangee(std::to_string(i + 1), p->Troncons[i], false));
  const Troncon somme{0, p->Points.size() - 1,   0,         p->Distance,
                      0, p->DistanceOrthodromie, p->Heures, p->Heures};
  rows.push_back(rangee(t::Total.En(anglais), somme, true));
  TblEtapes.SetRows(std::move(rows));
}

// The totals, or the first reason why there is no route: a setting, a row that cannot be read,
// the passage's error at its waypoint.
void FormPassage::AfficherBilan() {
  const bool anglais = EnAnglais();
  for (std::size_t i = 0; i < kReglages; ++i) {
    if (refusReglages_[i])
      return TxtBilan.SetText(LblReglage[static_cast<std::int16_t>(i)].Caption +
                              t::DeuxPoints.En(anglais) + *refusReglages_[i] + ".");
  }
  const auto numero = [&](std::size_t rang) {
    return t::PointNumero.En(anglais) + std::to_string(rang + 1) + t::DeuxPoints.En(anglais);
  };
  if (const auto rang = PremiereIllisible()) {
    const Row& row = TblPoints.Rows()[*rang];
    const auto cell = std::find_if(row.Cells.begin(), row.Cells.end(),
                                   [](const Cell& c) { return c.Marked == Mark::Invalid; });
    return TxtBilan.SetText(numero(*rang) + cell->Reason + "." + t::Corriger.En(anglais));
  }
  if (const auto* e = std::get_if<ErreurPassage>(&resultat_)) {
    const auto rang = LigneErreur();
    return TxtBilan.SetText((rang ? numero(*rang) : "") + TexteErreurPassage(*e, anglais));
  }
  const Passage& p = std::get<Passage>(resultat_);
  const std::string unite = reglages_.Milles ? " Nm" : " m";
  std::string bilan = t::TotalLoxo.En(anglais) + TexteDistance(p.Distance) + unite +
                      t::ParLoxo.En(anglais) + TexteDistance(p.DistanceOrthodromie) + unite +
                      t::ParOrtho.En(anglais);
  if (p.Heures > 0) bilan += t::En.En(anglais) + TexteDuree(p.Heures);
  if (const std::string arrivee = TexteArrivee(p, p.Heures); !arrivee.empty())
    bilan += t::ArriveeLe.En(anglais) + arrivee;
  TxtBilan.SetText(bilan + ".");
}

}  // namespace orbalide
