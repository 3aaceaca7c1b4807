// A folder of the test's own under the system temporary folder, created with
// an unused name and removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>

class BXScopedTempFolder {
public:
    BXScopedTempFolder();
    ~BXScopedTempFolder();
    BXScopedTempFolder(const BXScopedTempFolder&) = delete;
    BXScopedTempFolder& operator=(const BXScopedTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes bytes to a file below the folder, creating missing parents.
    std::filesystem::path WriteFile(const std::filesystem::path& relative, const std::string& bytes) const;
    std::string ReadFile(const std::filesystem::path& relative) const;

private:
    std::filesystem::path m_path;
};
