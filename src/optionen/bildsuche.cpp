#include "optionen/bildsuche.h"

#include "daten/bilddatei.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QStandardPaths>
#include <QtMath>

namespace optionen {

namespace {

constexpr int VorschauKante = 160;

// A preview beside the file list of Qt's own chooser, of the one picture file selected in it
// (clicked, walked onto with the keys or named in the name field), decoded at its own small
// size by the picture service; a picture that comes for a file left behind is not shown.
class Suchvorschau : public QLabel {
public:
    Suchvorschau(QFileDialog& dialog, daten::Bilddienst& bilder) : QLabel(&dialog), dialog_(dialog), bilder_(bilder)
    {
        setObjectName(QStringLiteral("imgSuchvorschau"));
        setFixedSize(VorschauKante, VorschauKante);
        setAlignment(Qt::AlignCenter);
        connect(&dialog, &QFileDialog::currentChanged, this, [this](const QString& pfad) { Zeigen(pfad); });
        // Qt's chooser says nothing of a selection made by the name field; its list shows it.
        if (auto* liste = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView")); liste && liste->selectionModel())
            connect(liste->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
                // A typed name may leave the folder itself selected beside the file.
                QStringList dateien = dialog_.selectedFiles();
                dateien.removeIf([](const QString& pfad) { return !QFileInfo(pfad).isFile(); });
                Zeigen(dateien.size() == 1 ? dateien.constFirst() : QString());
            });
        connect(&bilder, &daten::Bilddienst::geladen, this, &Suchvorschau::Geladen);
    }

private:
    void Zeigen(const QString& pfad)
    {
        const QFileInfo info(pfad);
        const QString datei = info.isFile() && daten::IstBildname(info.fileName()) ? info.absoluteFilePath() : QString();
        if (datei == pfad_)
            return;
        pfad_ = datei;
        clear();
        if (!datei.isEmpty())
            bilder_.Bestellen(datei, qCeil(VorschauKante * devicePixelRatioF()));
    }

    void Geladen(const daten::Geladen& geladen)
    {
        if (geladen.pfad != pfad_ || geladen.bild.isNull())
            return;
        const double verhaeltnis = devicePixelRatioF();
        QPixmap bild = QPixmap::fromImage(geladen.bild.scaled(QSize(VorschauKante, VorschauKante) * verhaeltnis,
                                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
        bild.setDevicePixelRatio(verhaeltnis);
        setPixmap(bild);
    }

    QFileDialog& dialog_;
    daten::Bilddienst& bilder_;
    QString pfad_;  // the file shown or coming
};

// Qt's chooser has its widgets from the start; the platform's own has no room for a preview.
void VorschauAnbauen(QFileDialog& dialog, daten::Bilddienst& bilder)
{
    if (auto* raster = qobject_cast<QGridLayout*>(dialog.layout()))
        raster->addWidget(new Suchvorschau(dialog, bilder), 1, raster->columnCount(), Qt::AlignTop);
}

} // namespace

QString Bildfilter(const daten::Texte& texte)
{
    QStringList muster;
    for (const char* endung : {"bmp", "png", "jpg", "jpeg", "gif", "webp"}) {
        const QString e = QLatin1String(endung);
        if (daten::IstBildname(QStringLiteral("x.") + e))
            muster << QStringLiteral("*.") + e << QStringLiteral("*.") + e.toUpper();
    }
    return texte(daten::text::Bilder) + QStringLiteral(" (") + muster.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString BildSuchen(QWidget* eltern, const daten::Texte& texte, daten::Bilddienst& bilder, QString& ordner)
{
    if (ordner.isEmpty() || !QDir(ordner).exists())
        ordner = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!QDir(ordner).exists())
        ordner = QDir::homePath();
    QFileDialog dialog(eltern, texte(daten::text::BildWaehlen), ordner, Bildfilter(texte));
    dialog.setObjectName(QStringLiteral("dlgBildSuchen"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    VorschauAnbauen(dialog, bilder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString datei = dialog.selectedFiles().constFirst();
    ordner = QFileInfo(datei).absolutePath();
    return datei;
}

} // namespace optionen
