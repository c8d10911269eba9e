#include "Temporaires.hpp"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>

namespace orbalide::calc {
namespace {

// Every signal whose default action ends the process and that a handler may catch.
constexpr std::array kSignaux{SIGALRM, SIGHUP,  SIGINT,  SIGIO,     SIGPIPE, SIGPROF, SIGQUIT,
                              SIGTERM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGXCPU, SIGXFSZ};

// A run writes two files at most (--kml and --gpx).
constexpr std::size_t kTemporairesMax = 8;
static_assert(std::atomic<const char*>::is_always_lock_free, "read by a signal handler");
std::array<std::atomic<const char*>, kTemporairesMax> temporaires;

void Nettoyer(int signal) {
  for (const std::atomic<const char*>& t : temporaires) {
    if (const char* chemin = t.load()) ::unlink(chemin);
  }
  ::signal(signal, SIG_DFL);
  ::raise(signal);  // blocked while this handler runs: it ends the process once it returns
}

sigset_t Ensemble() {
  sigset_t ensemble;
  sigemptyset(&ensemble);
  for (const int s : kSignaux) sigaddset(&ensemble, s);
  return ensemble;
}

bool Intercepter() {
  struct sigaction action {};
  action.sa_handler = Nettoyer;
  action.sa_mask = Ensemble();
  for (const int s : kSignaux) {
    struct sigaction avant {};
    const bool defaut = ::sigaction(s, nullptr, &avant) == 0 &&
                        (avant.sa_flags & SA_SIGINFO) == 0 && avant.sa_handler == SIG_DFL;
    if (defaut) ::sigaction(s, &action, nullptr);
  }
  return true;
}

}  // namespace

int CreerTemporaire(char* modele) {
  [[maybe_unused]] static const bool intercepte = Intercepter();
  // The signals wait while the file is made and registered, so that none comes between.
  const sigset_t retenus = Ensemble();
  sigset_t avant;
  ::pthread_sigmask(SIG_BLOCK, &retenus, &avant);
  const int fd = ::mkostemp(modele, O_CLOEXEC);
  const int erreur = errno;
  for (std::atomic<const char*>& t : temporaires) {
    const char* libre = nullptr;
    if (fd >= 0 && t.compare_exchange_strong(libre, modele)) break;
  }
  ::pthread_sigmask(SIG_SETMASK, &avant, nullptr);
  errno = erreur;
  return fd;
}

void Oublier(const char* chemin) {
  for (std::atomic<const char*>& t : temporaires) {
    const char* inscrit = chemin;
    t.compare_exchange_strong(inscrit, nullptr);
  }
}

}  // namespace orbalide::calc
