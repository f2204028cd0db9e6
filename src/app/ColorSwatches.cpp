#include "ColorSwatches.h"

#include <QPainter>

namespace glyphora {

namespace {
constexpr int kSwatch = 25;
constexpr int kOffset = 12;
}  // namespace

ColorSwatch::ColorSwatch(const QColor& color, QWidget* parent) : QWidget(parent), color_(color) {
    setFixedSize(kSwatch, kSwatch);
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

ColorSwatches::ColorSwatches(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSwatch + kOffset, kSwatch + kOffset);
    auto* secondary = new ColorSwatch(Qt::white, this);
    secondary->setObjectName(QStringLiteral("Image3"));
    secondary->move(kOffset, kOffset);
    secondary->setToolTip(QStringLiteral("Secondary colour (right button)"));
    auto* primary = new ColorSwatch(Qt::black, this);
    primary->setObjectName(QStringLiteral("Image4"));
    primary->move(0, 0);
    primary->setToolTip(QStringLiteral("Primary colour (left button)"));
    primary->raise();
}

}  // namespace glyphora
