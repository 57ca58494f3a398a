#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace vantor {
namespace {

constexpr char translations[] = ":/i18n";

QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

QString &chosen()
{
    static QString name = QStringLiteral("en");
    return name;
}

// Installs the translator when it loads; a translator installed later is asked first. The application owns it,
// so it goes when the application does.
bool use(std::unique_ptr<QTranslator> translator, bool loaded)
{
    if (!loaded)
        return false;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.get());
    installed() << translator.release();
    return true;
}

// The first of the user's languages that Vantor speaks, by the name of its file ("de", "pt_BR"): as the user's
// country speaks it, else as it is written for all countries, else as another country speaks it (Brazil's Portuguese
// for Portugal's); English when none. A later language never comes before an earlier one spoken in another country.
QString firstSpoken(const QStringList &wanted)
{
    const QStringList shipped = QDir(QLatin1String(translations)).entryList(QDir::Files);
    const auto spoken = [&](const QString &name) { return shipped.contains("vantor_" + name + ".qm"); };
    for (const QString &tag : wanted) {
        const QLocale asked(tag);
        if (asked.language() == QLocale::C)
            continue;
        const QString language = QLocale::languageToCode(asked.language());
        if (spoken(asked.name()))
            return asked.name();
        if (spoken(language))
            return language;
        // (The names are compared by hand: a name filter would compile a pattern, which costs the window half a
        // megabyte.)
        for (const QString &file : shipped)
            if (file.startsWith("vantor_" + language + u'_') && file.endsWith(QLatin1String(".qm")))
                return file.sliced(7).chopped(3);
    }
    return QStringLiteral("en");
}

} // namespace

QString useLanguage(const QLocale &locale)
{
    for (QTranslator *translator : installed()) {
        if (!translator)
            continue;
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    // English's own plurals ("1 option set") lie beneath every other language, for the texts that one lacks.
    auto english = std::make_unique<QTranslator>();
    const bool hasEnglish = english->load(QStringLiteral("vantor_en"), QLatin1String(translations));
    use(std::move(english), hasEnglish);
    chosen() = firstSpoken(locale.uiLanguages());
    if (chosen() == QLatin1String("en"))
        return chosen();
    // Qt's own texts (the dialogs' buttons, the terminal's usage) in the same language, where the system has them;
    // Vantor's texts, installed later, are asked first, and carry their own wording of the few of Qt's that they need.
    auto qt = std::make_unique<QTranslator>();
    const bool found =
        qt->load(QStringLiteral("qtbase_") + chosen(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    use(std::move(qt), found);
    auto vantor = std::make_unique<QTranslator>();
    const bool loaded = vantor->load(QStringLiteral("vantor_") + chosen(), QLatin1String(translations));
    use(std::move(vantor), loaded);
    return chosen();
}

QString language() { return chosen(); }

} // namespace vantor
