#pragma once
// The pictures of the game, decoded once for the settings dialog's preview and the board of the
// game that follows, at the size the board needs, off the window's thread when asked so.

#include "daten/bilddatei.h"
#include "daten/bildquadrat.h"

#include <QDateTime>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QWaitCondition>

#include <atomic>
#include <deque>
#include <optional>

namespace daten {

// A picture as the service hands it out.
struct Geladen {
    QString pfad;
    Ladefehler fehler = Ladefehler::NichtGefunden;
    QImage bild;  // its shorter side at least the size asked for, or the whole picture; none on failure
};

class Bilddienst : public QObject {
    Q_OBJECT
public:
    explicit Bilddienst(QObject* eltern = nullptr);
    ~Bilddienst() override;  // waits for a decode under way

    // The board's side in device pixels: what Bestellen decodes for.
    int brettkante() const;
    void BrettkanteSetzen(int kante);

    // The picture with its shorter side at least `kante` pixels: the last decodes are kept, and
    // one of them serves while the file is unchanged and it is large enough. Otherwise the
    // caller waits for the service's thread, which gives up what it does for another file and
    // decodes this one next (in place of an order not yet begun, which then goes unreported), or
    // goes on with it when it is already at it: one decode of a file at a time serves everyone
    // who asks. Nothing is reported for it. Safe from any thread but the service's own.
    Geladen Laden(const QString& pfad, int kante);
    // The board's square of the picture, `kante` pixels a side, cut as `zuschnitt` says.
    Geladen Quadrat(const QString& pfad, int kante, Zuschnitt zuschnitt);

    // Decodes the picture on the service's own thread for a shorter side of `kante` pixels (0:
    // the board's side) and reports it by `geladen`. A request that has not begun yet is dropped
    // for a newer one, and a decode under way for another file is given up unreported.
    void Bestellen(const QString& pfad, int kante = 0);
    // Whether an ordered picture has yet to be reported or given up.
    bool beschaeftigt() const;

signals:
    void geladen(const daten::Geladen& ergebnis);

private:
    struct Auftrag {
        QString pfad;
        int kante = 0;
        bool melden = true;  // ordered: reported by `geladen`
    };
    struct Eintrag {
        Geladen geladen;
        qint64 groesse = 0;
        QDateTime geaendert;
        int kante = 0;
    };

    // Whether a decode for `auftrag` also serves `gesucht`.
    static bool Deckt(const std::optional<Auftrag>& auftrag, const Auftrag& gesucht);
    void Vormerken(const Auftrag& auftrag);
    void Arbeiten();
    std::optional<Geladen> Entschluesseln(const QString& pfad, int kante, const std::atomic_bool* abbruch);
    std::optional<Geladen> Gespeichert(const QString& pfad, qint64 groesse, const QDateTime& geaendert, int kante) const;

    mutable QMutex sperre_;
    QWaitCondition fertig_;  // a request left the worker's hands
    int brettkante_ = 360;
    std::deque<Eintrag> speicher_;    // the last decodes, the newest first
    std::optional<Auftrag> wartend_;  // the next request for the worker
    std::optional<Auftrag> inArbeit_;
    std::atomic_bool abbruch_ = false;  // gives up the decode under way
    bool arbeitet_ = false;  // the worker takes requests
    int offen_ = 0;          // requests not yet reported or given up
    QThreadPool arbeiter_;
};

} // namespace daten

Q_DECLARE_METATYPE(daten::Geladen)
