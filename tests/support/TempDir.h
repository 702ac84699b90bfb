#pragma once

#include <filesystem>
#include <string>

namespace kelo::test {

/// A fresh folder under the system's temporary directory, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

/// Path of a file in tests/data.
std::filesystem::path testDataPath(const std::string& name);

} // namespace kelo::test
