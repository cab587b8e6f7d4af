// A file with given bytes in the temporary folder, removed again when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

class TempFile {
public:
    explicit TempFile(const std::string& bytes) : m_path(UniquePath())
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::string Path() const { return m_path.string(); }

private:
    // Tests run in parallel processes, so the name carries the running test's own name.
    static std::filesystem::path UniquePath()
    {
        static int counter = 0;
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        std::replace(name.begin(), name.end(), '/', '_');
        return std::filesystem::temp_directory_path() /
               ("tessaly-" + name + "-" + std::to_string(++counter) + ".dat");
    }

    std::filesystem::path m_path;
};
