// The interface texts of the current language: 201 numbered slots of UTF-8
// text, all empty until a language is loaded. A language file may set any
// slot; only the slots named in UiSlot are shown by a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace glyphora {

// The slots a window shows, so that no caller writes a bare number.
enum class UiSlot : int {
    SetSizeCaption = 27,          // caption of the set-size dialog
    AboutCaption = 54,            // caption of the About dialog
    SizePrefix = 56,              // first status panel: prefix of "W x H"
    CursorPrefix = 60,            // second status panel: prefix of the cursor pixel
    SelectPrefix = 61,            // third status panel: prefix of the selection size
    InsertTextCaption = 78,       // caption of the insert-text dialog and text of its "Insert text" button
    SelectFontButton = 79,        // the insert-text dialog's font button
    InsertTextLabel = 80,         // label of the insert-text dialog's text field
    SetSizeCloseButton = 87,      // the set-size dialog's cancel button
    SetSizeApplyButton = 101,     // the set-size dialog's apply button
    WidthLabel = 102,             // label of the set-size dialog's width field
    HeightLabel = 103,            // label of the set-size dialog's height field
    CodeGroupCaption = 143,       // caption of the code-group window
    OpenBinButton = 144,          // the code-group window's button
    CodeGroupColumnNumber = 145,  // headers of the code-group list's six columns
    CodeGroupColumnFileName = 146,
    CodeGroupColumnType = 147,
    CodeGroupColumnStart = 148,
    CodeGroupColumnEnd = 149,
    CodeGroupColumnSize = 150,
};

inline constexpr std::array<UiSlot, 20> kShownSlots = {
    UiSlot::SetSizeCaption,
    UiSlot::AboutCaption,
    UiSlot::SizePrefix,
    UiSlot::CursorPrefix,
    UiSlot::SelectPrefix,
    UiSlot::InsertTextCaption,
    UiSlot::SelectFontButton,
    UiSlot::InsertTextLabel,
    UiSlot::SetSizeCloseButton,
    UiSlot::SetSizeApplyButton,
    UiSlot::WidthLabel,
    UiSlot::HeightLabel,
    UiSlot::CodeGroupCaption,
    UiSlot::OpenBinButton,
    UiSlot::CodeGroupColumnNumber,
    UiSlot::CodeGroupColumnFileName,
    UiSlot::CodeGroupColumnType,
    UiSlot::CodeGroupColumnStart,
    UiSlot::CodeGroupColumnEnd,
    UiSlot::CodeGroupColumnSize,
};

inline constexpr int kCodeGroupColumnCount = 6;

// The header slot of code-group list column 0 to 5.
constexpr UiSlot CodeGroupColumnHeader(int column) {
    return static_cast<UiSlot>(static_cast<int>(UiSlot::CodeGroupColumnNumber) + column);
}

class UiStrings {
public:
    static constexpr int kSlotCount = 201;  // slots 0 to 200

    static constexpr bool IsSlot(int64_t number) { return number >= 0 && number < kSlotCount; }

    // A number outside 0 to 200 reads as empty text and writes nothing.
    const std::string& text(int slot) const;
    const std::string& text(UiSlot slot) const { return text(static_cast<int>(slot)); }
    void set(int slot, std::string text);
    void set(UiSlot slot, std::string text) { set(static_cast<int>(slot), std::move(text)); }

    bool operator==(const UiStrings&) const = default;

private:
    std::array<std::string, kSlotCount> slots_;
};

}  // namespace glyphora
