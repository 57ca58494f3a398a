#include "formsession.h"

#include "report.h"

#include "ui/form1.h"

#include <cstdlib>

#include <sys/stat.h>

namespace vantor::bench {

FormSession::FormSession(int &argc, char **argv) : m_scratch("vantor-bench-form")
{
    // Qt reads these once, when the application and the first QSettings are made.
    const std::string config = scratch() + "/config", runtime = scratch() + "/runtime";
    if (!m_scratch.valid() || mkdir(runtime.c_str(), 0700) != 0 || !writeSettings(config))
        return;
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("XDG_CACHE_HOME", (scratch() + "/cache").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    m_app = std::make_unique<QApplication>(argc, argv);
    const Clock::time_point constructing = Clock::now();
    m_form = std::make_unique<Form1>();
    m_constructMs = msSince(constructing);
    m_form->show();
    QCoreApplication::processEvents();
    m_showMs = msSince(constructing) - m_constructMs;
}

// Out of line, where Form1 is complete; the members go in reverse order: the window, its application, the folder.
FormSession::~FormSession() = default;

} // namespace vantor::bench
