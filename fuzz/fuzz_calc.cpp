// Any bytes as the input of orbalide-calc, under options taken from the first byte and given in
// each of getopt_long's forms: one line out for each line in (no more with CSV's quoted line
// breaks; with CSV, the answers' header besides when the input has none), no answer unreadable,
// status 1 exactly when some line has a message, and the KML and GPX of the geodesics well-formed.
// The same along the rhumb line; and a route under the settings of the second byte: its legs and
// their total with their files well-formed, or nothing written but its messages, status 1.
#include <libxml/parser.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Lisible.hpp"
#include "Programme.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using orbalide::fuzz::Lisible;
using orbalide::fuzz::Verifier;

namespace {

// The input, a file in memory.
struct Memoire {
  Memoire() : fd(memfd_create("orbalide-calc", 0)) {}
  ~Memoire() { close(fd); }
  int fd;
};

// A file that the options name, in a folder of the process's own: written whole beside its name,
// it needs a folder.
struct Fichier {
  explicit Fichier(const char* nom) : chemin(Dossier() + "/" + nom) { std::remove(chemin.c_str()); }
  static const std::string& Dossier() {
    static const std::string dossier = [] {
      std::string modele = "/tmp/fuzz-calc-XXXXXX";
      Verifier(mkdtemp(modele.data()) != nullptr, "mkdtemp");
      return modele;
    }();
    return dossier;
  }
  std::string Lire() const {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  std::string chemin;
};

bool BienForme(const std::string& xml) {
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "f.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  xmlFreeDoc(doc);
  return doc != nullptr;
}

// The answers alone: each line without what the program writes back after them, a comment from
// its mark on, or CSV's columns after the third (the separator is the header's).
std::string Reponses(std::string_view sortie, bool csv) {
  std::string reponses;
  const std::size_t apresNom = sortie.find_first_of(",;");  // after the header's first name
  const char separateur = apresNom != sortie.npos ? sortie[apresNom] : ',';
  while (!sortie.empty()) {
    const std::string_view ligne = sortie.substr(0, sortie.find('\n'));
    std::size_t fin = csv ? 0 : ligne.find('#');
    for (int champ = 0; csv && champ < 3 && fin != ligne.npos; ++champ) {
      fin = ligne.find(separateur, fin + (champ > 0 ? 1 : 0));
    }
    reponses.append(ligne.substr(0, fin)) += '\n';
    sortie.remove_prefix(std::min(sortie.size(), ligne.size() + 1));
  }
  return reponses;
}

// A route: its legs and the line of their total under its header, or nothing but its messages.
// The total's last eight fields are numbers, times or empty, whatever the names before them.
// Whether a route's messages stop it: any but the warning of a GPX route longer than plotters take
// and the notice of a GPX file without a route, whose waypoints are read.
bool Arret(const std::string& messages) {
  std::istringstream lignes(messages);
  for (std::string l; std::getline(lignes, l);) {
    const bool avis = l.find("points; many chart plotters") != l.npos ||
                      l.find("points ; bien des traceurs") != l.npos || l.find("(<wpt>)") != l.npos;
    if (!avis) return true;
  }
  return false;
}

void VerifierRoute(int statut, const std::string& reponses, const std::string& messages, bool csv) {
  Verifier(statut == (Arret(messages) ? calc::kLignesSansReponse : calc::kToutesCalculees),
           "a route's status 1 exactly when a message stops it");
  if (statut != calc::kToutesCalculees) return Verifier(reponses.empty(), "no leg without a route");
  Verifier(!csv || reponses.starts_with("leg,from,to,") || reponses.starts_with("leg;from;to;"),
           "a route's header");
  const std::size_t total = reponses.rfind("\ntotal");
  Verifier(total != std::string::npos && reponses.back() == '\n', "a route's last line its total");
  const char separateur = csv ? reponses[3] : ' ';
  std::size_t champs = reponses.size() - 1;
  for (int i = 0; i < 8; ++i) champs = reponses.rfind(separateur, champs - 1);
  Verifier(champs > total && Lisible(reponses.substr(champs)), "a route's total plain numbers");
}

// What a memory stream gathered, once closed.
std::string Fermer(std::FILE* flux, char*& texte, std::size_t& taille) {
  std::fclose(flux);
  std::string s(texte, taille);
  std::free(texte);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t choix = data[0];
  // The precision's choice 3 stands twice: once for the rhumb line, or a route.
  const bool autre = ((choix >> 3) & 3) == 3, route = autre && (choix & 1) == 0;
  const std::uint8_t reglages = route && size > 1 ? data[1] : 0;
  const std::size_t debut = route && size > 1 ? 2 : 1;
  const std::string_view entree(reinterpret_cast<const char*>(data + debut), size - debut);
  const bool traces = (choix & 0x40) != 0 && entree.size() < 512;  // each line samples a route
  Memoire in;
  const Fichier kml("f.kml"), gpx("f.gpx");
  Verifier(write(in.fd, entree.data(), entree.size()) == static_cast<ssize_t>(entree.size()),
           "write");
  lseek(in.fd, 0, SEEK_SET);
  // Options after the operand "-", values joined or apart, a name shortened, "--" at the end.
  std::vector<std::string> arguments{route              ? "route"
                                     : (choix & 1) != 0 ? "direct"
                                                        : "inverse",
                                     "-",
                                     "--precision=" + std::string(1, "2373"[(choix >> 3) & 3])};
  if (autre && !route) arguments.emplace_back("--rhumb");
  const bool milles = (choix & 0x20) != 0;
  const std::array<std::string, 7> reglagesRoute{milles ? "--every=60" : "--every=111000",
                                                 "--meridians=7.5",
                                                 "--max-latitude=55",
                                                 "--speed=6.5",
                                                 "--reverse",
                                                 "--name-length=6",
                                                 "--max-points=3"};
  for (std::size_t i = 0; i < reglagesRoute.size(); ++i) {
    if ((reglages >> i & 1) != 0) arguments.push_back(reglagesRoute[i]);
  }
  if ((reglages & 0x88) == 0x88) arguments.emplace_back("--depart=2026-12-24T07:00+01:00");
  if ((choix & 2) != 0) arguments.emplace_back("--csv");
  if ((choix & 4) != 0) arguments.emplace_back("--dms");
  if (milles) arguments.insert(arguments.end(), {"--unit", "nm"});
  if ((choix & 0x80) != 0) arguments.emplace_back("--ell=sphérique");
  if (traces) arguments.insert(arguments.end(), {"--kml", kml.chemin, "--gpx=" + gpx.chemin});
  arguments.emplace_back("--");
  const std::vector<std::string_view> vues(arguments.begin(), arguments.end());
  char *sortie = nullptr, *erreurs = nullptr;
  std::size_t tailleSortie = 0, tailleErreurs = 0;
  std::FILE* out = open_memstream(&sortie, &tailleSortie);
  std::FILE* err = open_memstream(&erreurs, &tailleErreurs);
  const int statut = calc::Executer(vues, (choix & 0x10) != 0, in.fd, out, err);
  const std::string reponses = Fermer(out, sortie, tailleSortie);
  const std::string messages = Fermer(err, erreurs, tailleErreurs);

  const auto lignes = [](std::string_view s) {
    return std::count(s.begin(), s.end(), '\n') + (!s.empty() && s.back() != '\n' ? 1 : 0);
  };
  if (route) {
    VerifierRoute(statut, reponses, messages, (choix & 2) != 0);
    Verifier(!traces || (statut == 0 ? BienForme(kml.Lire()) && BienForme(gpx.Lire())
                                     : kml.Lire().empty() && gpx.Lire().empty()),
             "a route's files well-formed, or nothing written");
    return 0;
  }
  // A quoted field's line breaks join lines into one record, written back when it is answered;
  // a CSV input without a header has the answers' header besides.
  const bool csv = (choix & 2) != 0, joints = csv && entree.find('"') != entree.npos;
  const auto enTete = csv ? 1 : 0;
  Verifier(joints ? lignes(reponses) <= lignes(entree) + enTete
                  : lignes(reponses) - lignes(entree) >= 0 &&
                        lignes(reponses) - lignes(entree) <= enTete,
           "one line out for each line in");
  Verifier(reponses.empty() || reponses.back() == '\n', "whole lines out");
  Verifier(joints || Lisible(Reponses(reponses, csv)), "answers are plain numbers");
  Verifier(statut == (messages.empty() ? calc::kToutesCalculees : calc::kLignesSansReponse),
           "status 1 exactly when a line has a message");
  if (traces) {
    Verifier(BienForme(kml.Lire()), "KML well-formed");
    Verifier(BienForme(gpx.Lire()), "GPX well-formed");
  }
  return 0;
}
