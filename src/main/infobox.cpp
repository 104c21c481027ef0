#include "main/infobox.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <array>

#include "fenster/farbschema.h"
#include "kunst.h"

namespace haupt {

QPoint InfoBoxDlg::Lage(QPoint gewuenscht, QSize bildschirm)
{
    QPoint lage = gewuenscht;
    if (bildschirm.width() < lage.x() + Groesse.width() || lage.x() < 0)
        lage.setX((bildschirm.width() - Groesse.width()) / 2);
    if (bildschirm.height() < lage.y() + Groesse.height() || lage.y() < 0)
        lage.setY((bildschirm.height() - Groesse.height()) / 2);
    return lage;
}

void InfoBoxDlg::Zentrieren(const QRect& hauptfenster)
{
    iLeft = hauptfenster.left() + (hauptfenster.width() - Groesse.width()) / 2;
    iTop = hauptfenster.top() + (hauptfenster.height() - Groesse.height()) / 2;
}

// Below the classic texts: the licence, linked to its text, and whose the pictures, sounds and
// translations are.
void InfoBoxDlg::LizenzZeigen(QWidget& panel, const QRect& platz, const QFont& schrift) const
{
    auto* lizenz = new QLabel(QStringLiteral("<a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">%1</a>")
                                  .arg(Lizenz.toHtmlEscaped()),
                              &panel);
    lizenz->setObjectName(QStringLiteral("lblLizenz"));
    lizenz->setOpenExternalLinks(true);
    auto* mitwirkende = new QLabel(Mitwirkende, &panel);
    mitwirkende->setObjectName(QStringLiteral("lblMitwirkende"));
    mitwirkende->setTextFormat(Qt::PlainText);
    auto* spalte = new QVBoxLayout;
    spalte->setContentsMargins(0, 0, 0, 0);
    for (QLabel* text : {lizenz, mitwirkende}) {
        text->setFont(schrift);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        spalte->addWidget(text);
    }
    spalte->addStretch();
    auto* feld = new QWidget(&panel);
    feld->setGeometry(platz);
    feld->setLayout(spalte);
}

bool InfoBoxDlg::Execute(QWidget* eltern) const
{
    QDialog box(eltern, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    box.setObjectName(QStringLiteral("InfoBox"));
    box.setWindowTitle(FensterTitel);
    box.setFixedSize(Brettgeometrie::InfoBox);
    box.setAutoFillBackground(true);

    constexpr int zusatz = Brettgeometrie::InfoBoxZusatz;
    auto* panel = new QFrame(&box);
    panel->setGeometry(9, 7, 260, 250 + zusatz);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* symbol = new QLabel(panel);
    symbol->setGeometry(20, 11, 32, 32);
    symbol->setScaledContents(true);
    symbol->setPixmap(QPixmap::fromImage(kunst::Bild(QStringLiteral("symbol"))));
    std::array<QLabel*, 3> varianten{};

    auto* name = new QLabel(ProgrammName, panel);
    name->setGeometry(75, 9, 170, 18);
    QFont fett = name->font();
    fett.setPixelSize(13);
    fett.setBold(true);
    name->setFont(fett);

    QFont klein = box.font();
    klein.setPixelSize(11);
    auto* version = new QLabel(Version, panel);
    version->setGeometry(75, 31, 50, 14);
    version->setFont(klein);
    auto* nummer = new QLabel(VersionsNr, panel);
    nummer->setGeometry(125, 31, 100, 14);
    nummer->setFont(klein);

    // The three variants, and what the game is about.
    for (int v = 1; v <= 3; ++v) {
        auto* variante = new QLabel(panel);
        variante->setGeometry(20 + (v - 1) * 76, 64, 68, 68);
        variante->setScaledContents(true);
        varianten[std::size_t(v - 1)] = variante;
    }
    auto* beschreibung = new QLabel(Beschreibung, panel);
    beschreibung->setGeometry(20, 144, 220, 90);
    beschreibung->setWordWrap(true);
    beschreibung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    beschreibung->setFont(klein);
    LizenzZeigen(*panel, QRect(20, 238, 220, zusatz), klein);

    auto* ok = new QPushButton(QStringLiteral("OK"), &box);
    ok->setGeometry(98, 263 + zusatz, 80, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);

    // Silver and navy in light; in dark the dark palette with a graphite ground and a light blue.
    const auto faerben = [&box, name, varianten](fenster::Schema schema) {
        const fenster::Fensterfarben& farben = fenster::Farben(schema);
        const bool dunkel = schema == fenster::Schema::Dunkel;
        QPalette grund = dunkel ? fenster::Palette(schema) : QPalette(farben.dialog);
        grund.setColor(QPalette::Window, farben.dialog);
        box.setPalette(grund);
        QPalette namensfarbe = grund;
        namensfarbe.setColor(QPalette::WindowText, farben.programmname);
        name->setPalette(namensfarbe);
        // A link takes its colour from the palette in force when its text is set.
        if (auto* lizenz = box.findChild<QLabel*>(QStringLiteral("lblLizenz"))) {
            const QString text = lizenz->text();
            lizenz->clear();
            lizenz->setText(text);
        }
        for (std::size_t v = 0; v < varianten.size(); ++v)
            varianten[v]->setPixmap(
                QPixmap::fromImage(kunst::Bild(QStringLiteral("imgVariante%1").arg(v + 1), dunkel)));
    };
    faerben(fenster::AktuellesSchema());
    fenster::BeiSchemawechsel(&box, faerben);

    const QScreen* bildschirm = eltern && eltern->screen() ? eltern->screen() : QGuiApplication::primaryScreen();
    box.move(Lage({iLeft, iTop}, bildschirm ? bildschirm->size() : QSize(iLeft, iTop) + Groesse));
    return box.exec() == QDialog::Accepted;
}

} // namespace haupt
