#include "BuiltinLanguages.h"
#include "UiStrings.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(UiStrings, NumbersOutsideTheSlotsAreNeitherReadNorWritten) {
    UiStrings strings;
    for (const int slot : {-1, 201, 1000}) {
        strings.set(slot, "x");
        EXPECT_EQ(strings.text(slot), "") << slot;
    }
    EXPECT_EQ(strings, UiStrings());
    strings.set(0, "first");
    strings.set(200, "last");
    EXPECT_EQ(strings.text(0), "first");
    EXPECT_EQ(strings.text(200), "last");
}

TEST(BuiltinLanguages, ASetReplacesSlots1To168AndNoOthers) {
    for (const auto assign : {&AssignEnglish, &AssignRussian}) {
        UiStrings strings;
        for (const int slot : {0, 1, 27, 135, 168, 169, 200}) strings.set(slot, "from a file");
        assign(strings);
        EXPECT_EQ(strings.text(0), "from a file");
        EXPECT_EQ(strings.text(1), "");
        EXPECT_EQ(strings.text(135), "");
        EXPECT_EQ(strings.text(168), "");
        EXPECT_EQ(strings.text(169), "from a file");
        EXPECT_EQ(strings.text(200), "from a file");
        for (const UiSlot slot : kShownSlots) EXPECT_NE(strings.text(slot), "") << static_cast<int>(slot);
    }
}

TEST(BuiltinLanguages, ShownTextsOfBothSets) {
    struct Case {
        UiSlot slot;
        const char* english;
        const char* russian;
    };
    const Case cases[] = {
        {UiSlot::SetSizeCaption, "Set size", "Размер изображения"},
        {UiSlot::SizePrefix, "Size: ", "Размер: "},
        {UiSlot::SelectPrefix, "Select: ", "Выделение: "},
        {UiSlot::SetSizeCloseButton, "Close", "Закрыть"},
        {UiSlot::SetSizeApplyButton, "Set size image", "Установить размер изобр."},
        {CodeGroupColumnHeader(0), "CG", "CG"},
        {CodeGroupColumnHeader(5), "Size", "Размер"},
    };
    UiStrings english, russian;
    AssignEnglish(english);
    AssignRussian(russian);
    for (const Case& c : cases) {
        EXPECT_EQ(english.text(c.slot), c.english);
        EXPECT_EQ(russian.text(c.slot), c.russian);
    }
}

}  // namespace
}  // namespace glyphora
