#pragma once
// The interfaces behind brettzugang.h, shared by its two source files.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QObject>
#include <QWidget>

#include <array>

#include "engine/spielstand.h"

namespace daten {
class Texte;
}
namespace sitzung {
class Spielsitzung;
}

namespace haupt {

class Brettbild;

namespace zugang {

// What a child of the board stands for. Each keeps what it is for good: a screen reader keeps
// what it learnt of an object (its role, its interfaces), so a child never turns into another.
enum class Kindart { Feld, Achse, Zaehler };
struct Kindplatz {
    Kindart art;
    int nummer;  // field 1..n², axis 1..(n-1)², counter 0 (moves) or 1 (time)
};

inline constexpr int Zaehler = 2;

// What the interfaces read, kept with the paint box as a child so that it lives as long.
class Brettquelle : public QObject {
public:
    Brettquelle(QWidget* anzeige, const Brettbild& bild, const sitzung::Spielsitzung& sitzung, const daten::Texte& texte);
    static constexpr QLatin1StringView Name{"brettzugang"};

    const Brettbild& bild;
    const sitzung::Spielsitzung& sitzung;
    const daten::Texte& texte;

    const engine::Spielstand& spiel() const;
    // Fields and, in variant 3, axes are there once a game is on; the counters always, last.
    int felder() const;
    int achsen() const;
    int kinder() const { return felder() + achsen() + Zaehler; }
    Kindplatz platz(int index) const;
    int index(Kindplatz platz) const;  // -1 when the board has no such child now
    // The child under the keyboard's frame (variant 2) or ring (variant 3); -1 when hidden.
    int cursorIndex() const;
};

class Brettzugang;

// One field, axis or counter: a child without an object of its own, as Qt's table cells are.
class Kindzugang : public QAccessibleInterface {
public:
    Kindzugang(Brettzugang* eltern, Kindplatz platz) : eltern_(eltern), platz_(platz) {}

    Kindplatz platz() const { return platz_; }
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text art) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    const Brettquelle& quelle() const;
    QString feldtext(QAccessible::Text art) const;

    Brettzugang* eltern_;
    Kindplatz platz_;
};

class Brettzugang : public QAccessibleWidget {
public:
    Brettzugang(QWidget* anzeige, const Brettquelle& quelle);
    ~Brettzugang() override;

    const Brettquelle& quelle() const { return quelle_; }
    const QWidget* anzeige() const { return widget(); }

    int childCount() const override { return quelle_.kinder(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* kind) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text art) const override;

private:
    QAccessible::Id& Kennung(Kindplatz platz) const;

    const Brettquelle& quelle_;
    mutable std::array<QAccessible::Id, engine::MaxFelder> felder_{};
    mutable std::array<QAccessible::Id, engine::MaxFelder> achsen_{};
    mutable std::array<QAccessible::Id, Zaehler> zaehler_{};
};

} // namespace zugang
} // namespace haupt
