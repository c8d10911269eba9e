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
  std::setlocale(LC_MESSAGES, "");  // the system's reasons for failures in the user's language
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const bool anglais = orbalide::calc::AnglaisSelon(
      std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  return orbalide::calc::Executer(arguments, anglais, STDIN_FILENO, stdout, stderr);
}
