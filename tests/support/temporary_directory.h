#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh directory under the system's temporary directory, removed with all it holds when the
// object goes.
class TemporaryDirectory {
  public:
    TemporaryDirectory() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("dd-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};
