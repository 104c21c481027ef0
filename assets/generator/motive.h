// Small figures that several sample pictures share.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace kunst::motiv {

void wolke(QPainter& p, const QPointF& mitte, double groesse);
void schmetterling(QPainter& p, const QPointF& mitte, double skala);
void biene(QPainter& p, const QPointF& mitte, double skala);
void segelboot(QPainter& p, const QPointF& kiel, double skala);
void kuesteMitLeuchtturm(QPainter& p, const QRectF& r);
void felder(QPainter& p, const QRectF& r);
void ballon(QPainter& p, const QPointF& mitte, double skala, const QColor& a, const QColor& b, int muster);
void fisch(QPainter& p, const QPointF& mitte, double skala, const QColor& farbe, bool nachLinks);

} // namespace kunst::motiv
