#pragma once
// A child process that saves again and again until the test kills it, to find what a kill in the
// middle of a save leaves behind.

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

// Calls `speichern(n)` for n = 0, 1, 2 … in a child process until it is killed (it also dies with
// the test); returns its id after the first save, or -1.
template <class Speichern>
pid_t SpeichertImKreis(Speichern speichern)
{
    int bereit[2];
    if (::pipe(bereit) != 0)
        return -1;
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        for (long n = 0;; ++n) {
            speichern(n);
            if (n == 0)
                (void)!::write(bereit[1], "x", 1);
        }
    }
    char zeichen;
    ::close(bereit[1]);
    (void)!::read(bereit[0], &zeichen, 1);
    ::close(bereit[0]);
    return kind;
}
