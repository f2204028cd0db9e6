#include "ImageConvert.h"

#include "ColorReduce.h"

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

RgbaImage toRgbaImage(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    RgbaImage out{rgba.width(), rgba.height(), {}};
    const auto rowBytes = static_cast<std::size_t>(rgba.width()) * 4;
    out.rgba.resize(rowBytes * static_cast<std::size_t>(rgba.height()));
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(out.rgba.data() + rowBytes * static_cast<std::size_t>(y), rgba.constScanLine(y), rowBytes);
    return out;
}

MonoImage fromQImage(const QImage& image) { return ReduceToMono(toRgbaImage(image)); }

}  // namespace glyphora
