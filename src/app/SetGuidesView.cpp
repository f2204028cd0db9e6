#include "SetGuidesView.h"

#include "LocalPath.h"
#include "SampleView.h"

#include <CanvasWidget.h>
#include <LangpackDocument.h>
#include <Session.h>

#include <QFileInfo>

namespace glyphora {

namespace {

QString fileNameOf(const Session& s) { return QFileInfo(FromLocalPath(s.document()->path())).fileName(); }

}  // namespace

SetGuides SetGuidesView::current() const {
    if (!session_.document() || session_.CurrentSet() < 0) return {};
    return preferences_.guides(fileNameOf(session_), session_.CurrentSet() + 1);
}

void SetGuidesView::store(const SetGuides& guides) {
    if (!session_.document() || session_.CurrentSet() < 0) return;
    preferences_.setGuides(fileNameOf(session_), session_.CurrentSet() + 1, guides);
    show();
}

void SetGuidesView::show() const {
    const SetGuides guides = current();
    canvas_->setGuides(guides.baseline, guides.capHeight);
    sample_->setGuides(guides.baseline, guides.capHeight);
}

}  // namespace glyphora
