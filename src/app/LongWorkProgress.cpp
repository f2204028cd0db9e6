#include "LongWorkProgress.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>

namespace glyphora {

LongWorkProgress::LongWorkProgress(QWidget* window, QString title)
    : busy_({window}), window_(window), title_(std::move(title)) {
    clock_.start();
}

LongWorkProgress::~LongWorkProgress() {
    if (dialog_) QGuiApplication::restoreOverrideCursor();
    dialog_.reset();
}

bool LongWorkProgress::step(int done, int total) {
    const qint64 now = clock_.elapsed();
    if (cancelled_ || (lastTick_ >= 0 && now - lastTick_ < kTickMs)) return !cancelled_;
    lastTick_ = now;
    if (!dialog_ && done < total && now >= kDialogDelayMs) {
        dialog_ = std::make_unique<QProgressDialog>(title_, QStringLiteral("Cancel"), 0, total, window_);
        dialog_->setObjectName(QStringLiteral("BatchProgress"));
        dialog_->setWindowTitle(QStringLiteral("Glyphora"));
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        // Its owner is disabled while the batch runs, and a dialog follows its owner.
        dialog_->setEnabled(true);
        dialog_->show();
        // The Cancel button can be clicked: not the wait cursor over it.
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }
    if (dialog_) dialog_->setValue(done);
    QCoreApplication::processEvents();
    cancelled_ = dialog_ && dialog_->wasCanceled();
    return !cancelled_;
}

}  // namespace glyphora
