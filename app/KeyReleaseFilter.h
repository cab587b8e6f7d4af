// Sees every key event of the application and reports the releases that belong to one window.
#pragma once

#include "VirtualKey.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <set>

class QKeyEvent;
class QWidget;

// Installed once on the application, so a release reaches the game whichever child holds
// the focus. It never consumes an event. A release counts only when its press was seen
// on the same window too: a key whose press closed a message box or file dialog must not
// change the board when it is let go over the main window. Releases of system keys (Alt,
// F10, keys let go while Alt is held) never count. A letter released while Control is held
// reports its command (see KeyCommandOf); the releases of Control and Shift that end such a
// shortcut are no entry and are not reported, while a Control or Shift let go without one is.
//
// Holding a key acts once, on its final release. Events Qt marks as repeated are ignored,
// but X servers repeat a held key as release/press pairs with one timestamp, and Qt marks
// only those whose press it has already read. So with a settle time, a release waits that
// long (and one more turn of the event loop): a press of the same key stamped with the
// release's time makes it a repeat, and any other key or mouse event lets it act at once,
// so the order of events is kept. With no settle time a release acts at once.
class KeyReleaseFilter : public QObject {
public:
    // The settle time the platform needs, in milliseconds: 0 where a held key repeats by
    // presses only.
    static int PlatformSettleTime();

    using ReleaseHandler = std::function<void(int virtualKey, KeyCommand command)>;

    KeyReleaseFilter(QWidget* window, ReleaseHandler onRelease,
                     int settleMilliseconds = PlatformSettleTime());
    ~KeyReleaseFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PendingRelease {
        long long identity;
        unsigned long long timestamp;
        int virtualKey;
        KeyCommand command;
        unsigned serial;  // tells a later release from this one
    };

    bool TargetsWindow(QObject* watched) const;
    void HandleKey(QObject* watched, const QKeyEvent& key);
    // True for the release of a Control or Shift held for a shortcut since its press;
    // that release is forgotten then.
    bool EndsShortcut(int virtualKey);
    // Acts on the release that waits, if any.
    void Settle();

    QWidget* m_window;
    ReleaseHandler m_onRelease;
    Qt::KeyboardModifiers m_shortcutModifiers;  // held for a shortcut since their press
    std::set<long long> m_pressedKeys;  // see PhysicalKey in the source
    std::optional<PendingRelease> m_pending;
    unsigned m_releaseSerial = 0;
    QTimer m_settleTimer;
};
