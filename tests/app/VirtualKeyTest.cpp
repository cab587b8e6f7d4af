// The mapping from Qt keys to the virtual-key codes of the keyboard entry.
#include "VirtualKey.h"

#include <gtest/gtest.h>

constexpr auto kShift = Qt::ShiftModifier;
constexpr auto kKeypad = Qt::KeypadModifier;

// Keys as the platforms report them: Qt key, modifiers, native scan code, native virtual key. Qt's key is the
// symbol the layout puts on the key.
TEST(VirtualKeyTest, MapsThePhysicalDigitKeysOnEveryLayoutAndPlatform)
{
    using enum KeyPlatform;
    const struct { const char* name; KeyPlatform platform; KeyIdentity key; int expected; } cases[] = {
        {"keypad 9", Unknown, {Qt::Key_9, kKeypad}, 105},
        {"Escape", Unknown, {Qt::Key_Escape, {}}, 27},
        {"F1", Unknown, {Qt::Key_F1, {}}, 112},
        {"US Shift+1 (!) is 1", Unknown, {Qt::Key_Exclam, kShift}, 49},
        {"US Shift+0 ()) is 0", Unknown, {Qt::Key_ParenRight, kShift}, 48},
        {"! without Shift (other layouts) is no digit", Unknown, {Qt::Key_Exclam, {}}, 0xFF},
        {"unknown platform ignores native codes", Unknown, {Qt::Key_Ampersand, {}, 10, '&'}, 0xFF},
        {"X11 French & is 1", Xkb, {Qt::Key_Ampersand, {}, 10, '&'}, 49},
        {"X11 French a-grave is 0", Xkb, {Qt::Key_Agrave, {}, 19, 0xE0}, 48},
        {"X11 keypad 3, NumLock on", Xkb, {Qt::Key_3, kKeypad, 89, 0xFFB3}, 99},
        {"X11 keypad 3, NumLock off", Xkb, {Qt::Key_PageDown, kKeypad, 89, 0xFF9B}, 34},
        {"X11 1 typed by a key outside the digit row", Xkb, {Qt::Key_1, {}, 24, '1'}, 0xFF},
        {"X11 ! typed with Shift by a key outside the digit row", Xkb, {Qt::Key_Exclam, kShift, 61, '!'}, 0xFF},
        {"X11 Space", Xkb, {Qt::Key_Space, {}, 65, ' '}, 32},
        {"X11 F10", Xkb, {Qt::Key_F10, {}, 76, 0xFFC7}, 121},
        {"Windows French 1 key", Windows, {Qt::Key_Ampersand, {}, 2, 0x31}, 49},
        {"Windows without native key", Windows, {Qt::Key_A, {}, 0, 0}, 65},
        {"macOS 0 key", MacOS, {Qt::Key_Agrave, {}, 0, 0x1D}, 48},
        {"macOS keypad 8", MacOS, {Qt::Key_8, kKeypad, 0, 0x5B}, 104},
    };
    for (const auto& test : cases)
        EXPECT_EQ(VirtualKeyCode(test.key, test.platform), test.expected) << test.name;
}

TEST(VirtualKeyTest, SystemKeyReleasesAreAltF10AndKeysUnderAltWithoutControl)
{
    const struct { int virtualKey; Qt::KeyboardModifiers modifiers; bool system; } cases[] = {
        {18, {}, true}, {121, {}, true}, {54, Qt::AltModifier, true}, {54, {}, false}, {120, {}, false},
        {54, Qt::AltModifier | Qt::ControlModifier, false}, {54, Qt::ShiftModifier, false},
    };
    for (const auto& test : cases)
        EXPECT_EQ(IsSystemKeyRelease(test.virtualKey, test.modifiers), test.system)
            << test.virtualKey << " modifiers 0x" << std::hex << test.modifiers.toInt();
}
