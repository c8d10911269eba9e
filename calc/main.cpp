// orbalide-calc: the geodesic problems of a file of lines, on the command line.
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "Programme.hpp"
#include "Textes.hpp"

int main(int argc, char** argv) {
  // The system's reasons for failures and getopt_long's messages in the user's language and
  // character set; numbers are read and written by the program itself, whatever the locale.
  std::setlocale(LC_MESSAGES, "");
  std::setlocale(LC_CTYPE, "");
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const bool anglais = orbalide::calc::AnglaisSelon(
      std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  return orbalide::calc::Executer(arguments, anglais, STDIN_FILENO, stdout, stderr);
}
