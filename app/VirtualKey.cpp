// The mapping from Qt keys to virtual-key codes.
#include "VirtualKey.h"

#include <QKeyEvent>
#include <QString>

namespace {

constexpr int NoCode = 0xFF;

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
    case Qt::Key_Alt: return 18;
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
    return NoCode;
}

}  // namespace

int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey == Qt::Key_Space)
        return VirtualKey::Space;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return (modifiers & Qt::KeypadModifier) ? VirtualKey::Numpad0 + digit : VirtualKey::Digit0 + digit;
    }
    if ((modifiers & Qt::ShiftModifier) && !(modifiers & Qt::KeypadModifier)) {
        const int digit = DigitUnderShiftedSymbol(qtKey);
        if (digit >= 0)
            return VirtualKey::Digit0 + digit;
    }
    return OtherKeyCode(qtKey);
}

int VirtualKeyCode(const QKeyEvent& event)
{
    return VirtualKeyCode(event.key(), event.modifiers());
}
