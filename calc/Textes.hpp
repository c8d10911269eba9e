// What the program says, in French or in English.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Calculateur.hpp"
#include "Options.hpp"
#include "Passage.hpp"
#include "Sortie.hpp"

namespace orbalide::calc {

inline constexpr std::string_view kNomProgramme = "orbalide-calc";

// Whether to speak English: unless the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty starts with "fr" (null for one that is not set).
bool AnglaisSelon(const char* lcAll, const char* lcMessages, const char* lang);

// --list-ellipsoids: a header, then the catalogue's names, each beside the name PROJ's +ellps gives
// the same figure, or which of PROJ's names is another figure; ended by a line end.
std::string TexteEllipsoides(bool anglais);

// The message of a wrong command line, with the hint of --help, ended by a line end.
std::string TexteUsage(const ErreurUsage& erreur, bool anglais);

// The message of a line without an answer, ended by a line end, in GNU's form
// "orbalide-calc: b.txt:12: lat1 is beyond 90°" whatever the language (editors and scripts read
// it); `fichier` is "-" for the standard input. The causes without a result in the window's words
// (TexteSansResultat).
std::string TexteRefus(std::string_view fichier, std::size_t ligne, const Refus& refus,
                       bool anglais);

// A message about an input, ended by a line end: "orbalide-calc: b.gpx:12: raison", or without a
// line (0) "orbalide-calc: b.gpx: raison".
std::string TexteEntree(std::string_view fichier, std::size_t ligne, std::string_view raison);

// A message without a place, ended by a line end: "orbalide-calc: raison" ("orbalide-calc :
// raison" in French).
std::string TexteSansLieu(std::string_view raison, bool anglais);

// Where a waypoint was read: its input ("-" for the standard input) and its line there.
struct Lieu {
  std::string_view Fichier;
  std::size_t Ligne;
};

// The message of a passage without a route, ended by a line end: as TexteRefus's at the waypoint
// concerned, or after the program's name alone without one (TexteErreurPassage).
std::string TexteSansRoute(const ErreurPassage& erreur, std::optional<Lieu> lieu, bool anglais);

// The message of passage's names that --name-length cannot tell apart, ended by a line end.
std::string TexteNomsIndistincts(std::size_t longueur, bool anglais);

// The warning of a GPX route longer than many plotters take, ended by a line end.
std::string TexteRouteLongue(std::size_t points, bool anglais);

// The description of a passage's line of legs in its KML document.
std::string_view TexteLigneKml(bool anglais);

// A line's name, as tracks are named: "line 12", or "b.txt:12" when the run reads several inputs
// (fichier given).
std::string NomLigne(std::optional<std::string_view> fichier, std::size_t ligne, bool anglais);

// The message of a file that cannot be opened, read or written, or written whole (Temporaire,
// Remplacement), with the system's reason for `erreur` (an errno), ended by a line end. No file:
// the standard input, or the standard output for Ecriture.
std::string TexteFichier(Acces acces, std::optional<std::string_view> fichier, int erreur,
                         bool anglais);

// What a file of geodesics would replace: an input, the other file of geodesics, the file that
// the standard output or error goes to.
enum class Conflit { Lu, DeuxFois, SortieStandard, ErreurStandard };
// Its message, ended by a line end.
std::string TexteConflit(std::string_view fichier, Conflit conflit, bool anglais);

}  // namespace orbalide::calc
