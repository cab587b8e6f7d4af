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
    {Qt::Key_0, Qt::NoModifier, 48},        {Qt::Key_9, Qt::NoModifier, 57},
    {Qt::Key_0, Qt::KeypadModifier, 96},    {Qt::Key_9, Qt::KeypadModifier, 105},
    {Qt::Key_Space, Qt::NoModifier, 32},    {Qt::Key_Z, Qt::NoModifier, 90},
    {Qt::Key_Left, Qt::NoModifier, 37},     {Qt::Key_Return, Qt::NoModifier, 13},
    {Qt::Key_Escape, Qt::NoModifier, 27},   {Qt::Key_F1, Qt::NoModifier, 112},
    {Qt::Key_Exclam, Qt::ShiftModifier, 49}, {Qt::Key_ParenRight, Qt::ShiftModifier, 48},
    // The same symbols typed without Shift (other layouts) are no digits.
    {Qt::Key_Exclam, Qt::NoModifier, 0xFF}, {Qt::Key_Comma, Qt::NoModifier, 0xFF},
};

}  // namespace
TEST(VirtualKeyTest, MapsTheKeyTable)
{
    for (const MappingCase& test : MappingCases)
        EXPECT_EQ(VirtualKeyCode(test.qtKey, test.modifiers), test.expected)
            << "Qt key 0x" << std::hex << test.qtKey << " modifiers 0x" << test.modifiers.toInt();
}
