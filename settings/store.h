#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace vantor {

// The per-user settings store: text values under sections and keys of the application "vantor_tovrik".
// An empty section addresses the application level. On Linux this is $XDG_CONFIG_HOME/vantor_tovrik.ini,
// with the application-level values in [General]; on Windows it is the user's registry.
class Store {
public:
    Store();
    ~Store();
    Store(const Store &) = delete;
    Store &operator=(const Store &) = delete;

    QString read(const QString &section, const QString &key, const QString &fallback) const;
    void write(const QString &section, const QString &key, const QString &value);
    // Removes the application with every section and value beneath it.
    void removeAll();
    // Puts every write so far on disk. Each command that writes ends with this, so a program that ends right
    // after it loses nothing. Returns whether the store is on disk; when it is not, a warning names the file, the
    // writes stay readable for this run and the next flush tries them again.
    bool flush();

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace vantor
