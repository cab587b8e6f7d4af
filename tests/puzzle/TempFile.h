// A file with given bytes in the temporary folder, removed again when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

class TempFile {
public:
    // Tests run in parallel processes, so the name carries the running test's own name.
    explicit TempFile(const std::string& bytes)
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        static int counter = 0;
        std::string name = std::string(test->test_suite_name()) + "." + test->name() + "-" + std::to_string(++counter);
        for (char& c : name)
            c = c == '/' ? '_' : c;
        m_path = std::filesystem::temp_directory_path() / ("tessaly-" + name + ".dat");
        std::ofstream(m_path, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(m_path); }

    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};
