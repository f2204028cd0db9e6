#include "ImageConvert.h"

#include <cstring>

namespace glyphora {

QImage toQImage(const MonoImage& image, QImage::Format format) {
    if (image.isEmpty()) return QImage();
    QImage mono(image.width(), image.height(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y) {
        const auto row = image.row(y);
        std::memcpy(mono.scanLine(y), row.data(), row.size());
    }
    return format == QImage::Format_Mono ? mono : mono.convertToFormat(format);
}

MonoImage fromQImage(const QImage& image) {
    if (image.isNull()) return MonoImage();
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    MonoImage out(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = line[x];
            const int alpha = qAlpha(c);
            // Over white paper: a transparent pixel is paper.
            const int grey = (qGray(c) * alpha + 255 * (255 - alpha)) / 255;
            if (grey < 128) out.setPixel(x, y, Pixel::Ink);
        }
    }
    return out;
}

}  // namespace glyphora
