#include "BXScopedTempFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace {

std::string UniqueName()
{
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    std::ostringstream name;
    name << "bxtest-" << std::chrono::steady_clock::now().time_since_epoch().count() << '-' << device()
         << '-' << counter++;
    return name.str();
}

} // namespace

BXScopedTempFolder::BXScopedTempFolder()
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = base / UniqueName();
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder under " + base.string());
}

BXScopedTempFolder::~BXScopedTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path BXScopedTempFolder::WriteFile(const std::filesystem::path& relative,
                                                    const std::string& bytes) const
{
    const std::filesystem::path full = m_path / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return full;
}

std::string BXScopedTempFolder::ReadFile(const std::filesystem::path& relative) const
{
    std::ifstream in(m_path / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}
