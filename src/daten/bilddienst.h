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
    // How the board makes a square of the picture; chosen in the settings dialog.
    Zuschnitt zuschnitt() const;
    void ZuschnittSetzen(Zuschnitt zuschnitt);

    // The picture with its shorter side at least `kante` pixels: the last decodes are kept, and
    // one of them serves while the file is unchanged and it is large enough; one under way for
    // this file is waited for. Otherwise decoded on the calling thread. Safe from any thread.
    Geladen Laden(const QString& pfad, int kante);
    // The board's square of the picture, `kante` pixels a side, cut as `zuschnitt` says.
    Geladen Quadrat(const QString& pfad, int kante, Zuschnitt zuschnitt);

    // Decodes the picture for the board's side on the service's own thread and reports it by
    // `geladen`. A request that has not begun yet is dropped for a newer one.
    void Bestellen(const QString& pfad);
    // Whether an ordered picture has yet to be reported.
    bool beschaeftigt() const;

signals:
    void geladen(const daten::Geladen& ergebnis);

private:
    struct Auftrag {
        QString pfad;
        int kante = 0;
    };
    struct Eintrag {
        Geladen geladen;
        qint64 groesse = 0;
        QDateTime geaendert;
        int kante = 0;
    };

    void Arbeiten();
    Geladen Entschluesseln(const QString& pfad, int kante);
    std::optional<Geladen> Gespeichert(const QString& pfad, qint64 groesse, const QDateTime& geaendert, int kante) const;

    mutable QMutex sperre_;
    QWaitCondition fertig_;
    int brettkante_ = 360;
    Zuschnitt zuschnitt_ = Zuschnitt::Strecken;
    std::deque<Eintrag> speicher_;    // the last decodes, the newest first
    std::optional<Auftrag> wartend_;  // the next request for the worker
    std::optional<Auftrag> inArbeit_;
    bool arbeitet_ = false;  // the worker takes requests
    int offen_ = 0;          // requests not yet reported
    QThreadPool arbeiter_;
};

} // namespace daten

Q_DECLARE_METATYPE(daten::Geladen)
