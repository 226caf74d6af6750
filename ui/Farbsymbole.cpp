// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Farbsymbole.h"

#include "game/Spielzustand.h"

#include <QPainterPath>
#include <cmath>

namespace {

// One shape per colour index, in a box of -1 .. 1, each unlike the others, so that colours that
// look alike to some eyes never share one: red a triangle, yellow a lying bar, green a dot, blue a
// standing bar, violet a cross, turquoise a ring, black a plus, white a triangle upside down.
QPainterPath Symbol(int32_t index)
{
    QPainterPath pfad;
    auto dreieck = [&pfad](qreal spitze, qreal basis) {
        pfad.moveTo(0, spitze);
        pfad.lineTo(1, basis);
        pfad.lineTo(-1, basis);
        pfad.closeSubpath();
    };
    auto kreuz = [&pfad](qreal winkel) {
        QPainterPath balken;
        balken.addRect(QRectF(-1.05, -0.25, 2.1, 0.5));
        pfad.addPath(QTransform().rotate(winkel).map(balken));
        pfad.addPath(QTransform().rotate(winkel + 90).map(balken));
        pfad.setFillRule(Qt::WindingFill);
    };
    switch (index) {
    case 0:
        dreieck(-1, 0.8);
        break;
    case 1:
        pfad.addRect(QRectF(-1, -0.25, 2, 0.5));
        break;
    case 2:
        pfad.addEllipse(QPointF(0, 0), 0.45, 0.45);
        break;
    case 3:
        pfad.addRect(QRectF(-0.25, -1, 0.5, 2));
        break;
    case 4:
        kreuz(45);
        break;
    case 5:
        pfad.addEllipse(QPointF(0, 0), 0.95, 0.95);
        pfad.addEllipse(QPointF(0, 0), 0.55, 0.55); // odd-even: a ring
        break;
    case 6:
        kreuz(0);
        break;
    default:
        dreieck(1, -0.8);
        break;
    }
    return pfad;
}

} // namespace

void FarbsymbolZeichnen(QPainter& maler, const QRectF& box, TColor farbe)
{
    const int32_t index = FarbIndex(farbe);
    if (index < 0)
        return;
    // Black on light colours, white on dark ones, by the colour's luminance.
    const double hell = 0.2126 * (farbe & 0xFF) + 0.7152 * ((farbe >> 8) & 0xFF) + 0.0722 * ((farbe >> 16) & 0xFF);
    const qreal halb = std::min(box.width(), box.height()) * 0.27;
    maler.save();
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(box.center());
    maler.scale(halb, halb);
    maler.setPen(Qt::NoPen);
    maler.setBrush(hell > 110 ? Qt::black : Qt::white);
    maler.drawPath(Symbol(index));
    maler.restore();
}
