#include "Pictograms.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace glyphora {

namespace {

const QColor kInk(0x30, 0x34, 0x38);
const QColor kBlue(0x35, 0x74, 0xc4);
const QColor kPaleBlue(0xd6, 0xe6, 0xf8);
const QColor kYellow(0xf2, 0xc2, 0x4e);
const QColor kDarkYellow(0xb0, 0x80, 0x24);
const QColor kGreen(0x2f, 0x9a, 0x48);
const QColor kRed(0xd0, 0x48, 0x38);
const QColor kPink(0xf0, 0x9a, 0xa8);
const QColor kBrown(0x9a, 0x6a, 0x3a);
const QColor kPaper(Qt::white);

QPen pen(const QColor& c, qreal w = 1.5) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Pixel art as one filled outline, so neighbouring pixels leave no seams
// when the design grid is scaled.
void pixelArt(QPainter& p, const char* const* rows, int rowCount, qreal x, qreal y, qreal unit, const QColor& c) {
    QPainterPath path;
    for (int r = 0; r < rowCount; ++r)
        for (int col = 0; rows[r][col] != '\0'; ++col)
            if (rows[r][col] == '#') path.addRect(QRectF(x + col * unit, y + r * unit, unit, unit));
    p.fillPath(path.simplified(), c);
}

// A 5 x 7 pixel letter "A" with its top-left pixel at (x, y).
void pixelLetter(QPainter& p, qreal x, qreal y, qreal unit, const QColor& c) {
    static const char* rows[] = {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
    pixelArt(p, rows, 7, x, y, unit, c);
}

void page(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(pen(c, 2.2));
    p.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    QPolygonF head{to + u * 1.5, to - u * 4.0 + n * 3.5, to - u * 4.0 - n * 3.5};
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

void magnifier(QPainter& p, bool plus) {
    p.setPen(pen(kInk, 2.0));
    p.setBrush(kPaleBlue);
    p.drawEllipse(QRectF(3, 3, 13, 13));
    p.setPen(pen(kInk, 3.2));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    p.setPen(pen(kBlue, 2.0));
    p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
    if (plus) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
}

void glyphTile(QPainter& p, const QRectF& r) {
    p.setPen(pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(r);
    pixelLetter(p, r.x() + (r.width() - 10) / 2, r.y() + (r.height() - 14) / 2, 2.0, kInk);
}

void draw(QPainter& p, Pictogram kind) {
    switch (kind) {
    case Pictogram::Open: {
        p.setPen(pen(kDarkYellow, 1.2));
        p.setBrush(kYellow.darker(115));
        QPainterPath back;
        back.moveTo(2.5, 6);
        back.lineTo(9, 6);
        back.lineTo(11, 8);
        back.lineTo(20.5, 8);
        back.lineTo(20.5, 19.5);
        back.lineTo(2.5, 19.5);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(kPaper);
        p.setPen(pen(kInk, 0.8));
        p.drawRect(QRectF(5, 9.5, 13, 6));
        p.setPen(pen(kDarkYellow, 1.2));
        p.setBrush(kYellow);
        p.drawPolygon(QPolygonF{{2.5, 19.5}, {5.5, 11.5}, {22.5, 11.5}, {19.5, 19.5}});
        break;
    }
    case Pictogram::SaveLangpack: {
        p.setPen(pen(kBlue.darker(140), 1.2));
        p.setBrush(kBlue);
        QPainterPath disk;
        disk.moveTo(3.5, 3.5);
        disk.lineTo(17.5, 3.5);
        disk.lineTo(20.5, 6.5);
        disk.lineTo(20.5, 20.5);
        disk.lineTo(3.5, 20.5);
        disk.closeSubpath();
        p.drawPath(disk);
        p.setPen(Qt::NoPen);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 4, 10, 6));
        p.setBrush(kBlue.darker(130));
        p.drawRect(QRectF(13, 5, 2.5, 4));
        p.setBrush(kPaper);
        p.drawRect(QRectF(6, 13, 12, 7));
        p.setPen(pen(kPaleBlue.darker(130), 1.0));
        p.drawLine(QPointF(8, 15.5), QPointF(16, 15.5));
        p.drawLine(QPointF(8, 17.8), QPointF(16, 17.8));
        break;
    }
    case Pictogram::SaveImage: {
        glyphTile(p, QRectF(2.5, 2.5, 15, 17));
        p.setPen(pen(kBlue.darker(140), 1.0));
        p.setBrush(kBlue);
        p.drawRect(QRectF(13.5, 13.5, 8, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kPaper);
        p.drawRect(QRectF(15.5, 14, 4, 2.5));
        p.drawRect(QRectF(15, 18, 5, 3));
        break;
    }
    case Pictogram::ExportBitmap:
    case Pictogram::ImportBitmap: {
        page(p, QRectF(2.5, 4.5, 13, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(kPaleBlue);
        p.drawRect(QRectF(3.5, 5.5, 11, 13));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF{{3.5, 18.5}, {8, 11}, {11, 15}, {12.5, 13}, {14.5, 16}, {14.5, 18.5}});
        p.setBrush(kYellow);
        p.drawEllipse(QRectF(10.5, 7, 3, 3));
        if (kind == Pictogram::ExportBitmap)
            arrow(p, {13, 12}, {21, 12}, kBlue);
        else
            arrow(p, {22, 12}, {14.5, 12}, kBlue);
        break;
    }
    case Pictogram::Copy:
        page(p, QRectF(3.5, 2.5, 11, 14));
        page(p, QRectF(9.5, 7.5, 11, 14));
        p.setPen(pen(kBlue, 1.0));
        for (qreal y : {11.0, 14.0, 17.0}) p.drawLine(QPointF(12, y), QPointF(18, y));
        break;
    case Pictogram::Cut:
        p.setPen(pen(kInk, 1.6));
        p.drawLine(QPointF(7, 2.5), QPointF(15.5, 15));
        p.drawLine(QPointF(17, 2.5), QPointF(8.5, 15));
        p.setPen(pen(kRed, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(3.5, 14, 6, 6));
        p.drawEllipse(QRectF(14.5, 14, 6, 6));
        break;
    case Pictogram::Paste:
        p.setPen(pen(kBrown.darker(130), 1.2));
        p.setBrush(kBrown);
        p.drawRoundedRect(QRectF(3.5, 4.5, 15, 17), 1.5, 1.5);
        p.setBrush(QColor(0xc8, 0xc8, 0xc8));
        p.setPen(pen(kInk, 1.0));
        p.drawRoundedRect(QRectF(7.5, 2.5, 7, 4), 1, 1);
        page(p, QRectF(10.5, 9.5, 10, 12));
        p.setPen(pen(kBlue, 1.0));
        for (qreal y : {13.0, 16.0, 19.0}) p.drawLine(QPointF(12.5, y), QPointF(18.5, y));
        break;
    case Pictogram::Undo: {
        p.setPen(pen(kBlue, 2.4));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(7, 9);
        path.lineTo(14, 9);
        path.cubicTo(22, 9, 22, 20, 14, 20);
        path.lineTo(9, 20);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF{{2.5, 9}, {8.5, 3.5}, {8.5, 14.5}});
        break;
    }
    case Pictogram::ShiftLeft:
    case Pictogram::ShiftRight: {
        const bool left = kind == Pictogram::ShiftLeft;
        p.setPen(pen(kInk, 1.0));
        p.setBrush(kPaper);
        p.drawRect(QRectF(left ? 9.5 : 2.5, 4.5, 12, 15));
        pixelLetter(p, left ? 12 : 5, 7, 1.6, kInk);
        if (left)
            arrow(p, {11, 12}, {2.5, 12}, kBlue);
        else
            arrow(p, {13, 12}, {21.5, 12}, kBlue);
        break;
    }
    case Pictogram::ZoomIn: magnifier(p, true); break;
    case Pictogram::ZoomOut: magnifier(p, false); break;
    case Pictogram::FitGlyph: {
        // A letter with the four corners of the pane around it.
        pixelLetter(p, 7, 5, 2.0, kInk);
        p.setPen(pen(kBlue, 2.0));
        for (const QPointF& c : {QPointF(2.5, 2.5), QPointF(21.5, 2.5), QPointF(2.5, 21.5), QPointF(21.5, 21.5)}) {
            const qreal dx = c.x() < 12 ? 4.5 : -4.5, dy = c.y() < 12 ? 4.5 : -4.5;
            p.drawLine(c, c + QPointF(dx, 0));
            p.drawLine(c, c + QPointF(0, dy));
        }
        break;
    }
    case Pictogram::WindowsFont: {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(19);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kInk);
        p.drawText(QRectF(0, 0, 17, 22), Qt::AlignCenter, QStringLiteral("A"));
        f.setPixelSize(12);
        f.setBold(false);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(kBlue);
        p.drawText(QRectF(12, 8, 12, 15), Qt::AlignCenter, QStringLiteral("a"));
        break;
    }
    case Pictogram::ReplaceSymbols: {
        glyphTile(p, QRectF(2.5, 2.5, 13, 16));
        p.setPen(pen(kGreen, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(12, 11, 9, 9), 30 * 16, 260 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF{{22.5, 10.5}, {22.5, 16}, {17.5, 13}});
        break;
    }
    case Pictogram::OptimizeWidths: {
        pixelLetter(p, 7, 3, 2.0, kInk);
        p.setPen(pen(kInk, 1.4));
        p.drawLine(QPointF(2.5, 17), QPointF(2.5, 22));
        p.drawLine(QPointF(21.5, 17), QPointF(21.5, 22));
        arrow(p, {12, 19.5}, {4.5, 19.5}, kBlue);
        arrow(p, {12, 19.5}, {19.5, 19.5}, kBlue);
        break;
    }
    case Pictogram::Pencil: {
        p.translate(12, 12);
        p.rotate(45);
        p.setPen(pen(kInk, 1.0));
        p.setBrush(kYellow);
        p.drawRect(QRectF(-2.8, -10, 5.6, 13));
        p.setBrush(kPink);
        p.drawRect(QRectF(-2.8, -12, 5.6, 2.5));
        p.setBrush(QColor(0xf0, 0xd8, 0xb0));
        p.drawPolygon(QPolygonF{{-2.8, 3}, {2.8, 3}, {0, 9}});
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF{{-1, 7}, {1, 7}, {0, 9}});
        break;
    }
    case Pictogram::Selection: {
        QPen dash(kInk, 1.4, Qt::CustomDashLine, Qt::FlatCap);
        dash.setDashPattern({2, 2});
        p.setPen(dash);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
        break;
    }
    case Pictogram::Text: {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawRect(QRectF(4, 4, 16, 3));
        p.drawRect(QRectF(10.5, 4, 3, 16));
        p.drawRect(QRectF(8, 18, 8, 2));
        break;
    }
    case Pictogram::Eraser: {
        p.translate(12, 12);
        p.rotate(-40);
        p.setPen(pen(kInk, 1.0));
        p.setBrush(kPink);
        p.drawRoundedRect(QRectF(-9, -4.5, 9, 9), 1.2, 1.2);
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(0, -4.5, 9, 9), 1.2, 1.2);
        break;
    }
    case Pictogram::Fill: {
        p.save();
        p.translate(10, 13);
        p.rotate(-30);
        p.setPen(pen(kInk, 1.2));
        p.setBrush(kPaper);
        p.drawRect(QRectF(-6, -5, 12, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRect(QRectF(-5.4, -4.4, 10.8, 3));
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPainterPath drop;
        drop.moveTo(19.5, 12);
        drop.cubicTo(21.5, 15.5, 22.5, 17, 22.5, 18.5);
        drop.arcTo(QRectF(16.5, 15.5, 6, 6), 0, -180);
        drop.cubicTo(16.5, 17, 17.5, 15.5, 19.5, 12);
        p.drawPath(drop);
        break;
    }
    case Pictogram::Line:
        p.setPen(pen(kInk, 2.0));
        p.drawLine(QPointF(5, 19), QPointF(19, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(5, 19), 2.4, 2.4);
        p.drawEllipse(QPointF(19, 5), 2.4, 2.4);
        break;
    case Pictogram::Rectangle:
    case Pictogram::FilledRectangle:
        p.setPen(pen(kInk, 2.0));
        p.setBrush(kind == Pictogram::FilledRectangle ? QBrush(kInk.lighter(180)) : QBrush(Qt::NoBrush));
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case Pictogram::Ellipse:
    case Pictogram::FilledEllipse:
        p.setPen(pen(kInk, 2.0));
        p.setBrush(kind == Pictogram::FilledEllipse ? QBrush(kInk.lighter(180)) : QBrush(Qt::NoBrush));
        p.drawEllipse(QRectF(3, 6, 18, 12));
        break;
    case Pictogram::Application: {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
        static const char* rows[] = {".####.", "#....#", "#.....", "#..###", "#....#", "#....#", ".####."};
        pixelArt(p, rows, 7, 4.5, 3.5, 2.5, kPaper);
        break;
    }
    }
}

QPixmap render(Pictogram kind, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 24.0, size / 24.0);
    draw(p, kind);
    return pixmap;
}

}  // namespace

QIcon PictogramIcon(Pictogram kind) {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 48, 64, 128}) icon.addPixmap(render(kind, size));
    return icon;
}

}  // namespace glyphora
