// Sees every key event of the application and reports the releases that belong to one window.
#pragma once

#include <QObject>

#include <functional>
#include <set>

class QKeyEvent;
class QWidget;

// Installed once on the application, so a release reaches the game whichever child holds
// the focus. It never consumes an event. A release counts only when its press was seen
// on the same window too: a key whose press closed a message box or file dialog must not
// change the board when it is let go over the main window. Auto-repeated events are ignored,
// so holding a key acts once; Qt hands an unhandled key event on to the parent widgets, and
// forgetting the press on the first release makes those copies count for nothing.
class KeyReleaseFilter : public QObject {
public:
    KeyReleaseFilter(QWidget* window, std::function<void(int virtualKey)> onRelease);
    ~KeyReleaseFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TargetsWindow(QObject* watched) const;

    QWidget* m_window;
    std::function<void(int)> m_onRelease;
    std::set<long long> m_pressedKeys;  // see KeyIdentity in the source
};
