#include "optionen/bildsuche.h"

#include "daten/bilddatei.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QStandardPaths>

namespace optionen {

namespace {

constexpr int VorschauKante = 160;

// A preview beside the file list of Qt's own chooser; the platform's chooser has no room for one.
void VorschauAnbauen(QFileDialog& dialog, daten::Bilddienst& bilder)
{
    auto* raster = qobject_cast<QGridLayout*>(dialog.layout());
    if (!raster)
        return;
    auto* vorschau = new QLabel(&dialog);
    vorschau->setObjectName(QStringLiteral("imgSuchvorschau"));
    vorschau->setFixedSize(VorschauKante, VorschauKante);
    vorschau->setAlignment(Qt::AlignCenter);
    raster->addWidget(vorschau, 1, raster->columnCount(), Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, vorschau, [vorschau, &bilder](const QString& pfad) {
        vorschau->clear();
        vorschau->setProperty("pfad", pfad);
        if (QFileInfo(pfad).isFile() && daten::IstBildname(QFileInfo(pfad).fileName()))
            bilder.Bestellen(pfad);
    });
    QObject::connect(&bilder, &daten::Bilddienst::geladen, vorschau, [vorschau](const daten::Geladen& geladen) {
        if (geladen.pfad != vorschau->property("pfad").toString() || geladen.bild.isNull())
            return;
        const double verhaeltnis = vorschau->devicePixelRatioF();
        QPixmap bild = QPixmap::fromImage(geladen.bild.scaled(QSize(VorschauKante, VorschauKante) * verhaeltnis,
                                                              Qt::KeepAspectRatio, Qt::SmoothTransformation));
        bild.setDevicePixelRatio(verhaeltnis);
        vorschau->setPixmap(bild);
    });
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
