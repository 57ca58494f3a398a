#include "languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    auto vantor = std::make_unique<QTranslator>();
    bool loaded = vantor->load(locale, QStringLiteral("vantor"), QStringLiteral("_"), QLatin1String(translations));
    // Else the language as another country speaks it: Brazil's Portuguese for Portugal's, rather than English. (The
    // names are compared by hand: a name filter would compile a pattern, which costs the window half a megabyte.)
    const QStringList shipped = loaded ? QStringList() : QDir(QLatin1String(translations)).entryList(QDir::Files);
    for (const QString &wanted : locale.uiLanguages()) {
        const QString prefix = "vantor_" + QLocale::languageToCode(QLocale(wanted).language()) + u'_';
        for (const QString &file : shipped)
            if (!loaded && file.startsWith(prefix) && file.endsWith(QLatin1String(".qm")))
                loaded = vantor->load(file, QLatin1String(translations));
    }
    const QString name = loaded ? QFileInfo(vantor->filePath()).completeBaseName().section(QLatin1Char('_'), 1)
                                : QStringLiteral("en"); // vantor_pt_BR.qm gives pt_BR
    chosen() = name.startsWith(QLatin1String("en")) ? QStringLiteral("en") : name;
    if (chosen() != QLatin1String("en") && use(std::move(vantor), true)) {
        // Qt's own dialogs (the folder dialog, the message boxes) in the same language, where the system has them.
        auto qt = std::make_unique<QTranslator>();
        const bool found =
            qt->load(QStringLiteral("qtbase_") + chosen(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        use(std::move(qt), found);
    }
    return chosen();
}

QString language() { return chosen(); }

} // namespace vantor
