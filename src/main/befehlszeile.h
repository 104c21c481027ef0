#pragma once
// The command line: --help and --version answer on standard output and end the program with 0;
// anything else not understood gets a short usage on standard error and the end with 2;
// --portable is read where the program decides where it runs (daten::Umgebung).

#include <QString>
#include <QStringList>

#include <optional>

namespace daten {
class Texte;
}

namespace haupt {

struct Aufruf {
    enum class Art { Spielen, Hilfe, Version, UnbekannteOption, UnerwartetesArgument };
    Art art = Art::Spielen;
    QString wort;  // what was not understood
};

// Reads the arguments after the program's name, in order: the first that decides wins.
Aufruf AufrufLesen(const QStringList& argumente);

// What the program prints for the call, and where; none for Spielen.
struct Antwort {
    QString text;
    bool fehler = false;  // standard error, end with 2
};
std::optional<Antwort> AntwortAuf(const Aufruf& aufruf, const daten::Texte& texte);

// Before Qt opens a display: answers --help and --version from the raw arguments, in the
// language the options file keeps (else the desktop's), and says with what to end.
std::optional<int> AuskunftGeben(int argc, char** argv);
// Once Qt has taken its own options (-platform, -style, …): the rest must be understood.
std::optional<int> AufrufPruefen(const QStringList& argumente, const daten::Texte& texte);

} // namespace haupt
