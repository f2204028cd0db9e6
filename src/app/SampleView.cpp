#include "SampleView.h"

#include <CharacterCode.h>
#include <ImageConvert.h>
#include <Session.h>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace glyphora {

namespace {
constexpr int kMargin = 4;
// The canvas's guide colours, fainter over the text.
const QColor kBaselineColour(220, 40, 40, 70);
const QColor kCapHeightColour(20, 150, 70, 70);
}  // namespace

SampleView::SampleView(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("SampleView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SampleView::setText(const QString& text) {
    text_.assign(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
    relayOut();
}

void SampleView::setScale(int scale) {
    scale_ = std::clamp(scale, 1, 3);
    relayOut();
}

void SampleView::setGuides(std::optional<int> baseline, std::optional<int> capHeight) {
    baseline_ = baseline;
    capHeight_ = capHeight;
    update();
}

void SampleView::relayOut() {
    const TLangpack* lp = session_.langpack();
    const int set = session_.CurrentSet();
    if (!lp || set < 0 || set >= lp->SetCount()) {
        line_ = {};
    } else {
        SampleOverride working;
        if (session_.glyphShown()) {
            const GlyphEditor& editor = session_.editor();
            working = {session_.CurrentSymbol(), &editor.EditImage(), editor.GlyphWidth()};
        }
        line_ = LayOutSampleLine(text_, lp->glyphs(set), session_.setHeight(set), working);
    }
    // Painted scaled at every repaint: the format the painter draws fastest.
    picture_ = toQImage(line_.image, QImage::Format_RGB32);
    breakRows();
    update();
}

int SampleView::rowHeight() const { return std::max(line_.image.height(), 1) * scale_; }

void SampleView::breakRows() {
    const int columns = std::max(1, (width() - 2 * kMargin) / scale_);
    rows_ = SampleRowStarts(line_, text_, columns);
    const int rows = line_.characters.empty() ? 1 : static_cast<int>(rows_.size());
    setFixedHeight(2 * kMargin + rows * rowHeight());
}

QSize SampleView::sizeHint() const { return {400, oneRowHeight()}; }
int SampleView::oneRowHeight() const { return 2 * kMargin + rowHeight(); }

void SampleView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    breakRows();
}

// Rows follow each other at the set's height, as lines do on the phone.
void SampleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (picture_.isNull() || line_.characters.empty()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int height = line_.image.height();
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const std::size_t first = rows_[r];
        const std::size_t end = r + 1 < rows_.size() ? rows_[r + 1] : line_.characters.size();
        const int left = line_.characters[first].begin;
        const int right = line_.characters[end - 1].end;
        if (right <= left) continue;
        const QRect target(kMargin, kMargin + static_cast<int>(r) * rowHeight(), (right - left) * scale_,
                           height * scale_);
        painter.drawImage(target, picture_, QRect(left, 0, right - left, height));
        if (baseline_ && *baseline_ < height)
            painter.fillRect(QRect(target.left(), target.top() + (*baseline_ + 1) * scale_ - 1, target.width(), 1),
                             kBaselineColour);
        if (capHeight_ && *capHeight_ < height)
            painter.fillRect(QRect(target.left(), target.top() + *capHeight_ * scale_, target.width(), 1),
                             kCapHeightColour);
    }
}

int SampleView::characterAt(const QPoint& point) const {
    if (line_.characters.empty() || point.x() < kMargin || point.y() < kMargin) return -1;
    const auto r = static_cast<std::size_t>((point.y() - kMargin) / rowHeight());
    if (r >= rows_.size()) return -1;
    const std::size_t first = rows_[r];
    const std::size_t end = r + 1 < rows_.size() ? rows_[r + 1] : line_.characters.size();
    const int column = line_.characters[first].begin + (point.x() - kMargin) / scale_;
    const int index = SampleCharacterAt(line_, column);
    return index >= static_cast<int>(first) && index < static_cast<int>(end) ? index : -1;
}

int SampleView::glyphAt(const QPoint& point) const {
    const int index = characterAt(point);
    return index < 0 ? -1 : line_.characters[static_cast<std::size_t>(index)].glyph;
}

QPoint SampleView::characterCentre(std::size_t index) const {
    if (index >= line_.characters.size()) return {};
    const auto row = std::upper_bound(rows_.begin(), rows_.end(), index) - rows_.begin() - 1;
    const SampleCharacter& c = line_.characters[index];
    const int left = line_.characters[rows_[static_cast<std::size_t>(row)]].begin;
    return {kMargin + ((c.begin + c.end) / 2 - left) * scale_ + scale_ / 2,
            kMargin + static_cast<int>(row) * rowHeight() + rowHeight() / 2};
}

void SampleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int glyph = glyphAt(event->position().toPoint());
    if (glyph >= 0) emit glyphClicked(glyph);
}

// The tip names the character under the pointer and whether the set has it.
bool SampleView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = characterAt(help->pos());
    if (index < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const SampleCharacter& c = line_.characters[static_cast<std::size_t>(index)];
    QString tip = QString::fromStdString(CharacterName(text_[static_cast<std::size_t>(index)]));
    tip += c.glyph < 0 ? QStringLiteral(": not in this set") : QStringLiteral(": glyph %1").arg(c.glyph);
    QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

}  // namespace glyphora
