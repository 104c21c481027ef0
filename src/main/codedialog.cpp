#include "main/codedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/spielcode.h"

namespace haupt {

namespace tx = daten::text::codes;

Codedialog::Codedialog(const daten::Texte& texte, const QString& vorschlag, QWidget* eltern) : QDialog(eltern)
{
    setObjectName(QStringLiteral("frmCode"));
    setWindowTitle(texte(tx::DialogTitel));
    lblCode_ = new QLabel(texte(tx::DialogText), this);
    edtCode_ = new QLineEdit(this);
    edtCode_->setObjectName(QStringLiteral("edtCode"));
    // Room for a whole code; a longer paste is cut where the code could not go on anyway.
    edtCode_->setMaxLength(int(engine::CodeHoechstens) + 20);
    edtCode_->setMinimumWidth(edtCode_->fontMetrics().horizontalAdvance(QString(int(engine::CodeHoechstens) / 2, u'M')));
    // Only the clipboard's first line: a code is never longer, and a text pasted by mistake stays short.
    edtCode_->setText(vorschlag.section(u'\n', 0, 0).trimmed().left(edtCode_->maxLength()));
    edtCode_->selectAll();
    lblCode_->setBuddy(edtCode_);
    auto* knoepfe = new QDialogButtonBox(this);
    btnSpielen_ = knoepfe->addButton(texte(tx::Spielen), QDialogButtonBox::AcceptRole);
    btnAbbrechen_ = knoepfe->addButton(texte(tx::Abbrechen), QDialogButtonBox::RejectRole);
    btnSpielen_->setDefault(true);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblCode_);
    spalte->addWidget(edtCode_);
    spalte->addWidget(knoepfe);
    spalte->setSizeConstraint(QLayout::SetFixedSize);
}

QString Codedialog::code() const { return edtCode_->text(); }

std::optional<QString> CodeErfragen(const daten::Texte& texte, const QString& vorschlag, QWidget* eltern)
{
    Codedialog dialog(texte, vorschlag, eltern);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.code();
}

} // namespace haupt
