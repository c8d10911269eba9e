// What the program says, in French or in English.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Calculateur.hpp"
#include "Options.hpp"

namespace orbalide::calc {

inline constexpr std::string_view kNomProgramme = "orbalide-calc";

// Whether to speak English: unless the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty starts with "fr" (null for one that is not set).
bool AnglaisSelon(const char* lcAll, const char* lcMessages, const char* lang);

// --help, --version: GNU's layout.
std::string_view TexteAide(bool anglais);
std::string TexteVersion(bool anglais);

// --list-ellipsoids: a header, then the catalogue's names, each beside the name PROJ's +ellps gives
// the same figure, or which of PROJ's names is another figure; ended by a line end.
std::string TexteEllipsoides(bool anglais);

// The message of a wrong command line, with the hint of --help, ended by a line end.
std::string TexteUsage(const ErreurUsage& erreur, bool anglais);

// The message of a line without an answer, ended by a line end: "orbalide-calc: line 12: lat1
// is beyond 90°"; the causes without a result in the window's words (TexteSansResultat).
std::string TexteRefus(std::size_t ligne, const Refus& refus, bool anglais);

// A line's name, as tracks are named: "line 12".
std::string NomLigne(std::size_t ligne, bool anglais);

enum class Acces { Ouverture, Lecture, Ecriture };
// The message of a file that cannot be opened, read or written, with the system's reason for
// `erreur` (an errno), ended by a line end. No file: the standard input, or the standard output
// for Ecriture.
std::string TexteFichier(Acces acces, std::optional<std::string_view> fichier, int erreur,
                         bool anglais);

// The message of a file of geodesics that would replace an input (lu) or the other one.
std::string TexteConflit(std::string_view fichier, bool lu, bool anglais);

}  // namespace orbalide::calc
