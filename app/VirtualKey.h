// Turns a Qt key event into the virtual-key code the keyboard entry works with.
#pragma once

#include <Qt>
#include <QtGlobal>

class QKeyEvent;

// Codes the keyboard entry tells apart; every other key maps to some other code.
namespace VirtualKey {
constexpr int kSpace = 32;
constexpr int kDigit0 = 48;   // main row 0; 49-57 are 1-9
constexpr int kNumpad0 = 96;  // keypad 0; 97-105 are 1-9
constexpr int kAlt = 18;
constexpr int kF10 = 121;
}  // namespace VirtualKey

// What the native codes of a key event mean: X keycodes and keysyms (X11 and Wayland),
// Windows virtual keys, macOS key codes, or nothing known (other platforms, synthetic events).
enum class KeyPlatform { Unknown, Xkb, Windows, MacOS };

// What Qt tells of one key event.
struct KeyIdentity {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

// The one place that looks at keys. The physical keys of the main row's digits give 48-57
// and the keypad's digits (NumLock on) 96-105 whatever the layout and the modifiers held,
// taken from the native identity where the platform gives one; Space gives 32, letters
// 65-90, and other keys their usual codes (Shift 16, Alt 18, arrows 37-40, F10 121, ...);
// keys without a code of their own give 0xFF, which is no digit and not Space either.
// Digits and symbols typed by any other key are other keys. Without a native identity,
// Qt's key decides, and the shifted symbols of the US layout's digit row count as digits.
int VirtualKeyCode(const KeyIdentity& key, KeyPlatform platform);
int VirtualKeyCode(const QKeyEvent& event);

// The platform of the running application, from its Qt platform plugin.
KeyPlatform CurrentKeyPlatform();

// A release the platform reports as a system key (Alt itself, F10, or any key let go while
// Alt is held without Control): menu keys, which never enter anything on the board.
bool IsSystemKeyRelease(int virtualKey, Qt::KeyboardModifiers modifiers);
