// The editor's 1-bit images at the Qt edge: display, clipboard, files.
#pragma once

#include "MonoImage.h"
#include "RgbaImage.h"

#include <QImage>

namespace glyphora {

// Black and white, pixel for pixel. Format_Mono (colour 0 black, 1 white) or
// any format QImage converts to (the clipboard takes Format_RGB32).
QImage toQImage(const MonoImage& image, QImage::Format format = QImage::Format_Mono);

// Any image as 8-bit RGBA, alpha not premultiplied.
RgbaImage toRgbaImage(const QImage& image);

// Any image to black and white by the rule the picture files use
// (ReduceToMono): each pixel, laid over white paper by its alpha, becomes the
// nearer of black and white by its luminance.
MonoImage fromQImage(const QImage& image);

}  // namespace glyphora
