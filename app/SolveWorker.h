// Solves one grid at a time on a thread of its own; the owner takes the outcome on its own thread.
#pragma once

#include "Grid81.h"

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

struct SolveOutcome {
    std::optional<Grid81> answer;  // empty when the grid has no completion
};

// The worker sees only its own copy of the grid and its own outcome, never the board or a
// widget, so nothing but the hand-over below is shared between the threads.
class SolveWorker {
public:
    using Solver = std::function<bool(const Grid81& grid, Grid81& result)>;

    SolveWorker();
    // Waits for a solve that is still running, so the thread never outlives its outcome.
    ~SolveWorker();
    SolveWorker(const SolveWorker&) = delete;
    SolveWorker& operator=(const SolveWorker&) = delete;

    // The search the thread runs (SolveGrid unless replaced). Only while not IsBusy().
    void SetSolver(Solver solver);

    // Solves a copy of `grid` on a new thread, which calls `finished` as its last step,
    // once the outcome can be taken. False, and nothing started, while IsBusy().
    bool Start(const Grid81& grid, std::function<void()> finished);
    // From a successful Start until TakeOutcome has taken that solve's outcome.
    bool IsBusy() const { return m_thread.joinable(); }
    // The outcome of the finished solve, which ends it; nothing while none has finished.
    // Never waits longer than the thread's call of `finished`.
    std::optional<SolveOutcome> TakeOutcome();

private:
    Solver m_solver;
    std::thread m_thread;
    SolveOutcome m_outcome;               // written by the thread before m_finished
    std::atomic<bool> m_finished{false};  // release by the thread, acquire by the owner
};
