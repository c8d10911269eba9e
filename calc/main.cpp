// orbalide-calc: the geodesic problems of a file of lines, on the command line.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "Programme.hpp"
#include "Textes.hpp"

namespace {

// A standard stream that the caller closed is opened on /dev/null the wrong way round: used, it
// fails as it would have (EBADF), and the file of geodesics opened next does not take its number,
// which would send the answers or the messages into it.
void OccuperFluxFermes() {
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
      ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  OccuperFluxFermes();
  // The system's reasons for failures and getopt_long's messages in the user's language and
  // character set; numbers are read and written by the program itself, whatever the locale.
  std::setlocale(LC_MESSAGES, "");
  std::setlocale(LC_CTYPE, "");
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const bool anglais = orbalide::calc::AnglaisSelon(
      std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  return orbalide::calc::Executer(arguments, anglais, STDIN_FILENO, stdout, stderr);
}
