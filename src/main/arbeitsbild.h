#pragma once
// The working picture of a game: the chosen picture stretched to the board's device size, in
// colour or grey. It keeps where it came from, so that another zoom or screen makes it again
// from the source at the new size instead of blowing up the old one.

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

#include "sitzung/spielbild.h"

namespace haupt {

class Arbeitsbild {
public:
    // Makes the picture at `groesse` device pixels, for `skala` device pixels per classic pixel
    // (art sources need it).
    using Quelle = std::function<QImage(double skala, QSize groesse)>;

    // The game's picture as its square; the title art for the built-in picture, or its
    // enlarged corner when the file cannot be loaded (silently).
    void Vorbereiten(const sitzung::Spielbild& bild, double skala, QSize groesse);
    void Vorbereiten(const QImage& bild, double skala, QSize groesse);
    void Vorbereiten(Quelle quelle, double skala, QSize groesse);
    // Turns the picture into grey tones.
    void Faerben();
    // The same picture at another size, from its source, grey if it was; black tiles for a
    // game begun without one.
    void NeuAnlegen(double skala, QSize groesse);
    // Black, for a game begun without a picture; a prepared picture stays.
    void SchwarzWoKeins(QSize groesse);

    const QImage& bild() const { return bild_; }

private:
    QImage bild_;
    Quelle quelle_;
    bool grau_ = false;
};

} // namespace haupt
