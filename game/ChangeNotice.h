// Who is told that the game changed: the windows that show it subscribe, the game notifies.
#pragma once

#include <functional>
#include <utility>
#include <vector>

// Watching changes nothing, so subscribing works on a const game. A copy starts with no
// subscribers, and copies compare equal: the subscribers belong to the windows, not to the game.
class ChangeNotice {
public:
    ChangeNotice() = default;
    ChangeNotice(const ChangeNotice&) {}
    ChangeNotice& operator=(const ChangeNotice&) { return *this; }

    void Subscribe(std::function<void()> subscriber) const { m_subscribers.push_back(std::move(subscriber)); }
    void Notify() const
    {
        for (const std::function<void()>& subscriber : m_subscribers)
            subscriber();
    }

    bool operator==(const ChangeNotice&) const { return true; }

private:
    mutable std::vector<std::function<void()>> m_subscribers;
};
