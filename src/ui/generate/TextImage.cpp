#include "TextImage.h"

#include "ColorReduce.h"
#include "ImageConvert.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace glyphora {

MonoImage RenderTextImage(const QString& text, const QFont& font, int maxWidth, int maxHeight) {
    QFont sharp = font;
    sharp.setStyleStrategy(QFont::StyleStrategy(sharp.styleStrategy() | QFont::NoAntialias));
    // Measured on the kind of surface it is drawn on, so a font given in
    // points comes out the size it was measured.
    const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(sharp, &probe);
    const int w = std::min(metrics.horizontalAdvance(text), maxWidth);
    const int h = std::min(metrics.height(), maxHeight);
    if (w <= 0 || h <= 0) return MonoImage();

    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(sharp);
        painter.setPen(Qt::black);
        // The top of the text's cell at the top edge, as the desktop draws text at (0, 0).
        painter.drawText(0, metrics.ascent(), text);
    }
    return ReduceToMono(toRgbaImage(canvas));
}

}  // namespace glyphora
