// Turns a Qt key event into the virtual-key code the keyboard entry works with.
#pragma once

#include <Qt>

class QKeyEvent;

// Codes the keyboard entry tells apart; every other key maps to some other code.
namespace VirtualKey {
constexpr int Space = 32;
constexpr int Digit0 = 48;   // main row 0; 49-57 are 1-9
constexpr int Numpad0 = 96;  // keypad 0; 97-105 are 1-9
}  // namespace VirtualKey

// The one place that looks at Qt keys. Main-row digits give 48-57 (also with Shift held,
// where Qt reports the shifted symbol of the US layout), keypad digits 96-105, Space 32,
// letters 65-90, and other keys their usual codes (Shift 16, arrows 37-40, ...); keys
// without a code of their own give 0xFF, which is no digit and not Space either.
int VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int VirtualKeyCode(const QKeyEvent& event);
