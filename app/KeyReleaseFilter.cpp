// The application-wide key filter of the game window.
#include "KeyReleaseFilter.h"

#include "VirtualKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The physical key when the platform names it (the symbol can change between press and
// release when Shift is let go in between), else Qt's key code.
long long PhysicalKey(const QKeyEvent& event)
{
    if (event.nativeScanCode() != 0)
        return (1LL << 40) | event.nativeScanCode();
    return event.key();
}

// The repeat's release and press carry one server time; a real second press of the same
// key comes tens of milliseconds later at the very least.
constexpr unsigned long long kRepeatTimeTolerance = 1;

bool IsMouseEvent(QEvent::Type type)
{
    return type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
        || type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
}

}  // namespace

int KeyReleaseFilter::PlatformSettleTime()
{
    return CurrentKeyPlatform() == KeyPlatform::Xkb ? 60 : 0;
}

KeyReleaseFilter::KeyReleaseFilter(QWidget* window, std::function<void(int)> onRelease, int settleMilliseconds)
    : QObject(window), m_window(window), m_onRelease(std::move(onRelease))
{
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(settleMilliseconds);
    // The timer's own turn of the event loop may come before a press that was already
    // waiting in it, so the release acts one turn later.
    connect(&m_settleTimer, &QTimer::timeout, this, [this] {
        if (!m_pending)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, serial = m_pending->serial] {
                if (m_pending && m_pending->serial == serial)
                    Settle();
            },
            Qt::QueuedConnection);
    });
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
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
        HandleKey(watched, static_cast<const QKeyEvent&>(*event));
    else if (m_pending && IsMouseEvent(type))
        Settle();  // the release belongs to the cell selected before the mouse moves on
    return false;
}

void KeyReleaseFilter::HandleKey(QObject* watched, const QKeyEvent& key)
{
    if (key.isAutoRepeat() || !qobject_cast<QWidget*>(watched))
        return;
    const long long identity = PhysicalKey(key);
    const unsigned long long timestamp = key.timestamp();
    if (key.type() == QEvent::KeyPress) {
        if (m_pending && m_pending->identity == identity && timestamp - m_pending->timestamp <= kRepeatTimeTolerance) {
            m_pending.reset();  // the key is still held: this pair was a repeat
            m_settleTimer.stop();
        }
        Settle();
        if (TargetsWindow(watched))
            m_pressedKeys.insert(identity);
        return;
    }
    if (m_pending && m_pending->identity == identity)
        return;  // the same release again, handed on to a parent widget
    Settle();
    // Qt hands an unhandled key event on to the parent widgets; forgetting the press on the
    // first release makes those copies count for nothing.
    const bool pressSeenHere = m_pressedKeys.erase(identity) > 0;
    if (!pressSeenHere || !TargetsWindow(watched))
        return;
    const int virtualKey = VirtualKeyCode(key);
    if (IsSystemKeyRelease(virtualKey, key.modifiers()))
        return;
    if (m_settleTimer.interval() == 0) {
        m_onRelease(virtualKey);
        return;
    }
    m_pending = PendingRelease{identity, timestamp, virtualKey, ++m_releaseSerial};
    m_settleTimer.start();
}

void KeyReleaseFilter::Settle()
{
    if (!m_pending)
        return;
    const int virtualKey = m_pending->virtualKey;
    m_pending.reset();
    m_settleTimer.stop();
    m_onRelease(virtualKey);
}
