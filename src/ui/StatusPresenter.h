// The three panels of the main window's status bar: size, cursor, selection.
// Everything written to them comes through here, so each panel always shows
// its value behind the prefix of the current interface language.
#pragma once

#include <EditorHost.h>

#include <QString>

#include <array>
#include <optional>
#include <utility>

class QLabel;

namespace glyphora {

class StatusPresenter {
public:
    explicit StatusPresenter(std::array<QLabel*, 3> panels);

    void show(StatusPanel panel, int a, int b);
    void clear(StatusPanel panel);
    // New prefixes (size, cursor, selection); the values shown stay.
    void setPrefixes(const std::array<QString, 3>& prefixes);
    QString text(StatusPanel panel) const;

private:
    void render(std::size_t panel);

    std::array<QLabel*, 3> panels_;
    std::array<QString, 3> prefixes_;
    std::array<std::optional<std::pair<int, int>>, 3> values_;
};

}  // namespace glyphora
