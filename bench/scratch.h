#pragma once

#include <string>

namespace vantor::bench {

// A new folder PARENT/PREFIX.XXXXXX (PARENT defaults to $TMPDIR or /tmp), removed with everything in it when the
// object goes.
class ScratchDir {
public:
    explicit ScratchDir(const std::string &prefix, const std::string &parent = {});
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    bool valid() const { return !m_path.empty(); }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

// Prepares DIR as Vantor's XDG_CONFIG_HOME for a user who has already chosen a game folder, so no folder dialog
// appears: DIR/vantor_tovrik.ini names DIR/half-life, which is created too. Returns false on a write error.
bool writeSettings(const std::string &dir);

} // namespace vantor::bench
