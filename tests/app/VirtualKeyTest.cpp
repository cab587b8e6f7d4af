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

struct NativeCase {
    const char* name;
    KeyPlatform platform;
    KeyIdentity key;  // Qt key, modifiers, native scan code, native virtual key
    int expected;
};

constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Keypad = Qt::KeypadModifier;

// As the platforms report them; Qt's key is the symbol the layout puts on the key.
const NativeCase NativeCases[] = {
    {"X11 US 1", KeyPlatform::Xkb, {Qt::Key_1, {}, 10, '1'}, 49},
    {"X11 French & is 1", KeyPlatform::Xkb, {Qt::Key_Ampersand, {}, 10, '&'}, 49},
    {"X11 French e-acute is 2", KeyPlatform::Xkb, {Qt::Key_Eacute, {}, 11, 0xE9}, 50},
    {"X11 French 9 is 9", KeyPlatform::Xkb, {Qt::Key_Ccedilla, {}, 18, 0xE7}, 57},
    {"X11 French a-grave is 0", KeyPlatform::Xkb, {Qt::Key_Agrave, {}, 19, 0xE0}, 48},
    {"X11 German Shift+7 (/) is 7", KeyPlatform::Xkb, {Qt::Key_Slash, Shift, 16, '/'}, 55},
    {"X11 German Shift+2 (\") is 2", KeyPlatform::Xkb, {Qt::Key_QuoteDbl, Shift, 11, '"'}, 50},
    {"X11 keypad 3, NumLock on", KeyPlatform::Xkb, {Qt::Key_3, Keypad, 89, 0xFFB3}, 99},
    {"X11 keypad 0, NumLock on", KeyPlatform::Xkb, {Qt::Key_0, Keypad, 90, 0xFFB0}, 96},
    {"X11 keypad 3, NumLock off", KeyPlatform::Xkb, {Qt::Key_PageDown, Keypad, 89, 0xFF9B}, 34},
    {"X11 minus key (- on US, ) on French)", KeyPlatform::Xkb, {Qt::Key_ParenRight, {}, 20, ')'}, 0xFF},
    {"X11 1 typed by a key outside the digit row", KeyPlatform::Xkb, {Qt::Key_1, {}, 24, '1'}, 0xFF},
    {"X11 ! typed with Shift outside the digit row", KeyPlatform::Xkb, {Qt::Key_Exclam, Shift, 61, '!'}, 0xFF},
    {"X11 Space", KeyPlatform::Xkb, {Qt::Key_Space, {}, 65, ' '}, 32},
    {"X11 F10", KeyPlatform::Xkb, {Qt::Key_F10, {}, 76, 0xFFC7}, 121},
    {"Windows French 1 key", KeyPlatform::Windows, {Qt::Key_Ampersand, {}, 2, 0x31}, 49},
    {"Windows Shift+7", KeyPlatform::Windows, {Qt::Key_Slash, Shift, 8, 0x37}, 55},
    {"Windows keypad 5", KeyPlatform::Windows, {Qt::Key_5, Keypad, 76, 0x65}, 101},
    {"Windows F10", KeyPlatform::Windows, {Qt::Key_F10, {}, 68, 0x79}, 121},
    {"Windows without native key", KeyPlatform::Windows, {Qt::Key_A, {}, 0, 0}, 65},
    {"macOS French 1 key", KeyPlatform::MacOS, {Qt::Key_Ampersand, {}, 0, 0x12}, 49},
    {"macOS 5 key", KeyPlatform::MacOS, {Qt::Key_ParenLeft, {}, 0, 0x17}, 53},
    {"macOS 0 key", KeyPlatform::MacOS, {Qt::Key_Agrave, {}, 0, 0x1D}, 48},
    {"macOS keypad 8", KeyPlatform::MacOS, {Qt::Key_8, Keypad, 0, 0x5B}, 104},
    {"macOS A key (code 0)", KeyPlatform::MacOS, {Qt::Key_A, {}, 0, 0x00}, 65},
    {"unknown platform ignores native codes", KeyPlatform::Unknown, {Qt::Key_Ampersand, {}, 10, '&'}, 0xFF},
};

}  // namespace
TEST(VirtualKeyTest, MapsTheKeyTable)
{
    for (const MappingCase& test : MappingCases)
        EXPECT_EQ(VirtualKeyCode({test.qtKey, test.modifiers}, KeyPlatform::Unknown), test.expected)
            << "Qt key 0x" << std::hex << test.qtKey << " modifiers 0x" << test.modifiers.toInt();
}

TEST(VirtualKeyTest, MapsThePhysicalDigitKeysOnEveryLayoutAndPlatform)
{
    for (const NativeCase& test : NativeCases)
        EXPECT_EQ(VirtualKeyCode(test.key, test.platform), test.expected) << test.name;
}

TEST(VirtualKeyTest, SystemKeyReleasesAreAltF10AndKeysUnderAltWithoutControl)
{
    const struct {
        int virtualKey;
        Qt::KeyboardModifiers modifiers;
        bool system;
    } cases[] = {
        {18, {}, true},  {18, Qt::AltModifier, true}, {121, {}, true},  {54, Qt::AltModifier, true},
        {32, Qt::AltModifier, true}, {54, Qt::AltModifier | Qt::ControlModifier, false},
        {54, {}, false}, {120, {}, false}, {17, Qt::ControlModifier, false}, {54, Qt::ShiftModifier, false},
    };
    for (const auto& test : cases)
        EXPECT_EQ(IsSystemKeyRelease(test.virtualKey, test.modifiers), test.system)
            << test.virtualKey << " modifiers 0x" << std::hex << test.modifiers.toInt();
}
