// The application-wide key filter of the game window.
#include "KeyReleaseFilter.h"

#include "VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The physical key when the platform names it (the symbol can change between press and
// release when Shift is let go in between), else Qt's key code.
long long KeyIdentity(const QKeyEvent& event)
{
    if (event.nativeScanCode() != 0)
        return (1LL << 40) | event.nativeScanCode();
    return event.key();
}

}  // namespace

KeyReleaseFilter::KeyReleaseFilter(QWidget* window, std::function<void(int)> onRelease)
    : QObject(window), m_window(window), m_onRelease(std::move(onRelease))
{
    qApp->installEventFilter(this);
}

KeyReleaseFilter::~KeyReleaseFilter()
{
    qApp->removeEventFilter(this);
}

bool KeyReleaseFilter::TargetsWindow(QObject* watched) const
{
    // Key events pass the platform window object first; the widgets come after it.
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && widget->window() == m_window;
}

bool KeyReleaseFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.isAutoRepeat() || !qobject_cast<QWidget*>(watched))
        return false;
    const long long identity = KeyIdentity(key);
    if (type == QEvent::KeyPress) {
        if (TargetsWindow(watched))
            m_pressedKeys.insert(identity);
        return false;
    }
    const bool pressSeenHere = m_pressedKeys.erase(identity) > 0;
    if (pressSeenHere && TargetsWindow(watched))
        m_onRelease(VirtualKeyCode(key));
    return false;
}
