// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/Glyphs.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

class VectorGlyphEngine : public QIconEngine {
public:
    explicit VectorGlyphEngine(GlyphDrawing drawing) : Drawing(std::move(drawing)) {}

    QIconEngine* clone() const override { return new VectorGlyphEngine(Drawing); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap picture = scaledPixmap(rect.size() * scale, mode, state, scale);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // size is in device pixels: the drawing is made at exactly that size, never scaled as a bitmap.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size.width() / 16.0, size.height() / 16.0);
            Drawing(painter);
        }
        if (mode == QIcon::Disabled)
            Grey(image);
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

private:
    // The disabled picture: every drawn pixel a light gray, darker where the picture was dark.
    static void Grey(QImage& image)
    {
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = line[x];
                const int alpha = qAlpha(pixel);
                if (alpha == 0)
                    continue;
                // The image is premultiplied: take the colour back out of alpha, then put it in.
                const int level = 128 + qGray(pixel) * 64 / alpha;
                const int grey = level * alpha / 255;
                line[x] = qRgba(grey, grey, grey, alpha);
            }
        }
    }

    GlyphDrawing Drawing;
};

void DrawOk(QPainter& p)
{
    QPainterPath hook;
    hook.moveTo(2.5, 8.5);
    hook.lineTo(6.5, 12.5);
    hook.lineTo(13.5, 3.5);
    p.setPen(QPen(QColor(0, 128, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hook);
}

void DrawCross(QPainter& p, const QColor& colour, qreal width, qreal from, qreal to)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(from, from), QPointF(to, to));
    p.drawLine(QPointF(from, to), QPointF(to, from));
}

void DrawCancel(QPainter& p)
{
    DrawCross(p, QColor(200, 0, 0), 2.6, 3.5, 12.5);
}

void DrawAbort(QPainter& p)
{
    p.setPen(QPen(QColor(128, 0, 0), 1.0));
    p.setBrush(QColor(215, 0, 0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    DrawCross(p, Qt::white, 2.0, 5.5, 10.5);
}

void DrawHelp(QPainter& p)
{
    // A question mark drawn as strokes: no font at 16 pixels reads as well.
    p.setPen(QPen(QColor(0, 0, 160), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(4.8, 5.4);
    mark.cubicTo(4.8, 1.6, 11.2, 1.6, 11.2, 5.2);
    mark.cubicTo(11.2, 7.6, 8.0, 7.8, 8.0, 10.2);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    p.drawEllipse(QPointF(8.0, 13.6), 1.5, 1.5);
}

void DrawClose(QPainter& p)
{
    // An open door with the way out.
    p.setPen(QPen(QColor(64, 64, 64), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(3.5, 1.5, 8, 13));
    QPolygonF door;
    door << QPointF(3.5, 1.5) << QPointF(8.5, 3.0) << QPointF(8.5, 15.5) << QPointF(3.5, 14.5);
    p.setBrush(QColor(176, 112, 32));
    p.drawPolygon(door);
    p.setPen(QPen(QColor(0, 128, 0), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9.5, 8.5), QPointF(15.0, 8.5));
    p.drawPolyline(QPolygonF() << QPointF(12.5, 6.0) << QPointF(15.0, 8.5) << QPointF(12.5, 11.0));
}

} // namespace

QIcon VectorGlyph(GlyphDrawing drawing)
{
    return QIcon(new VectorGlyphEngine(std::move(drawing)));
}

QIcon StockGlyphIcon(StockGlyph kind)
{
    switch (kind) {
    case StockGlyph::Ok:
        return VectorGlyph(DrawOk);
    case StockGlyph::Cancel:
        return VectorGlyph(DrawCancel);
    case StockGlyph::Help:
        return VectorGlyph(DrawHelp);
    case StockGlyph::Close:
        return VectorGlyph(DrawClose);
    case StockGlyph::Abort:
        return VectorGlyph(DrawAbort);
    }
    return {};
}
