#include "scratch.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vantor::bench {

ScratchDir::ScratchDir(const std::string &prefix, const std::string &parent)
{
    const char *tmp = std::getenv("TMPDIR");
    const std::string base = !parent.empty() ? parent : tmp && *tmp ? tmp : "/tmp";
    std::string pattern = base + "/" + prefix + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()))
        m_path = buffer.data();
}

ScratchDir::~ScratchDir()
{
    if (valid()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

bool writeSettings(const std::string &dir)
{
    const std::string hldir = dir + "/half-life";
    std::error_code error;
    std::filesystem::create_directories(hldir, error);
    if (error)
        return false;
    std::ofstream file(dir + "/vantor_tovrik.ini");
    file << "[other]\nhldir=" << hldir << "\n";
    file.close();
    return bool(file);
}

} // namespace vantor::bench
