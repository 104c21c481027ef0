#include "main/wiedergabeleiste.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace haupt {

namespace text = daten::text::wiedergabe;

Wiedergabeleiste::Wiedergabeleiste(sitzung::Wiedergabe& wiedergabe, const daten::Texte& texte, QWidget* eltern)
    : QToolBar(eltern), wiedergabe_(wiedergabe), texte_(texte)
{
    setObjectName(QStringLiteral("wiedergabeleiste"));
    setMovable(false);
    setFloatable(false);
    auto* flaeche = new QWidget(this);
    auto* reihe = new QHBoxLayout(flaeche);
    reihe->setContentsMargins(4, 2, 4, 2);
    const auto knopf = [&](const char* name) {
        auto* b = new QPushButton(flaeche);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::StrongFocus);
        reihe->addWidget(b);
        return b;
    };
    btnZurueck_ = knopf("btnZurueck");
    btnSpielen_ = knopf("btnSpielen");
    btnVor_ = knopf("btnVor");
    sldZug_ = new QSlider(Qt::Horizontal, flaeche);
    sldZug_->setObjectName(QStringLiteral("sldZug"));
    sldZug_->setFocusPolicy(Qt::StrongFocus);
    sldZug_->setMinimumWidth(160);
    reihe->addWidget(sldZug_, 1);
    lblZug_ = new QLabel(flaeche);
    reihe->addWidget(lblZug_);
    spnTempo_ = new QSpinBox(flaeche);
    spnTempo_->setObjectName(QStringLiteral("spnTempo"));
    spnTempo_->setRange(1, sitzung::Wiedergabe::TempoHoechstens);
    reihe->addWidget(spnTempo_);
    btnEnde_ = knopf("btnEnde");
    addWidget(flaeche);

    connect(btnZurueck_, &QPushButton::clicked, &wiedergabe_, &sitzung::Wiedergabe::Zurueck);
    connect(btnVor_, &QPushButton::clicked, &wiedergabe_, &sitzung::Wiedergabe::Vor);
    connect(btnSpielen_, &QPushButton::clicked, this, [this] {
        wiedergabe_.spielt() ? wiedergabe_.Anhalten() : wiedergabe_.Abspielen();
    });
    connect(sldZug_, &QSlider::valueChanged, &wiedergabe_, &sitzung::Wiedergabe::Springen);
    connect(spnTempo_, &QSpinBox::valueChanged, &wiedergabe_, &sitzung::Wiedergabe::TempoSetzen);
    connect(btnEnde_, &QPushButton::clicked, this, &Wiedergabeleiste::beenden);
    connect(&wiedergabe_, &sitzung::Wiedergabe::gezeigt, this, &Wiedergabeleiste::Zeigen);
    connect(&wiedergabe_, &sitzung::Wiedergabe::spieltGeaendert, this, &Wiedergabeleiste::TexteSetzen);
    connect(&texte_, &daten::Texte::spracheGeaendert, this, &Wiedergabeleiste::TexteSetzen);
    TexteSetzen();
}

void Wiedergabeleiste::Beginnen()
{
    const QSignalBlocker still(sldZug_);
    sldZug_->setRange(0, wiedergabe_.anzahl());
    sldZug_->setPageStep(std::max(1, wiedergabe_.anzahl() / 10));
    spnTempo_->setValue(wiedergabe_.tempo());
    Zeigen(wiedergabe_.zug());
    btnSpielen_->setFocus();
}

void Wiedergabeleiste::TexteSetzen()
{
    setWindowTitle(texte_(text::Leiste));
    btnZurueck_->setText(texte_(text::Zurueck));
    btnSpielen_->setText(texte_(wiedergabe_.spielt() ? text::Anhalten : text::Abspielen));
    btnVor_->setText(texte_(text::Vor));
    btnEnde_->setText(texte_(text::Ende));
    spnTempo_->setSuffix(texte_(text::TempoEinheit));
    sldZug_->setAccessibleName(texte_(text::Zugwahl));
    spnTempo_->setAccessibleName(texte_(text::Tempo));
    for (QPushButton* b : {btnZurueck_, btnSpielen_, btnVor_, btnEnde_})
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    Zeigen(wiedergabe_.zug());
}

void Wiedergabeleiste::Zeigen(int zug)
{
    const QSignalBlocker still(sldZug_);  // the slider follows the replay without jumping it again
    sldZug_->setValue(zug);
    lblZug_->setText(texte_(text::ZugVon).arg(zug).arg(wiedergabe_.anzahl()));
    btnZurueck_->setEnabled(zug > 0);
    btnVor_->setEnabled(zug < wiedergabe_.anzahl());
}

void Wiedergabeleiste::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape)
        emit beenden();
    else
        QToolBar::keyPressEvent(ereignis);
}

} // namespace haupt
