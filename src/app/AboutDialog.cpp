#include "AboutDialog.h"

#include "Icons.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace glyphora {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("About..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(246, 313);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 20, 16, 14);
    layout->setSpacing(6);

    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);

    auto* name = new QLabel(QStringLiteral("Glyphora"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto* version = new QLabel(QStringLiteral("Version 1.01 (15.10.2006)"), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addSpacing(6);
    layout->addWidget(line);

    auto* about =
        new QLabel(QStringLiteral("Editor of the bitmap fonts in the language packs of Motorola P2K phones."), this);
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignCenter);
    layout->addWidget(about);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void AboutDialog::setTexts(const QString& caption) { setWindowTitle(caption); }

void AboutDialog::showEvent(QShowEvent* event) {
    // Centred on the desktop, not on the main window.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

}  // namespace glyphora
