#include "StatusPresenter.h"

#include <QLabel>

namespace glyphora {

StatusPresenter::StatusPresenter(std::array<QLabel*, 3> panels) : panels_(panels) {
    for (std::size_t i = 0; i < prefixes_.size(); ++i)
        prefixes_[i] = QString::fromLatin1(DefaultStatusPrefix(static_cast<StatusPanel>(i)));
}

void StatusPresenter::show(StatusPanel panel, int a, int b) {
    const auto i = static_cast<std::size_t>(panel);
    values_[i] = std::pair(a, b);
    render(i);
}

void StatusPresenter::clear(StatusPanel panel) {
    const auto i = static_cast<std::size_t>(panel);
    values_[i].reset();
    render(i);
}

void StatusPresenter::setPrefixes(const std::array<QString, 3>& prefixes) {
    prefixes_ = prefixes;
    for (std::size_t i = 0; i < panels_.size(); ++i) render(i);
}

QString StatusPresenter::text(StatusPanel panel) const { return panels_[static_cast<std::size_t>(panel)]->text(); }

void StatusPresenter::render(std::size_t i) {
    const auto& value = values_[i];
    panels_[i]->setText(value ? prefixes_[i] + QStringLiteral("%1x%2").arg(value->first).arg(value->second)
                              : QString());
}

}  // namespace glyphora
