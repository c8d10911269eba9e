// Temporary files that a signal ending the process does not leave behind.
#pragma once

namespace orbalide::calc {

// Makes a new file from `modele`, a path ending in "XXXXXX" that mkostemp completes in place, open
// for writing and closed on exec. Until Oublier, the file is removed if a signal that may be
// caught ends the process (SIGHUP, SIGINT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1…); the path's text
// must stay in place and unchanged until then. The first call catches those of the signals whose
// action is the default (one that the process ignores or handles is left as it is: nohup, a shell's
// background job, a fuzzer); caught, a signal removes the files and ends the process as it would
// have. Returns the file descriptor, or -1 with errno set.
int CreerTemporaire(char* modele);

// The file at `chemin` from CreerTemporaire is no longer removed by a signal: it has been renamed
// or removed.
void Oublier(const char* chemin);

}  // namespace orbalide::calc
