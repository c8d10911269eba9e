// A whole run of orbalide-calc, from its arguments to its exit status.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace orbalide::calc {

inline constexpr int kToutesCalculees = 0;    // exit status: every line was answered
inline constexpr int kLignesSansReponse = 1;  // some line could not be read or had no result
inline constexpr int kEchec = 2;  // a wrong command line, a file that cannot be read or written

// arguments: those after the program's name; anglais: the language of the program's own texts;
// entree: the standard input's file descriptor; sortie, erreurs: the standard output and error.
// Messages name a line by its input ("-" for the standard input) and its number there. With
// --csv, each input's first line is its header; the first one read is answered by the answers'
// header, and gives the answers its separator.
int Executer(std::span<const std::string_view> arguments, bool anglais, int entree,
             std::FILE* sortie, std::FILE* erreurs);

}  // namespace orbalide::calc
