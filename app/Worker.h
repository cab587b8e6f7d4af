// One search at a time on a thread of its own; the owner takes the outcome on its own thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// The thread sees only its own copies of the question and the search, and hands back nothing
// but the outcome, under the mutex, so no board or widget is shared between the threads.
template <typename Question, typename Outcome>
class Worker {
public:
    using Search = std::function<Outcome(const Question& question)>;

    explicit Worker(Search search) : m_search(std::move(search)) {}
    // Waits for a search that is still running, so the thread never outlives its outcome.
    ~Worker()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // The search the thread runs. Only while not IsBusy().
    void SetSearch(Search search) { m_search = std::move(search); }

    // Answers `question` on a new thread, which calls `finished` as its last step, once the
    // outcome can be taken. False, and nothing started, while IsBusy().
    bool Start(Question question, std::function<void()> finished)
    {
        if (IsBusy())
            return false;
        m_thread = std::thread([this, question = std::move(question), search = m_search, finished = std::move(finished)] {
            Outcome outcome = search(question);
            {
                const std::lock_guard lock(m_mutex);
                m_outcome = std::move(outcome);
            }
            m_found.notify_all();
            finished();
        });
        return true;
    }
    // From a successful Start until TakeOutcome has taken that search's outcome.
    bool IsBusy() const { return m_thread.joinable(); }
    // Waits up to `limit` for the running search; true once its outcome can be taken.
    bool WaitFor(std::chrono::milliseconds limit)
    {
        std::unique_lock lock(m_mutex);
        return IsBusy() && m_found.wait_for(lock, limit, [this] { return m_outcome.has_value(); });
    }
    // The outcome of the finished search, which ends it; nothing while none has finished.
    // Never waits longer than the thread's call of `finished`.
    std::optional<Outcome> TakeOutcome()
    {
        if (!IsBusy())
            return std::nullopt;
        {
            const std::lock_guard lock(m_mutex);
            if (!m_outcome)
                return std::nullopt;
        }
        m_thread.join();
        return std::exchange(m_outcome, std::nullopt);
    }

private:
    Search m_search;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_found;
    std::optional<Outcome> m_outcome;  // written by the thread under m_mutex, taken after the join
};
