// Only the slots a window shows carry a text; the other slots of the range
// are left empty.
#include "BuiltinLanguages.h"

#include <array>

namespace glyphora {

namespace {

struct BuiltinText {
    UiSlot slot;
    const char* english;
    const char* russian;  // UTF-8
};

constexpr std::array<BuiltinText, kShownSlots.size()> kBuiltinTexts = {{
    {UiSlot::SetSizeCaption, "Set size", "Размер изображения"},
    {UiSlot::AboutCaption, "About...", "О программе..."},
    {UiSlot::SizePrefix, "Size: ", "Размер: "},
    {UiSlot::CursorPrefix, "Cursor: ", "Курсор: "},
    {UiSlot::SelectPrefix, "Select: ", "Выделение: "},
    {UiSlot::InsertTextCaption, "Insert text", "Вставить текст"},
    {UiSlot::SelectFontButton, "Select font", "Выбрать шрифт"},
    {UiSlot::InsertTextLabel, "Text for insert", "Текст для вставки"},
    {UiSlot::SetSizeCloseButton, "Close", "Закрыть"},
    {UiSlot::SetSizeApplyButton, "Set size image", "Установить размер изобр."},
    {UiSlot::WidthLabel, "Width:", "Ширина:"},
    {UiSlot::HeightLabel, "Height:", "Высота:"},
    {UiSlot::CodeGroupCaption, "Extract SHX", "Распаковка SHX"},
    {UiSlot::OpenBinButton, "Open BIN file", "Открыть BIN файл"},
    {UiSlot::CodeGroupColumnNumber, "CG", "CG"},
    {UiSlot::CodeGroupColumnFileName, "File name", "Имя файла"},
    {UiSlot::CodeGroupColumnType, "Type CG", "Тип CG"},
    {UiSlot::CodeGroupColumnStart, "Start address", "Начальный адрес"},
    {UiSlot::CodeGroupColumnEnd, "End address", "Конечный адрес"},
    {UiSlot::CodeGroupColumnSize, "Size", "Размер"},
}};

void AssignSet(UiStrings& strings, const char* BuiltinText::*language) {
    for (int slot = kFirstBuiltinSlot; slot <= kLastBuiltinSlot; ++slot) strings.set(slot, std::string());
    for (const BuiltinText& entry : kBuiltinTexts) strings.set(entry.slot, entry.*language);
}

}  // namespace

void AssignEnglish(UiStrings& strings) { AssignSet(strings, &BuiltinText::english); }

void AssignRussian(UiStrings& strings) { AssignSet(strings, &BuiltinText::russian); }

}  // namespace glyphora
