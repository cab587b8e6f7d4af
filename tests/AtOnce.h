// Calls that must never wait on a file: a blocked call fails the test program instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

// Runs `work` on a thread of its own and returns its result. When it has not returned within five
// seconds (blocked in open on a FIFO, say), the failure is reported and the program ends: the
// blocked thread cannot be stopped, and waiting for it would hang the suite.
template <typename Work>
auto AtOnce(Work work)
{
    std::packaged_task<decltype(work())()> task(std::move(work));
    auto result = task.get_future();
    std::thread(std::move(task)).detach();
    if (result.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "still blocked after 5 s";
        std::fflush(stdout);
        std::_Exit(1);
    }
    return result.get();
}
