#include "FontConvert.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>

namespace glyphora {

QFont ToQFont(const Prompts::Font& font) {
    QFont out(QString::fromStdString(font.name));
    if (font.name.empty()) out = QFont();
    // A positive height is the cell's; the characters are then about its ascent.
    out.setPixelSize(std::max(1, std::abs(font.height)));
    out.setBold(font.bold);
    out.setItalic(font.italic);
    out.setUnderline(font.underline);
    out.setStrikeOut(font.strikeOut);
    // The face itself ("Book"), or the dialog picks another one of the family ("Oblique").
    if (!font.styleName.empty()) out.setStyleName(QString::fromStdString(font.styleName));
    return out;
}

Prompts::Font FromQFont(const QFont& font) {
    Prompts::Font out;
    out.name = QFontInfo(font).family().toStdString();
    out.height = -QFontInfo(font).pixelSize();
    out.bold = font.bold();
    out.italic = font.italic();
    out.underline = font.underline();
    out.strikeOut = font.strikeOut();
    out.styleName = QFontInfo(font).styleName().toStdString();
    out.measuredHeight = QFontMetrics(font).size(Qt::TextSingleLine, QStringLiteral("Test")).height();
    return out;
}

}  // namespace glyphora
