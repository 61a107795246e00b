#pragma once
// A fresh folder under the temporary folder for one test, removed afterwards.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace carbon_testing {

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "carbon-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::string Folder(const std::string& relative) const {
        const std::filesystem::path p = root / relative;
        std::filesystem::create_directories(p);
        return p.string();
    }
    std::string File(const std::string& relative) const {
        const std::filesystem::path p = root / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p) << "x";
        return p.string();
    }

    std::filesystem::path root;
};

}  // namespace carbon_testing
