#include "GuidesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace glyphora {

namespace {

// -1 reads "none".
QSpinBox* rowBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSpecialValueText(QStringLiteral("none"));
    return box;
}

std::optional<int> rowOf(const QSpinBox* box) {
    return box->value() < 0 ? std::nullopt : std::optional<int>(box->value());
}

}  // namespace

GuidesDialog::GuidesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GuidesDialog"));
    setWindowTitle(QStringLiteral("Guides"));
    title_ = new QLabel(this);
    baseline_ = rowBox(this, "BaselineRow");
    capHeight_ = rowBox(this, "CapHeightRow");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Baseline row (letters stand on it):"), baseline_);
    form->addRow(QStringLiteral("&Cap-height row (top of the capitals):"), capHeight_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<SetGuides> GuidesDialog::ask(int setNumber, int height, const SetGuides& current) {
    title_->setText(QStringLiteral("Set %1 is %2 rows high; rows count from 0 at the top.").arg(setNumber).arg(height));
    for (auto [box, row] : {std::pair{baseline_, current.baseline}, std::pair{capHeight_, current.capHeight}}) {
        box->setRange(-1, std::max(height - 1, -1));
        box->setValue(row && *row < height ? *row : -1);
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    return SetGuides{rowOf(baseline_), rowOf(capHeight_)};
}

}  // namespace glyphora
