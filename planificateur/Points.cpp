// The waypoints: the rows the user types, pastes, inserts, deletes, moves and reverses, each edit
// a command of the undo stack.
#include <algorithm>
#include <array>
#include <charconv>
#include <memory>

#include "Escales.hpp"
#include "FormPassage.hpp"
#include "LectureGpx.hpp"
#include "Texte.hpp"
#include "TextesPassage.hpp"

namespace orbalide {
namespace {

// The rows from `debut` replaced: `avant` by `apres`.
class ModifierLignes : public UndoCommand {
 public:
  ModifierLignes(FormPassage& f, std::size_t debut, std::vector<PointSaisi> avant,
                 std::vector<PointSaisi> apres)
      : f_(f), debut_(debut), avant_(std::move(avant)), apres_(std::move(apres)) {}
  void Redo() override { f_.RemplacerLignes(debut_, avant_.size(), apres_); }
  void Undo() override { f_.RemplacerLignes(debut_, apres_.size(), avant_); }

 private:
  FormPassage& f_;
  std::size_t debut_;
  std::vector<PointSaisi> avant_, apres_;
};

Coordonnee Lire(std::string texte, Axe axe) {
  std::variant<double, Refus> lue = LireCoordonneeEscale(texte, axe);
  return {std::move(texte), std::move(lue)};
}

// The shortest text that reads back as the same double.
std::string Exact(double v) {
  std::array<char, 32> texte{};
  const auto fin = std::to_chars(texte.data(), texte.data() + texte.size(), v).ptr;
  return {texte.data(), fin};
}

PointSaisi NouvelleLigne() {
  return {"", Lire("", Axe::Latitude), Lire("", Axe::Longitude)};
}

// Line `n` (from 1) of a text, without its end.
std::string_view LigneDuTexte(std::string_view texte, std::size_t n) {
  for (std::size_t i = 1; i < n; ++i) {
    const auto fin = texte.find('\n');
    if (fin == std::string_view::npos) return "";
    texte.remove_prefix(fin + 1);
  }
  texte = texte.substr(0, texte.find('\n'));
  if (texte.ends_with('\r')) texte.remove_suffix(1);
  return texte;
}

std::string SansBlancs(std::string_view texte) {
  const auto debut = texte.find_first_not_of(" \t");
  if (debut == std::string_view::npos) return "";
  return std::string(texte.substr(debut, texte.find_last_not_of(" \t") - debut + 1));
}

}  // namespace

PointSaisi LigneDuPoint(const PointDePassage& p) {
  return {p.Nom, {Exact(p.Latitude), p.Latitude}, {Exact(p.Longitude), p.Longitude}, p.Fait};
}

void FormPassage::Modifier(std::size_t debut, std::size_t nombre, std::vector<PointSaisi> lignes) {
  std::vector<PointSaisi> avant(lignes_.begin() + static_cast<std::ptrdiff_t>(debut),
                                lignes_.begin() + static_cast<std::ptrdiff_t>(debut + nombre));
  pile_.Push(std::make_unique<ModifierLignes>(*this, debut, std::move(avant), std::move(lignes)));
  Titrer();
  Annoncer();
}

// The current cell goes to the first row replaced, where an undone edit is seen.
void FormPassage::RemplacerLignes(std::size_t debut, std::size_t nombre,
                                  const std::vector<PointSaisi>& lignes) {
  const auto d = lignes_.begin() + static_cast<std::ptrdiff_t>(debut);
  lignes_.insert(lignes_.erase(d, d + static_cast<std::ptrdiff_t>(nombre)), lignes.begin(),
                 lignes.end());
  Recalculer();
  TblPoints.SetCurrent(static_cast<int>(debut), TblPoints.CurrentColumn());
}

// The user's text of a cell: a coordinate read in any notation a waypoint's line takes, a name
// without the blanks around it. A row so edited is given by the user, whatever it was read as.
PointSaisi FormPassage::LigneEditee(const PointSaisi& avant, int colonne,
                                    const std::string& texte) const {
  PointSaisi l = avant;
  l.Refuse.reset();
  l.Fait = false;
  if (colonne == 0) l.Nom = SansBlancs(texte);
  if (colonne == 1) l.Latitude = Lire(texte, Axe::Latitude);
  if (colonne == 2) l.Longitude = Lire(texte, Axe::Longitude);
  return l;
}

// A text in the last row, the empty one, makes a new waypoint; a text as shown changes nothing.
// Lines pasted into a cell, as from a spreadsheet, are waypoints pasted before its row.
void FormPassage::TblPoints_Edit(int row, int column, const std::string& text) {
  const auto r = static_cast<std::size_t>(row);
  if (text.find('\n') != std::string::npos) return Coller(text, std::min(r, lignes_.size()));
  if (r == lignes_.size()) {
    if (!SansBlancs(text).empty()) Modifier(r, 0, {LigneEditee(NouvelleLigne(), column, text)});
    return;
  }
  if (r < lignes_.size() && text != TblPoints.At(row, column).Text)
    Modifier(r, 1, {LigneEditee(lignes_[r], column, text)});
}

// The row of the current cell; nothing on the empty last row.
std::optional<std::size_t> FormPassage::RangCourant() const {
  const int r = TblPoints.CurrentRow();
  if (r < 0 || static_cast<std::size_t>(r) >= lignes_.size()) return std::nullopt;
  return static_cast<std::size_t>(r);
}

void FormPassage::MInserer_Click() {
  Modifier(RangCourant().value_or(lignes_.size()), 0, {NouvelleLigne()});
}

void FormPassage::MSupprimer_Click() {
  if (const auto r = RangCourant()) Modifier(*r, 1, {});
}

void FormPassage::MMonter_Click() {
  Deplacer(-1);
}

void FormPassage::MDescendre_Click() {
  Deplacer(1);
}

// The current row exchanged with the one above (sens −1) or below (1); the current cell follows.
void FormPassage::Deplacer(int sens) {
  const auto r = RangCourant();
  if (!r || (sens < 0 && *r == 0) || (sens > 0 && *r + 1 >= lignes_.size())) return;
  const std::size_t haut = sens < 0 ? *r - 1 : *r;
  Modifier(haut, 2, {lignes_[haut + 1], lignes_[haut]});
  TblPoints.SetCurrent(static_cast<int>(sens < 0 ? haut : haut + 1), TblPoints.CurrentColumn());
  Titrer();
}

// The waypoints sailed back, as the command line's --reverse gives them; only once every row
// reads, so that no waypoint is lost.
void FormPassage::MInverser_Click() {
  if (PremiereIllisible()) {
    return Avertir(Fill(textes::passage::NonInversable.En(EnAnglais()), {TxtBilan.Text()}));
  }
  std::vector<PointDePassage> points;
  for (const PointSaisi& l : lignes_) {
    if (const auto* lat = std::get_if<double>(&l.Latitude.Lue)) {
      points.push_back({*lat, std::get<double>(l.Longitude.Lue), l.Nom, l.Fait});
    }
  }
  std::vector<PointSaisi> inverses;
  for (const PointDePassage& p : PointsInverses(std::move(points)))
    inverses.push_back(LigneDuPoint(p));
  Modifier(0, lignes_.size(), std::move(inverses));
}

namespace {

bool Refusee(const EscaleLue& e) {
  return std::holds_alternative<Refus>(e.Quoi);
}

}  // namespace

// The waypoints of a file's or the clipboard's text: a GPX route (the file's first, or its
// waypoints), told by its contents, or every waypoint record, as the command line reads a file:
// CSV (after its header, or from its first line without one) when the text read plainly refuses
// its first record and read as CSV refuses none. A record that gives no waypoint is a row of its
// text, refused. Nothing, once said why, for a GPX text that cannot be read (`origine` names it).
// `notreGpx`: whether the text is a GPX file that this program wrote.
std::optional<std::vector<PointSaisi>> FormPassage::LignesDuTexte(std::string_view texte,
                                                                  const std::string& origine,
                                                                  bool* notreGpx) {
  std::vector<PointSaisi> lignes;
  if (DebutXml(texte)) {
    const auto route = LireGpx(texte, ChoixRoute{});
    if (const auto* erreur = std::get_if<ErreurGpx>(&route)) {
      const bool anglais = EnAnglais();
      Avertir(Fill(textes::passage::IllisibleGpx.En(anglais),
                   {origine, TexteErreurGpx(*erreur, ChoixRoute{}, anglais),
                    std::to_string(erreur->Ligne)}));
      return std::nullopt;
    }
    const RouteGpxLue& lue = std::get<RouteGpxLue>(route);
    for (const PointGpx& p : lue.Points) lignes.push_back(LigneDuPoint(p.Point));
    if (notreGpx != nullptr) *notreGpx = lue.NotreFichier;
    return lignes;
  }
  std::vector<EscaleLue> lues = LireEscales(texte, false);
  if (!lues.empty() && Refusee(lues.front())) {
    std::vector<EscaleLue> csv = LireEscales(texte, true);
    if (std::none_of(csv.begin(), csv.end(), Refusee)) lues = std::move(csv);
  }
  for (const EscaleLue& e : lues) {
    if (const auto* p = std::get_if<PointDePassage>(&e.Quoi)) {
      lignes.push_back(LigneDuPoint(*p));
    } else {
      PointSaisi l = NouvelleLigne();
      l.Nom = LigneDuTexte(texte, e.Ligne);
      l.Refuse = std::get<Refus>(e.Quoi);
      lignes.push_back(std::move(l));
    }
  }
  return lignes;
}

// The clipboard's waypoints before the current row (at the end from the empty last row): lines
// of waypoints, or a GPX route copied from a file or a plotter's program.
void FormPassage::MColler_Click() {
  Coller(platform_.ClipboardText(), RangCourant().value_or(lignes_.size()));
}

void FormPassage::Coller(std::string_view texte, std::size_t rang) {
  std::optional<std::vector<PointSaisi>> lignes =
      LignesDuTexte(texte, textes::passage::LePressePapiers.En(EnAnglais()));
  if (!lignes) return;
  if (lignes->empty()) return platform_.Beep();
  Modifier(rang, 0, std::move(*lignes));
}

void FormPassage::MAnnuler_Click() {
  pile_.Undo();
  Titrer();
  Annoncer();
}

void FormPassage::MRetablir_Click() {
  pile_.Redo();
  Titrer();
  Annoncer();
}

}  // namespace orbalide
