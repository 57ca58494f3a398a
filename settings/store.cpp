#include "store.h"

#include <QSettings>

namespace vantor {
namespace {

constexpr char application[] = "vantor_tovrik";

QString path(const QString &section, const QString &key) { return section.isEmpty() ? key : section + '/' + key; }

} // namespace

Store::Store()
#ifdef Q_OS_WIN
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application))
#else
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application))
#endif
{
}

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

void Store::flush() { m_settings->sync(); }

QString Store::fileName() const { return m_settings->fileName(); }

} // namespace vantor
