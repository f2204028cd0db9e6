// A batch over glyphs as the window shows it: the main window disabled with
// the wait cursor (BusyGuard), pending events let through once a step so it
// repaints, and within half a second a progress dialog with a Cancel button.
#pragma once

#include "BusyGuard.h"

#include <Prompts.h>

#include <QElapsedTimer>
#include <QString>

#include <memory>

class QProgressDialog;

namespace glyphora {

class LongWorkProgress : public LongWork {
public:
    LongWorkProgress(QWidget* window, QString title);
    ~LongWorkProgress() override;
    bool step(int done, int total) override;
    // The same while a renderer works on a glyph: the dialog comes on time
    // for a batch of one glyph too, and the window repaints meanwhile.
    bool poll(int done, int total) override { return step(done, total); }

    // Polls come every few milliseconds: the dialog is up within half a second.
    static constexpr int kDialogDelayMs = 400;

private:
    BusyGuard busy_;
    QWidget* window_;
    QString title_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace glyphora
