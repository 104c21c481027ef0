// The main window's commands for boards from elsewhere than a new scramble: the same board
// again, a game code copied or entered, and today's puzzle.

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QMenu>

#include "engine/spielcode.h"
#include "main/codedialog.h"
#include "main/frmmain.h"
#include "sitzung/brettquelle.h"

namespace haupt {

namespace tx = daten::text::codes;

void TfrmMain::BrettMenueAnlegen(const std::function<QAction*(const char*, std::function<void()>)>& eintrag)
{
    if (!dienste_.Codefrage)
        dienste_.Codefrage = [this](const QString& vorschlag) { return CodeErfragen(texte_, vorschlag, this); };
    mnuNochEinmal_ = eintrag("mnuNochEinmal", [this] { mnuNochEinmalClick(); });
    mnuNochEinmal_->setShortcut(Qt::CTRL | Qt::Key_R);
    mnuCodeKopieren_ = eintrag("mnuCodeKopieren", [this] { mnuCodeKopierenClick(); });
    mnuCodeKopieren_->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    mnuCodeEingeben_ = eintrag("mnuCodeEingeben", [this] { mnuCodeEingebenClick(); });
    mnuCodeEingeben_->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    mnuTagesraetsel_ = eintrag("mnuTagesraetsel", [this] { mnuTagesraetselClick(); });
}

void TfrmMain::Melden(const QString& text)
{
    dienste_.Meldung(QMessageBox::Information, text, Fensterpunkt(Brettgeometrie::MeldungSpielende));
}

// Asked as F2 asks: an unfinished game is given up for it.
void TfrmMain::mnuNochEinmalClick()
{
    if (leitung_.KannNochEinmal() && SpielAufgeben())
        leitung_.NochEinmal();
}

void TfrmMain::mnuCodeKopierenClick()
{
    const QString code = leitung_.Spielcode();
    if (!code.isEmpty())
        QGuiApplication::clipboard()->setText(code);
}

// A code that cannot be played changes nothing: the game goes on and nothing is asked.
void TfrmMain::mnuCodeEingebenClick()
{
    const std::optional<QString> text = dienste_.Codefrage(QGuiApplication::clipboard()->text());
    if (!text)
        return;
    const std::variant<engine::Spielcode, engine::Codefehler> gelesen = engine::CodeLesen(text->toStdString());
    if (const auto* fehler = std::get_if<engine::Codefehler>(&gelesen)) {
        Melden(texte_(sitzung::Codefehlertext(*fehler)));
        return;
    }
    if (!SpielAufgeben())
        return;
    if (const std::optional<QString> fehlt = leitung_.CodeBeginnen(std::get<engine::Spielcode>(gelesen)))
        Melden(texte_(tx::BildFehlt).arg(*fehlt));
}

void TfrmMain::mnuTagesraetselClick()
{
    if (!SpielAufgeben())
        return;
    if (const std::optional<QString> fehlt = leitung_.TagesraetselBeginnen(QDateTime::currentDateTimeUtc().date()))
        Melden(texte_(tx::BildFehlt).arg(*fehlt));
}

} // namespace haupt
