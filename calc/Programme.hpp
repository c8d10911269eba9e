// A whole run of orbalide-calc, from its arguments to its exit status.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace orbalide::calc {

inline constexpr int kToutesCalculees = 0;    // exit status: every line was answered
inline constexpr int kLignesSansReponse = 1;  // some line could not be read or had no result
inline constexpr int kEchec = 2;  // a wrong command line, a file that cannot be read or written

// arguments: those after the program's name; anglais: the language of every text; entree: the
// standard input's file descriptor; sortie, erreurs: the standard output and error. Lines are
// numbered over all the inputs together, as the output's lines are. With --csv, each input's
// first line is its header and is answered by the answer's header.
int Executer(std::span<const std::string_view> arguments, bool anglais, int entree,
             std::FILE* sortie, std::FILE* erreurs);

}  // namespace orbalide::calc
