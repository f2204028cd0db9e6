// The sample-text panel, a dock below the pages: an editable line of text
// and its picture in the current set's glyphs at 1x, 2x or 3x. It follows the
// session (another langpack, set or stored glyph) and the canvas (every edit
// of the working glyph) as they happen. The text and the scale are remembered.
#pragma once

#include <SessionObserver.h>

#include <QDockWidget>

class QButtonGroup;
class QLineEdit;
class QScrollArea;
class QTimer;

namespace glyphora {

class SampleView;
class Session;
class ViewPreferences;

class SamplePanel : public QDockWidget, public SessionObserver {
    Q_OBJECT
public:
    SamplePanel(Session& session, ViewPreferences& preferences, QWidget* parent = nullptr);
    // A text typed in the last moment is kept too.
    ~SamplePanel() override;

    QLineEdit* textEdit() const { return text_; }
    SampleView* view() const { return view_; }
    void setScale(int scale);
    // The working glyph changed on the canvas.
    void canvasChanged();

signals:
    // A character of the picture was clicked: its glyph in the current set.
    void glyphClicked(int glyph);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // A hidden panel lays its line out when it is shown again, not at every edit.
    void refresh();

    // --- SessionObserver ------------------------------------------------------------
    void documentReplaced() override;
    void setShown() override;
    void selectionChanged() override;
    void glyphsChanged(const std::vector<int>& sets, const std::vector<int>& glyphs) override;
    void setHeightsChanged(const std::vector<int>& sets) override;

    ViewPreferences& preferences_;
    QLineEdit* text_;
    QButtonGroup* scales_;
    QScrollArea* scroll_;
    SampleView* view_;
    bool stale_ = false;
    // The typed text is kept once typing pauses, not at every key.
    QTimer* keepText_;
};

}  // namespace glyphora
