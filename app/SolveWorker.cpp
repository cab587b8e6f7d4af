// Solves one grid at a time on a thread of its own; the owner takes the outcome on its own thread.
#include "SolveWorker.h"

#include "Solver.h"

#include <utility>

SolveWorker::SolveWorker() : m_solver([](const Grid81& grid, Grid81& result) { return SolveGrid(grid, result); })
{
}

SolveWorker::~SolveWorker()
{
    if (m_thread.joinable())
        m_thread.join();
}

void SolveWorker::SetSolver(Solver solver)
{
    m_solver = std::move(solver);
}

bool SolveWorker::Start(const Grid81& grid, std::function<void()> finished)
{
    if (IsBusy())
        return false;
    m_finished.store(false, std::memory_order_relaxed);
    // The thread gets copies of the grid and the solver, so the owner may change its own.
    m_thread = std::thread([this, grid, solver = m_solver, finished = std::move(finished)] {
        Grid81 result{};
        m_outcome.answer.reset();
        if (solver(grid, result))
            m_outcome.answer = result;
        m_finished.store(true, std::memory_order_release);
        finished();
    });
    return true;
}

std::optional<SolveOutcome> SolveWorker::TakeOutcome()
{
    if (!m_thread.joinable() || !m_finished.load(std::memory_order_acquire))
        return std::nullopt;
    m_thread.join();
    return std::move(m_outcome);
}
