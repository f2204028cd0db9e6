#include "CommandTable.h"

namespace glyphora {

namespace {

// Mnemonics are unique within their menu; the menu titles' own are unique on
// the menu bar. The captions' visible texts are fixed English texts.
constexpr MenuSpec kMenuRows[] = {
    {Menu::File, "&File", "FileMenu"},
    {Menu::Edit, "&Edit", "EditMenu"},
    {Menu::View, "&View", "ViewMenu"},
    {Menu::SizeImage, "Size &image", "SizeImageMenu"},
    {Menu::Processing, "&Processing", "ProcessingMenu"},
    // Disabled for the whole run; its items work when triggered.
    {Menu::Language, "&Language", "N23", Command::LanguageMenu},
    {Menu::Help, "&?", "HelpMenu"},
    {Menu::Transform, "Transfor&m", "TransformMenu", Command::Count, Menu::Edit},
};

constexpr auto kCtrl = Qt::CTRL;
constexpr auto kAlt = Qt::ALT;
constexpr auto kShift = Qt::SHIFT;
constexpr auto kKeypad = Qt::KeypadModifier;

// One command per row, kept readable as a table.
// clang-format off
constexpr CommandSpec kCommandRows[] = {
    // File ("Recent files" follows "Open file": RecentFilesMenu puts it there)
    {.id = Command::OpenFile, .menu = Menu::File, .caption = "&Open file", .objectName = "N2",
     .keys = {kCtrl | Qt::Key_O}, .button = "SpeedButton1", .tip = "Open file", .icon = "open", .toolbar = {1, 1}},
    {.id = Command::SaveImage, .menu = Menu::File, .caption = "&Save Image", .objectName = "N3",
     .keys = {kAlt | Qt::Key_S}, .button = "SpeedButton7", .tip = "Save image", .icon = "save-image",
     .toolbar = {1, 3}},
    {.id = Command::SaveLangpack, .menu = Menu::File, .caption = "Save &langpack", .objectName = "N4",
     .keys = {kCtrl | Qt::Key_S}, .button = "SpeedButton2", .tip = "Save langpack", .icon = "save-langpack",
     .toolbar = {1, 2}},
    {.id = Command::ExportSetBdf, .menu = Menu::File, .caption = "&Export set as BDF…", .objectName = "ExportSetBdf"},
    {.id = Command::ImportSetBdf, .menu = Menu::File, .caption = "&Import BDF into set…",
     .objectName = "ImportSetBdf"},
    {.id = Command::ExportSetPng, .menu = Menu::File, .caption = "Export set as &PNG sheet…",
     .objectName = "ExportSetPng"},
    {.id = Command::ImportSetPng, .menu = Menu::File, .caption = "Impor&t set from PNG sheet…",
     .objectName = "ImportSetPng"},
    {.id = Command::CopyFromLangpack, .menu = Menu::File, .caption = "Copy glyphs from &another langpack…",
     .objectName = "CopyFromLangpack", .separatorBefore = true},
    {.id = Command::CompareWith, .menu = Menu::File, .caption = "&Compare with…", .objectName = "CompareWith"},
    {.id = Command::CloseComparison, .menu = Menu::File, .caption = "Close co&mparison",
     .objectName = "CloseComparison"},
    {.id = Command::Shx, .menu = Menu::File, .caption = "S&HX", .objectName = "N5", .keys = {Qt::Key_F4},
     .separatorBefore = true},
    {.id = Command::Exit, .menu = Menu::File, .caption = "E&xit", .objectName = "N6", .keys = {kAlt | Qt::Key_X},
     .separatorBefore = true},

    // Edit
    {.id = Command::Undo, .menu = Menu::Edit, .caption = "&Undo", .objectName = "N8", .keys = {kCtrl | Qt::Key_Z},
     .button = "SpeedButton16", .tip = "Undo", .icon = "undo", .toolbar = {2, 6}},
    {.id = Command::StepBackward, .menu = Menu::Edit, .caption = "Step &backward", .objectName = "StepBackward",
     .keys = {kCtrl | kAlt | Qt::Key_Z}},
    {.id = Command::StepForward, .menu = Menu::Edit, .caption = "Step &forward", .objectName = "StepForward",
     .keys = {kCtrl | kShift | Qt::Key_Z}},
    {.id = Command::UndoLangpack, .menu = Menu::Edit, .caption = "Undo la&ngpack change",
     .objectName = "UndoLangpackChange", .keys = {kCtrl | kAlt | kShift | Qt::Key_Z}},
    {.id = Command::RedoLangpack, .menu = Menu::Edit, .caption = "Re&do langpack change",
     .objectName = "RedoLangpackChange", .keys = {kCtrl | kAlt | kShift | Qt::Key_Y}},
    {.id = Command::Clear, .menu = Menu::Edit, .caption = "Cl&ear", .objectName = "N9", .keys = {Qt::Key_Delete},
     .separatorBefore = true},
    {.id = Command::SelectAll, .menu = Menu::Edit, .caption = "Select &all image", .objectName = "N10",
     .keys = {kCtrl | Qt::Key_A}, .separatorBefore = true},
    {.id = Command::Copy, .menu = Menu::Edit, .caption = "&Copy", .objectName = "N11",
     .keys = {kCtrl | Qt::Key_Insert, kCtrl | Qt::Key_C}, .separatorBefore = true, .button = "SpeedButton10",
     .tip = "Copy", .icon = "copy", .toolbar = {2, 3}},
    {.id = Command::Cut, .menu = Menu::Edit, .caption = "Cu&t", .objectName = "N12",
     .keys = {kShift | Qt::Key_Delete, kCtrl | Qt::Key_X}, .button = "SpeedButton11", .tip = "Cut", .icon = "cut",
     .toolbar = {2, 4}},
    {.id = Command::Paste, .menu = Menu::Edit, .caption = "&Paste", .objectName = "N13",
     .keys = {kShift | Qt::Key_Insert, kCtrl | Qt::Key_V}, .button = "SpeedButton12", .tip = "Paste", .icon = "paste",
     .toolbar = {2, 5}},
    {.id = Command::CopyGlyphs, .menu = Menu::Edit, .caption = "Copy gl&yphs", .objectName = "CopyGlyphs",
     .keys = {kCtrl | kShift | Qt::Key_C}},
    {.id = Command::PasteGlyphs, .menu = Menu::Edit, .caption = "Paste glyph&s", .objectName = "PasteGlyphs",
     .keys = {kCtrl | kShift | Qt::Key_V}},
    {.id = Command::ExportBitmap, .menu = Menu::Edit, .caption = "E&xport in bitmap", .objectName = "N14",
     .keys = {kCtrl | Qt::Key_E}, .separatorBefore = true, .button = "SpeedButton3", .tip = "Export bitmap",
     .icon = "export-bitmap", .toolbar = {2, 1}},
    {.id = Command::ImportBitmap, .menu = Menu::Edit, .caption = "&Import from bitmap", .objectName = "N15",
     .keys = {kCtrl | Qt::Key_I}, .button = "SpeedButton4", .tip = "Import bitmap", .icon = "import-bitmap",
     .toolbar = {2, 2}},
    {.id = Command::ShiftLeft, .menu = Menu::Edit, .caption = "Shift to the &left", .objectName = "N30",
     .keys = {Qt::Key_Left}, .separatorBefore = true, .button = "SpeedButton13", .tip = "Shift left",
     .icon = "shift-left", .toolbar = {2, 7}},
    {.id = Command::ShiftRight, .menu = Menu::Edit, .caption = "Shift to the &right", .objectName = "N31",
     .keys = {Qt::Key_Right}, .button = "SpeedButton14", .tip = "Shift right", .icon = "shift-right",
     .toolbar = {2, 8}},
    // Edit -> Transform
    {.id = Command::FlipHorizontal, .menu = Menu::Transform, .caption = "Flip &horizontally",
     .objectName = "FlipHorizontally", .button = "FlipHorizontallyButton", .tip = "Flip horizontally",
     .icon = "flip-h", .toolbar = {2, 9}},
    {.id = Command::FlipVertical, .menu = Menu::Transform, .caption = "Flip &vertically",
     .objectName = "FlipVertically", .button = "FlipVerticallyButton", .tip = "Flip vertically", .icon = "flip-v",
     .toolbar = {2, 10}},
    {.id = Command::Rotate180, .menu = Menu::Transform, .caption = "&Rotate 180°", .objectName = "Rotate180",
     .button = "Rotate180Button", .tip = "Rotate 180°", .icon = "rotate-180", .toolbar = {2, 11}},
    {.id = Command::Invert, .menu = Menu::Transform, .caption = "&Invert", .objectName = "Invert",
     .button = "InvertButton", .tip = "Invert", .icon = "invert", .toolbar = {2, 12}},
    {.id = Command::ShiftUp, .menu = Menu::Transform, .caption = "Shift &up", .objectName = "ShiftUp",
     .separatorBefore = true},
    {.id = Command::ShiftDown, .menu = Menu::Transform, .caption = "Shift &down", .objectName = "ShiftDown"},
    {.id = Command::Bold, .menu = Menu::Transform, .caption = "&Bold", .objectName = "Bold", .separatorBefore = true},
    {.id = Command::Oblique, .menu = Menu::Transform, .caption = "&Oblique", .objectName = "Oblique"},
    {.id = Command::CharacterRanges, .menu = Menu::Edit, .caption = "C&haracters of the set…",
     .objectName = "CharactersOfTheSet", .separatorBefore = true},
    {.id = Command::GoToCharacter, .menu = Menu::Edit, .caption = "&Go to character...",
     .objectName = "GoToCharacter", .keys = {kCtrl | Qt::Key_G}},

    // View: Ctrl++, Ctrl+= and Ctrl+- do what the keypad keys do. The menu
    // shows the first key only, and Ctrl+= is the one every keyboard has.
    {.id = Command::ZoomIn, .menu = Menu::View, .caption = "Zoom &+", .objectName = "N17",
     .keys = {kCtrl | Qt::Key_Equal, kKeypad | Qt::Key_Plus, kCtrl | Qt::Key_Plus}, .button = "SpeedButton6",
     .tip = "Zoom in", .icon = "zoom-in", .toolbar = {3, 1}},
    {.id = Command::ZoomOut, .menu = Menu::View, .caption = "Zoom &-", .objectName = "N18",
     .keys = {kCtrl | Qt::Key_Minus, kKeypad | Qt::Key_Minus}, .button = "SpeedButton5", .tip = "Zoom out",
     .icon = "zoom-out", .toolbar = {3, 2}},
    {.id = Command::FitGlyph, .menu = Menu::View, .caption = "&Fit glyph", .objectName = "FitGlyph",
     .check = Check::Toggle, .button = "FitGlyphButton", .tip = "Fit glyph", .icon = "fit-glyph", .toolbar = {3, 3}},
    {.id = Command::PixelGrid, .menu = Menu::View, .caption = "&Pixel grid", .objectName = "PixelGrid",
     .keys = {kCtrl | Qt::Key_Apostrophe}, .separatorBefore = true, .check = Check::Toggle},
    {.id = Command::SampleText, .menu = Menu::View, .caption = "&Sample text", .objectName = "SampleText",
     .check = Check::Toggle},
    {.id = Command::GlyphMap, .menu = Menu::View, .caption = "Glyph &map", .objectName = "GlyphMap",
     .check = Check::Toggle},
    {.id = Command::Guides, .menu = Menu::View, .caption = "&Guides…", .objectName = "Guides"},
    {.id = Command::NextDifference, .menu = Menu::View, .caption = "&Next difference", .objectName = "NextDifference",
     .keys = {Qt::Key_F8}, .separatorBefore = true},

    // Size image
    {.id = Command::SetWidth, .menu = Menu::SizeImage, .caption = "&Set image width", .objectName = "N20",
     .keys = {kCtrl | kAlt | Qt::Key_W}},
    {.id = Command::IncreaseWidth, .menu = Menu::SizeImage, .caption = "&Increase width +1 pixel",
     .objectName = "N21", .keys = {kCtrl | Qt::Key_Right}},
    {.id = Command::DecreaseWidth, .menu = Menu::SizeImage, .caption = "&Decrease width -1 pixel",
     .objectName = "N22", .keys = {kCtrl | Qt::Key_Left}},

    // Processing
    {.id = Command::SelectFont, .menu = Menu::Processing, .caption = "Select &windows font",
     .objectName = "Selectwindowsfont1", .keys = {kCtrl | kAlt | Qt::Key_F}, .button = "SpeedButton8",
     .tip = "Windows font", .icon = "windows-font", .toolbar = {4, 1}},
    {.id = Command::SelectFontFile, .menu = Menu::Processing, .caption = "Select font &file",
     .objectName = "Selectfontfile1"},
    {.id = Command::ReplaceSymbols, .menu = Menu::Processing, .caption = "&Replace the chosen symbols",
     .objectName = "N28", .keys = {kCtrl | Qt::Key_F}, .button = "SpeedButton15", .tip = "Replace chosen symbols",
     .icon = "replace-symbols", .toolbar = {4, 2}},
    {.id = Command::OptimizeWidths, .menu = Menu::Processing, .caption = "&Optimize the chosen symbols on width",
     .objectName = "N29", .keys = {kCtrl | Qt::Key_W}, .button = "SpeedButton17", .tip = "Optimize widths",
     .icon = "optimize-widths", .toolbar = {4, 3}},
    {.id = Command::GenerateGlyphs, .menu = Menu::Processing, .caption = "&Generate glyphs…",
     .objectName = "GenerateGlyphs"},
    {.id = Command::SetHeight, .menu = Menu::Processing, .caption = "Set &height sets", .objectName = "N32",
     .keys = {kCtrl | kAlt | Qt::Key_H}},

    // Language
    {.id = Command::English, .menu = Menu::Language, .caption = "&English (default)", .objectName = "N33",
     .check = Check::Radio},
    {.id = Command::Russian, .menu = Menu::Language, .caption = "&Русский", .objectName = "N34",
     .check = Check::Radio},
    {.id = Command::LoadLanguage, .menu = Menu::Language, .caption = "&Load", .objectName = "N24",
     .check = Check::Radio},

    // ?
    {.id = Command::About, .menu = Menu::Help, .caption = "&About...", .objectName = "N26",
     .keys = {kCtrl | Qt::Key_F1}},
};
// clang-format on

// Every command is a row or a menu, once.
constexpr bool EveryCommandOnce() {
    std::array<int, kCommandCount> seen = {};
    for (const CommandSpec& row : kCommandRows) ++seen[static_cast<std::size_t>(row.id)];
    for (const MenuSpec& menu : kMenuRows)
        if (menu.command != Command::Count) ++seen[static_cast<std::size_t>(menu.command)];
    for (int n : seen)
        if (n != 1) return false;
    return true;
}
static_assert(EveryCommandOnce(), "every command needs exactly one row in kCommandRows (or one menu)");

// A menu's row is found by its id; a submenu stands in a menu of the menu bar.
constexpr bool MenusInOrder() {
    std::size_t i = 0;
    for (const MenuSpec& menu : kMenuRows) {
        if (static_cast<std::size_t>(menu.menu) != i++) return false;
        if (menu.parent != Menu::Count && kMenuRows[static_cast<std::size_t>(menu.parent)].parent != Menu::Count)
            return false;
    }
    return i == kMenuCount;
}
static_assert(MenusInOrder(),
              "kMenuRows lists every menu once, in the order of Menu, each submenu's parent on the bar");

}  // namespace

std::span<const MenuSpec> MenuTable() { return kMenuRows; }

std::span<const CommandSpec> CommandTable() { return kCommandRows; }

}  // namespace glyphora
