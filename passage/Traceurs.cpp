#include "Traceurs.hpp"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "Utf8.hpp"

namespace orbalide {
namespace {

// The letters of U+00C0 to U+017F without their accents, one a character; a digit stands for
// two letters (kDeuxLettres), a blank for a character that is no letter (× and ÷).
constexpr std::string_view kSansAccents =
    "AAAAAA1CEEEEIIIIDNOOOOO OUUUUY57aaaaaa2ceeeeiiiidnooooo ouuuuy6y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi89JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo34RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
constexpr long kPremierAccentue = 0xC0;
constexpr std::array<std::string_view, 10> kDeuxLettres{"",   "AE", "ae", "OE", "oe",
                                                        "TH", "th", "ss", "IJ", "ij"};
constexpr std::string_view kMarquesGardees = "-.'_";
constexpr long kEspaceInsecable = 0xA0;
constexpr std::string_view kSansNom = "WP";

bool Alphanumerique(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// What stands for the character `c`, written `texte`, in an ASCII name: itself, its letters, a
// blank, or nothing.
std::string_view EnAscii(long c, std::string_view texte) {
  if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == kEspaceInsecable) return " ";
  if (c >= 0 && c < 0x80) {
    const bool garde = Alphanumerique(texte[0]) || kMarquesGardees.find(texte[0]) != texte.npos;
    return garde ? texte : std::string_view();
  }
  if (c < kPremierAccentue || c >= kPremierAccentue + static_cast<long>(kSansAccents.size())) {
    return {};
  }
  const std::size_t k = static_cast<std::size_t>(c - kPremierAccentue);
  const char lettre = kSansAccents[k];
  if (lettre == ' ') return {};
  if (lettre >= '1' && lettre <= '9') return kDeuxLettres[static_cast<std::size_t>(lettre - '0')];
  return kSansAccents.substr(k, 1);
}

// The first `n` characters of an ASCII name, without the blank that would end them.
std::string Debut(std::string_view nom, std::size_t n) {
  std::string_view d = nom.substr(0, n);
  while (!d.empty() && d.back() == ' ') d.remove_suffix(1);
  return std::string(d);
}

// The letters and digits of the start of a given waypoint's name, up to `n`.
std::string Initiales(std::string_view nom, std::size_t n) {
  std::string lettres;
  for (const char c : NomAscii(nom)) {
    if (Alphanumerique(c) && lettres.size() < n) lettres += c;
  }
  return lettres;
}

// The names each waypoint would have if none collided.
std::vector<std::string> NomsVoulus(const Passage& p, std::size_t longueur) {
  std::vector<std::string> noms;
  std::size_t donne = 0, rang = 0;  // the last given waypoint; the rank of a made one after it
  for (std::size_t i = 0; i < p.Points.size(); ++i) {
    if (!p.Points[i].Fait) {
      noms.push_back(Debut(NomAscii(p.Points[i].Nom), longueur));
      donne = i, rang = 0;
      continue;
    }
    std::size_t suivant = i;
    while (p.Points[suivant].Fait) ++suivant;
    const std::string numero = std::to_string(++rang);
    const std::size_t place = longueur - std::min(longueur, numero.size());
    const std::string depart = Initiales(p.Points[donne].Nom, (place + 1) / 2);
    noms.push_back(depart + Initiales(p.Points[suivant].Nom, place - depart.size()) + numero);
  }
  return noms;
}

}  // namespace

std::string NomAscii(std::string_view nom) {
  std::string ascii;
  bool blanc = false;
  for (std::size_t i = 0; i < nom.size();) {
    const std::size_t debut = i;
    const long c = CaractereUtf8(nom, i);
    const std::string_view lettres = EnAscii(c, nom.substr(debut, i - debut));
    if (lettres == " ") {
      blanc = !ascii.empty();
    } else if (!lettres.empty()) {
      if (blanc) ascii += ' ';
      ascii += lettres, blanc = false;
    }
  }
  return ascii;
}

std::optional<Passage> AvecNomsCourts(Passage passage, std::size_t longueur) {
  if (longueur < kLongueurNomMin) return std::nullopt;
  const std::vector<std::string> voulus = NomsVoulus(passage, longueur);
  const std::unordered_set<std::string> pris(voulus.begin(), voulus.end());
  std::unordered_set<std::string> donnes;
  std::unordered_map<std::string, std::size_t> suivants;  // the next number to try after a name
  for (std::size_t i = 0; i < voulus.size(); ++i) {
    std::string nom = voulus[i];
    if (nom.empty() || donnes.contains(nom)) {
      const std::string base = nom.empty() ? std::string(kSansNom) : nom;
      std::size_t& n = suivants.try_emplace(base, nom.empty() ? 1 : 2).first->second;
      do {
        const std::string numero = std::to_string(n++);
        if (numero.size() > longueur) return std::nullopt;
        nom = Debut(base, longueur - numero.size()) + numero;
      } while (donnes.contains(nom) || pris.contains(nom));
    }
    donnes.insert(nom);
    PointDePassage& p = passage.Points[i];
    std::string complet = std::exchange(p.Nom, std::move(nom));
    if (p.NomComplet.empty()) p.NomComplet = std::move(complet);
  }
  return passage;
}

std::pair<std::string, std::string> NomsRouteCourte(const Passage& passage) {
  const PointDePassage &a = passage.Points.front(), &b = passage.Points.back();
  // Appended piece by piece: GCC 12 at -O3 warns of an overlap that cannot happen in a sum of
  // strings (its -Wrestrict false positive).
  std::string nom = a.Nom, complet = a.NomComplet;
  nom.append("-").append(b.Nom);
  complet.append(kTiretNom).append(b.NomComplet);
  return {nom, complet};
}

std::vector<std::pair<std::size_t, std::size_t>> PartiesRoute(std::size_t points,
                                                              std::size_t maximum) {
  const std::size_t dernier = points == 0 ? 0 : points - 1,
                    pas = std::max<std::size_t>(maximum, 2) - 1;
  std::vector<std::pair<std::size_t, std::size_t>> parties{{0, std::min(pas, dernier)}};
  while (parties.back().second < dernier) {
    const std::size_t debut = parties.back().second;
    parties.emplace_back(debut, std::min(debut + pas, dernier));
  }
  return parties;
}

}  // namespace orbalide
