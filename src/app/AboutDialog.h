// The About window ("TForm6"): product name and version.
#pragma once

#include <QDialog>

namespace glyphora {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace glyphora
