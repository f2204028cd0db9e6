// The two colour indicators under the tool palette: the primary colour
// (Image4, ink, left button) in front, 12 pixels up and to the left of the
// secondary colour (Image3, paper, right button).
#pragma once

#include <QColor>
#include <QWidget>

namespace glyphora {

class ColorSwatch : public QWidget {
    Q_OBJECT
public:
    ColorSwatch(const QColor& color, QWidget* parent);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

class ColorSwatches : public QWidget {
    Q_OBJECT
public:
    explicit ColorSwatches(QWidget* parent = nullptr);
};

}  // namespace glyphora
