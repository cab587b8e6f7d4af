// The mapping from Qt keys to the virtual-key codes of the keyboard entry.
#include "VirtualKey.h"

#include <gtest/gtest.h>

namespace {

struct MappingCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int expected;
};

const MappingCase MappingCases[] = {
    {Qt::Key_0, Qt::NoModifier, 48},        {Qt::Key_1, Qt::NoModifier, 49},
    {Qt::Key_9, Qt::NoModifier, 57},        {Qt::Key_0, Qt::KeypadModifier, 96},
    {Qt::Key_1, Qt::KeypadModifier, 97},    {Qt::Key_9, Qt::KeypadModifier, 105},
    {Qt::Key_Space, Qt::NoModifier, 32},    {Qt::Key_A, Qt::NoModifier, 65},
    {Qt::Key_Z, Qt::NoModifier, 90},        {Qt::Key_Shift, Qt::ShiftModifier, 16},
    {Qt::Key_Control, Qt::NoModifier, 17},  {Qt::Key_Left, Qt::NoModifier, 37},
    {Qt::Key_Down, Qt::NoModifier, 40},     {Qt::Key_Backspace, Qt::NoModifier, 8},
    {Qt::Key_Delete, Qt::NoModifier, 46},   {Qt::Key_Return, Qt::NoModifier, 13},
    {Qt::Key_Escape, Qt::NoModifier, 27},   {Qt::Key_F1, Qt::NoModifier, 112},
    {Qt::Key_1, Qt::ShiftModifier, 49},     {Qt::Key_Exclam, Qt::ShiftModifier, 49},
    {Qt::Key_At, Qt::ShiftModifier, 50},    {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
    // The same symbols typed without Shift (other layouts) are no digits.
    {Qt::Key_Exclam, Qt::NoModifier, 0xFF}, {Qt::Key_Comma, Qt::NoModifier, 0xFF},
    // Keypad keys with NumLock off are navigation keys, which clear like the others.
    {Qt::Key_End, Qt::KeypadModifier, 35},
};

bool IsEntryCode(int code)
{
    return (code >= 48 && code <= 57) || (code >= 96 && code <= 105) || code == 32;
}

}  // namespace

TEST(VirtualKeyTest, MapsTheKeyTable)
{
    for (const MappingCase& test : MappingCases)
        EXPECT_EQ(VirtualKeyCode(test.qtKey, test.modifiers), test.expected)
            << "Qt key 0x" << std::hex << test.qtKey << " modifiers 0x" << test.modifiers.toInt();
}

TEST(VirtualKeyTest, NoOtherKeyLooksLikeADigitOrSpace)
{
    const int others[] = {Qt::Key_Tab, Qt::Key_Insert, Qt::Key_Home, Qt::Key_PageUp, Qt::Key_Minus,
                          Qt::Key_Period, Qt::Key_Slash, Qt::Key_Plus, Qt::Key_Alt, Qt::Key_CapsLock,
                          Qt::Key_F12, Qt::Key_unknown, Qt::Key_Egrave};
    for (const int key : others) {
        EXPECT_FALSE(IsEntryCode(VirtualKeyCode(key, Qt::NoModifier))) << std::hex << key;
        EXPECT_FALSE(IsEntryCode(VirtualKeyCode(key, Qt::KeypadModifier))) << std::hex << key;
    }
}
