#pragma once

#include <QApplication>

#include <memory>
#include <string>

#include "scratch.h"

namespace vantor {
class Form1;
}

namespace vantor::bench {

// Vantor's main window in this process, on Qt's offscreen platform, with settings, runtime and cache folders of its
// own in a temporary folder that goes with it. Makes the QApplication, so there is one session per process, made
// after everything that must run without Qt.
class FormSession {
public:
    FormSession(int &argc, char **argv);
    ~FormSession();
    FormSession(const FormSession &) = delete;
    FormSession &operator=(const FormSession &) = delete;

    // False when the temporary folders could not be made; there is then no window.
    bool valid() const { return m_form != nullptr; }
    Form1 &form() { return *m_form; }
    // A folder for the figures' own files, removed with the session.
    const std::string &scratch() const { return m_scratch.path(); }
    // How long the window took to construct, and then to be shown and painted once.
    double constructMs() const { return m_constructMs; }
    double showMs() const { return m_showMs; }

private:
    ScratchDir m_scratch;
    std::unique_ptr<QApplication> m_app;
    std::unique_ptr<Form1> m_form;
    double m_constructMs = 0, m_showMs = 0;
};

} // namespace vantor::bench
