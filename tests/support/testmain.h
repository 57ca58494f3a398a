#pragma once

// A test program's main: points the settings store and the runtime folder at temporary folders before Qt reads
// them, so that no test touches the real home, then runs the test class.

#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <initializer_list>

// Declares the current test's table: columns of text, by name.
template <typename... Names> void textColumns(Names... names) { (QTest::addColumn<QString>(names), ...); }

// Adds a row of the current test's table whose columns all hold text.
inline void row(const char *name, std::initializer_list<QString> columns)
{
    QTestData &data = QTest::newRow(name);
    for (const QString &column : columns)
        data << column;
}

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
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        ApplicationClass app(argc, argv);                                                                              \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
