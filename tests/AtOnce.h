// Calls that must never wait on a file: a blocked call fails the test program instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

// Runs `work` on this thread, windows included, and returns its result. A watchdog reports the
// test as failed and ends the program when `work` has not returned within five seconds (blocked
// in open on a FIFO, say): a blocked call cannot be stopped, and waiting would hang the suite.
template <typename Work>
auto AtOnce(Work work)
{
    std::promise<void> returned;
    std::thread watchdog([returned = returned.get_future(),
                          test = std::string(testing::UnitTest::GetInstance()->current_test_info()->name())] {
        if (returned.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            std::fprintf(stderr, "FAILED: %s is still blocked after 5 s\n", test.c_str());
            std::_Exit(1);
        }
    });
    auto result = work();
    returned.set_value();
    watchdog.join();
    return result;
}
