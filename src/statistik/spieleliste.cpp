#include "statistik/spieleliste.h"

#include <QDateTime>
#include <QFileInfo>

#include "statistik/anzeige.h"

namespace statistik {

namespace tx = daten::text::statistik;

Spieleliste::Spieleliste(const daten::Texte& texte, QObject* eltern)
    : QAbstractTableModel(eltern), texte_(texte), ort_(Gebietsschema(texte))
{
}

void Spieleliste::Zeigen(std::shared_ptr<const journal::Uebersicht> uebersicht, engine::Variante variante, int seite)
{
    beginResetModel();
    uebersicht_ = std::move(uebersicht);
    zeilen_.clear();
    bildnamen_.clear();
    if (uebersicht_) {
        const auto& spiele = uebersicht_->spiele;
        for (std::size_t i = spiele.size(); i-- > 0;)
            if (spiele[i].variante == variante && spiele[i].seite == seite)
                zeilen_.push_back(std::uint32_t(i));
        for (const QString& bild : uebersicht_->bilder)
            bildnamen_.append(QFileInfo(bild).fileName());
    }
    endResetModel();
}

std::int64_t Spieleliste::id(int zeile) const
{
    return zeile >= 0 && std::size_t(zeile) < zeilen_.size() ? uebersicht_->spiele[zeilen_[std::size_t(zeile)]].id : 0;
}

void Spieleliste::TexteSetzen()
{
    ort_ = Gebietsschema(texte_);
    emit headerDataChanged(Qt::Horizontal, 0, Spaltenzahl - 1);
    if (!zeilen_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, Spaltenzahl - 1));
}

QString Spieleliste::Breitester(int spalte) const
{
    journal::Kurzeintrag breit;
    breit.id = 999999;
    breit.ende = QDateTime(QDate(2026, 12, 28), QTime(23, 58)).toMSecsSinceEpoch();
    breit.zuege = 9999;
    breit.sekunden = 3599;
    breit.hilfe = true;
    if (spalte != Ausgang)
        return Text(breit, spalte);
    QString laengster;
    for (auto ausgang : {sitzung::Ausgang::Geloest, sitzung::Ausgang::MaxZuege, sitzung::Ausgang::MaxZeit,
                         sitzung::Ausgang::Abgebrochen}) {
        breit.ausgang = ausgang;
        if (const QString text = Text(breit, spalte); text.size() > laengster.size())
            laengster = text;
    }
    return laengster;
}

int Spieleliste::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : int(zeilen_.size()); }

int Spieleliste::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : Spaltenzahl; }

QString Spieleliste::Text(const journal::Kurzeintrag& spiel, int spalte) const
{
    switch (spalte) {
    case Nummer: return QString::number(spiel.id);
    case Ende: return DatumText(ort_, spiel.ende);
    case Ausgang: {
        constexpr int ausgaenge[] = {tx::Geloest, tx::Zuggrenze, tx::Zeitgrenze, tx::Abgebrochen};
        return texte_(ausgaenge[int(spiel.ausgang)]);
    }
    case Zuege: return QString::number(spiel.zuege);
    case Zeit: return ZeitText(ort_, spiel.sekunden);
    case Hilfe: return spiel.hilfe ? texte_(tx::Ja) : QString();
    case Bild: return spiel.bild < 0 ? texte_(tx::EingebautesBild) : bildnamen_.value(spiel.bild);
    }
    return {};
}

QVariant Spieleliste::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const journal::Kurzeintrag& spiel = uebersicht_->spiele[zeilen_[std::size_t(index.row())]];
    if (rolle == Qt::DisplayRole)
        return Text(spiel, index.column());
    if (rolle == Qt::ToolTipRole && index.column() == Bild && spiel.bild >= 0)
        return uebersicht_->bilder.value(spiel.bild);
    if (rolle == Qt::TextAlignmentRole) {
        const bool zahl = index.column() == Nummer || index.column() == Zuege || index.column() == Zeit;
        return QVariant::fromValue(Qt::AlignVCenter | (zahl ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant Spieleliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    constexpr int kopf[] = {tx::Nummer, tx::Ende, tx::Ausgang, daten::text::Zuege, daten::text::Zeit, tx::Hilfe, tx::Bild};
    return abschnitt >= 0 && abschnitt < Spaltenzahl ? texte_(kopf[abschnitt]) : QVariant();
}

} // namespace statistik
