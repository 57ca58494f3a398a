#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantor::bench {

// One start of a program.
struct StartSample {
    double mapMs = 0;     // from fork to the MapNotify of its top-level window
    double peakRssMb = 0; // ru_maxrss of the whole run, collected by wait4
};

// A private Xvfb, and a connection to it that hears of every top-level window being mapped.
class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    bool start(std::string &error);
    const std::string &display() const;

    // Starts PROGRAM (with ARGUMENTS) with a settings folder of its own, waits for its top-level window to be mapped,
    // lets it run 300 ms more, ends it with SIGTERM and collects it.
    std::optional<StartSample> measure(const std::string &program, std::string &error,
                                       const std::vector<std::string> &arguments = {});

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vantor::bench
