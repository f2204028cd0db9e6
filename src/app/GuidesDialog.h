// View -> "Guides…": the baseline and cap-height rows of the set shown, each
// a row of the set or "none".
#pragma once

#include "ViewPreferences.h"

#include <QDialog>

#include <optional>

class QLabel;
class QSpinBox;

namespace glyphora {

class GuidesDialog : public QDialog {
    Q_OBJECT
public:
    explicit GuidesDialog(QWidget* parent = nullptr);

    // The rows chosen for set `setNumber`, `height` rows high; nothing when cancelled.
    std::optional<SetGuides> ask(int setNumber, int height, const SetGuides& current);

private:
    QLabel* title_;
    QSpinBox* baseline_;
    QSpinBox* capHeight_;
};

}  // namespace glyphora
