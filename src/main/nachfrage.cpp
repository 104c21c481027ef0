#include "main/nachfrage.h"

#include <QCheckBox>
#include <QPushButton>

namespace haupt {

std::unique_ptr<QMessageBox> BaueAufgabefrage(const daten::Texte& texte, QWidget* eltern)
{
    namespace text = daten::text;
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, texte(text::SpielAufgebenTitel),
                                             texte(text::SpielAufgeben), QMessageBox::NoButton, eltern);
    box->setObjectName(QStringLiteral("frageAufgeben"));
    QPushButton* neu = box->addButton(texte(text::NeuesSpielKnopf), QMessageBox::AcceptRole);
    QPushButton* weiter = box->addButton(texte(text::WeiterspielenKnopf), QMessageBox::RejectRole);
    neu->setObjectName(QStringLiteral("btnNeuesSpiel"));
    weiter->setObjectName(QStringLiteral("btnWeiterspielen"));
    box->setDefaultButton(neu);
    box->setEscapeButton(weiter);
    box->setCheckBox(new QCheckBox(texte(text::NichtMehrFragen)));
    return box;
}

Aufgabeantwort Fragen(QMessageBox& box)
{
    box.exec();
    const bool aufgeben = box.clickedButton() && box.buttonRole(box.clickedButton()) == QMessageBox::AcceptRole;
    return {aufgeben, aufgeben && box.checkBox() && box.checkBox()->isChecked()};
}

} // namespace haupt
