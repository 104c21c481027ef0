#include "main/hilfefenster.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace haupt {

Hilfefenster::Hilfefenster(QWidget* eltern) : QDialog(eltern), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Hilfefenster"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(560, 520);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
}

void Hilfefenster::Zeige(const QString& datei, bool englisch)
{
    setWindowTitle(englisch ? QStringLiteral("Tavelor – Help") : QStringLiteral("Tavelor – Hilfe"));
    const QFileInfo info(datei);
    QFile file(datei);
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        // The help files are HTML whatever their ending says.
        browser_->document()->setMetaInformation(QTextDocument::DocumentUrl, QUrl::fromLocalFile(info.absoluteFilePath()).toString());
        browser_->setHtml(QString::fromUtf8(file.readAll()));
    } else {
        const QString text = englisch ? QStringLiteral("The help file %1 could not be found.")
                                      : QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden.");
        browser_->setPlainText(text.arg(QDir::toNativeSeparators(datei)));
    }
    show();
    raise();
    activateWindow();
}

} // namespace haupt
