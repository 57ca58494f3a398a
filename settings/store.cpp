#include "store.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace vantor {
namespace {

constexpr char application[] = "vantor_tovrik";

QString path(const QString &section, const QString &key) { return section.isEmpty() ? key : section + '/' + key; }

std::unique_ptr<QSettings> openSettings()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application);
#endif
}

// QSettings holds a lock file beside the store while it writes. A Vantor killed in the instant of taking it leaves the
// file empty, and QSettings would then wait half a minute before it takes the lock for stale. A writer that still
// holds the file holds a native lock on it as well, which keeps QLockFile from removing it here.
void clearAbandonedLock(const QString &store)
{
    QLockFile lock(store + QLatin1String(".lock"));
    if (!QFileInfo::exists(lock.fileName()))
        return;
    lock.setStaleLockTime(std::chrono::milliseconds(1));
    if (lock.tryLock(0))
        lock.unlock();
}

} // namespace

Store::Store() : m_settings(openSettings()) {}

Store::~Store() = default;

QString Store::read(const QString &section, const QString &key, const QString &fallback) const
{
    const QVariant value = m_settings->value(path(section, key));
    if (!value.isValid())
        return fallback;
    // Vantor writes only text, which the INI file quotes where needed; an unquoted "a,b" put there by hand reads
    // as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void Store::write(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(path(section, key), value);
}

void Store::removeAll() { m_settings->clear(); }

bool Store::flush()
{
    clearAbandonedLock(fileName());
    // QSettings keeps the first error it met for good. A fresh one, made while the old one still holds the file,
    // takes over the writes that did not reach the disk and tries them again at once.
    if (m_settings->status() != QSettings::NoError)
        m_settings = openSettings();
    m_settings->sync();
    // A format error is one of reading: the file was written all the same.
    if (m_settings->status() != QSettings::AccessError)
        return true;
    qWarning("Vantor could not write its settings to %s", qPrintable(fileName()));
    return false;
}

QString Store::fileName() const { return m_settings->fileName(); }

} // namespace vantor
