// The About window ("TForm6"): product name and version.
#pragma once

#include <QDialog>

namespace glyphora {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The caption in the interface language; the product name and the
    // version line stay as they are in every language.
    void setTexts(const QString& caption);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace glyphora
