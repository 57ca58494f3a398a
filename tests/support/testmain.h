#pragma once

// A test program's main: points the settings store and the runtime folder at temporary folders before Qt reads
// them, so that no test touches the real home, then runs the test class.

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <list>
#include <string_view>

// The rows of a table in tests/data, each split at its tabs; comments (#) and empty lines left out. In a text,
// \n, \r, \t, \\ and \uXXXX stand for their characters; any other backslash for itself.
inline QList<QStringList> dataTable(const QString &name)
{
    QFile file(QStringLiteral(VANTOR_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no table %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList &row = rows.emplace_back();
        for (const QString &text : line.split(QLatin1Char('\t'))) {
            QString &out = row.emplace_back();
            for (qsizetype i = 0; i < text.size(); ++i) {
                const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
                if (text[i] != u'\\' || !QStringLiteral("nrtu\\").contains(next))
                    out += text[i];
                else if (++i, next == u'u')
                    out += QChar(text.mid(i + 1, 4).toUShort(nullptr, 16)), i += 4;
                else
                    out += next == u'n' ? u'\n' : next == u'r' ? u'\r' : next == u't' ? u'\t' : u'\\';
            }
        }
    }
    return rows;
}

// Declares the current test's columns and cases from the table of its program's file in tests/data (tst_launch's
// is launch.tsv): the lines after "[TEST]" and the names of the columns, each a case's name and its texts, up to
// the next table. Called from the test's data function, FUNCTION.
inline void cases(QString function)
{
    const QString table = QLatin1Char('[') + function.remove(QLatin1String("_data")) + QLatin1Char(']');
    qsizetype columns = -1; // outside the table
    for (const QStringList &row :
         dataTable(QCoreApplication::applicationName().remove(QLatin1String("tst_")) + ".tsv")) {
        if (row.first().startsWith(QLatin1Char('['))) {
            columns = row.first() == table ? row.size() - 1 : -1;
            for (qsizetype i = 1; i <= columns; ++i) {
                static std::list<QByteArray> names; // QtTest keeps the name, not a copy
                QTest::addColumn<QString>(names.emplace_back(row[i].toUtf8()).constData());
            }
        } else if (columns > 0) {
            QTestData &data = QTest::newRow(qPrintable(row.first()));
            for (qsizetype i = 1; i <= columns; ++i) // an empty text at the end of a line may have lost its tab
                data << row.value(i);
        }
    }
}

// Adds a row of the current test's table whose columns all hold text.
inline void row(const char *name, std::initializer_list<QString> columns)
{
    QTestData &data = QTest::newRow(name);
    for (const QString &column : columns)
        data << column;
}

// The current row's texts in the columns NAMES ("store, actions"), in that order. FETCH(store, actions) declares
// each as a variable of its column's name.
template <std::size_t N> std::array<QString, N> rowTexts(const char *names)
{
    std::array<QString, N> texts;
    const QStringList columns = QString::fromLatin1(names).split(QLatin1Char(','));
    for (std::size_t i = 0; i < N; ++i)
        texts[i] = *static_cast<QString *>(QTest::qData(qPrintable(columns[qsizetype(i)].trimmed()), QMetaType::QString));
    return texts;
}
constexpr std::size_t columnCount(std::string_view names) { return std::size_t(std::ranges::count(names, ',')) + 1; }
#define FETCH(...) auto [__VA_ARGS__] = rowTexts<columnCount(#__VA_ARGS__)>(#__VA_ARGS__)

#define VANTOR_TEST_MAIN(TestClass, ApplicationClass)                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QTemporaryDir home;                                                                                            \
        if (!home.isValid())                                                                                           \
            return 2;                                                                                                  \
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());                             \
        qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());                                                         \
        qputenv("HOME", home.path().toLocal8Bit());                                                                    \
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent"); /* no notification service but a test's */      \
        qputenv("LANGUAGE", "en"); /* the texts as written, whatever this machine's language */                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        ApplicationClass app(argc, argv);                                                                              \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
