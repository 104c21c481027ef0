#pragma once
// The recorded games of one variant and side as a table, newest first. It holds the short form
// the statistics read anyway; a cell's text is made only when a view asks for it, so a list of
// 100,000 games costs a list of numbers.

#include <QAbstractTableModel>
#include <QLocale>

#include <memory>
#include <vector>

#include "daten/texte.h"
#include "journal/journal.h"

namespace statistik {

class Spieleliste : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Spalte { Nummer, Ende, Ausgang, Zuege, Zeit, Hilfe, Bild, Spaltenzahl };

    explicit Spieleliste(const daten::Texte& texte, QObject* eltern = nullptr);

    // The games of that board from `uebersicht`, which must outlive the list's use of it.
    void Zeigen(std::shared_ptr<const journal::Uebersicht> uebersicht, engine::Variante variante, int seite);
    // The record's id of a row.
    std::int64_t id(int zeile) const;
    // The language changed.
    void TexteSetzen();
    // The widest text a column may hold, besides its head: the widths come from it, not from
    // measuring every row.
    QString Breitester(int spalte) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QString Text(const journal::Kurzeintrag& spiel, int spalte) const;

    const daten::Texte& texte_;
    QLocale ort_;
    std::shared_ptr<const journal::Uebersicht> uebersicht_;
    std::vector<std::uint32_t> zeilen_;  // places in uebersicht_->spiele, newest first
    QStringList bildnamen_;              // the file names of uebersicht_->bilder
};

} // namespace statistik
