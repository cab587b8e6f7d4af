// The mapping from key events to virtual-key codes.
#include "VirtualKey.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QString>

#include <array>

namespace {

constexpr int kNoCode = 0xFF;
constexpr int kNoNativeCode = -1;

// X keycodes are the kernel's key numbers plus 8: the main row's 1-9 and 0 are 10-19.
constexpr quint32 kXKeycodeDigit1 = 10;
constexpr quint32 kXKeycodeDigit0 = 19;
// The keysyms XK_KP_0 ... XK_KP_9, which the keypad's keys give with NumLock on.
constexpr quint32 kXKeysymKeypad0 = 0xFFB0;
constexpr quint32 kXKeysymKeypad9 = 0xFFB9;

// macOS key codes (kVK_ANSI_0 ... kVK_ANSI_9 and kVK_ANSI_Keypad0 ... 9), by digit.
constexpr std::array<quint32, 10> kMacDigitRow = {0x1D, 0x12, 0x13, 0x14, 0x15, 0x17, 0x16, 0x1A, 0x1C, 0x19};
constexpr std::array<quint32, 10> kMacKeypad = {0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5B, 0x5C};

int DigitIn(const std::array<quint32, 10>& codes, quint32 code)
{
    for (int digit = 0; digit < 10; ++digit)
        if (codes[digit] == code)
            return digit;
    return -1;
}

// The code of the key's native identity when that names a digit key (or, on Windows, any
// key: there the native code is the virtual key already).
int NativeCode(const KeyIdentity& key, KeyPlatform platform)
{
    switch (platform) {
    case KeyPlatform::Xkb:
        if (key.nativeScanCode >= kXKeycodeDigit1 && key.nativeScanCode < kXKeycodeDigit0)
            return VirtualKey::kDigit0 + 1 + int(key.nativeScanCode - kXKeycodeDigit1);
        if (key.nativeScanCode == kXKeycodeDigit0)
            return VirtualKey::kDigit0;
        if (key.nativeVirtualKey >= kXKeysymKeypad0 && key.nativeVirtualKey <= kXKeysymKeypad9)
            return VirtualKey::kNumpad0 + int(key.nativeVirtualKey - kXKeysymKeypad0);
        return kNoNativeCode;
    case KeyPlatform::Windows:
        return key.nativeVirtualKey > 0 && key.nativeVirtualKey < 0xFF ? int(key.nativeVirtualKey) : kNoNativeCode;
    case KeyPlatform::MacOS:
        if (const int digit = DigitIn(kMacDigitRow, key.nativeVirtualKey); digit >= 0)
            return VirtualKey::kDigit0 + digit;
        if (const int digit = DigitIn(kMacKeypad, key.nativeVirtualKey); digit >= 0)
            return VirtualKey::kNumpad0 + digit;
        return kNoNativeCode;
    case KeyPlatform::Unknown:
        break;
    }
    return kNoNativeCode;
}

// With Shift held Qt reports the symbol on the key, not the key: on the US layout the
// main-row keys 1, 2, ..., 9, 0 carry these symbols.
int DigitUnderShiftedSymbol(int qtKey)
{
    static const QString symbols = QStringLiteral("!@#$%^&*()");
    if (qtKey > 0xFFFF)
        return -1;  // Shift, Control and the other named keys lie above the character range
    const int position = symbols.indexOf(QChar(qtKey));
    if (position < 0)
        return -1;
    return position == 9 ? 0 : position + 1;
}

int OtherKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return VirtualKey::kAlt;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Meta: return 91;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey;  // Qt's letter codes are the capital letters, as the virtual keys
    return kNoCode;
}

}  // namespace

int VirtualKeyCode(const KeyIdentity& key, KeyPlatform platform)
{
    if (const int native = NativeCode(key, platform); native != kNoNativeCode)
        return native;
    const int qtKey = key.qtKey;
    // Where X names the physical key, a digit or symbol typed by any other key is another key.
    if (platform == KeyPlatform::Xkb && key.nativeScanCode != 0)
        return qtKey == Qt::Key_Space ? VirtualKey::kSpace : OtherKeyCode(qtKey);
    if (qtKey == Qt::Key_Space)
        return VirtualKey::kSpace;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return (key.modifiers & Qt::KeypadModifier) ? VirtualKey::kNumpad0 + digit : VirtualKey::kDigit0 + digit;
    }
    if ((key.modifiers & Qt::ShiftModifier) && !(key.modifiers & Qt::KeypadModifier)) {
        const int digit = DigitUnderShiftedSymbol(qtKey);
        if (digit >= 0)
            return VirtualKey::kDigit0 + digit;
    }
    return OtherKeyCode(qtKey);
}

int VirtualKeyCode(const QKeyEvent& event)
{
    return VirtualKeyCode({event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey()},
                          CurrentKeyPlatform());
}

KeyPlatform CurrentKeyPlatform()
{
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland")))
        return KeyPlatform::Xkb;
    if (name == QLatin1String("windows"))
        return KeyPlatform::Windows;
    if (name == QLatin1String("cocoa"))
        return KeyPlatform::MacOS;
    return KeyPlatform::Unknown;
}

bool IsSystemKeyRelease(int virtualKey, Qt::KeyboardModifiers modifiers)
{
    constexpr int kLeftAlt = 164, kRightAlt = 165;  // the sided Alt codes some platforms report
    if (virtualKey == VirtualKey::kAlt || virtualKey == kLeftAlt || virtualKey == kRightAlt
        || virtualKey == VirtualKey::kF10)
        return true;
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}
