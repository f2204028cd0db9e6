// A batch over glyphs as the window shows it: the main window disabled with
// the wait cursor (BusyGuard), pending events let through every few dozen
// milliseconds so it repaints, and within half a second a progress dialog
// with a Cancel button.
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
    // Pending events, the progress value and the Cancel button are looked at
    // no more often than this: a batch of a thousand quick glyphs does not
    // pay a thousand rounds of repaints, and a cancel still takes effect
    // within this time.
    static constexpr int kTickMs = 50;

private:
    BusyGuard busy_;
    QWidget* window_;
    QString title_;
    QElapsedTimer clock_;
    qint64 lastTick_ = -1;
    bool cancelled_ = false;
    std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace glyphora
