#include "launch/numbers.h"
#include "support/testmain.h"

#include <QtTest>

using namespace vantor;

namespace {
constexpr int outOfRange = 99999;
} // namespace

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: not a number

        const std::pair<const char *, double> numbers[]{{"07", 7},      {" \t25 ", 25}, {"-5", -5},   {"+5", 5},
                                                        {"22.5", 22.5}, {"22.", 22},    {"-.5", -0.5}};
        for (const auto &[text, value] : numbers)
            QTest::addRow("'%s'", text) << QString(text) << value;
        for (const char *text : {"", " ", "-", "-.", "25a", "inf", "1e3", "1,000", "1.2.3", "--5", "- 5", "0x10"})
            QTest::addRow("'%s'", text) << QString(text) << qQNaN();
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662") << qQNaN();
        QTest::newRow("beyond double") << QString(400, QLatin1Char('9')) << qQNaN();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), !qIsNaN(value));
        if (parsed)
            QCOMPARE(*parsed, value);
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("result");

        // Halves go to the even neighbour.
        const std::pair<double, int> rows[]{{22.5, 22},         {3.5, 4},
                                            {-2.5, -2},         {2.6, 3},
                                            {32767.4, 32767},   {32767.5, outOfRange},
                                            {-32768.5, -32768}, {-32769, outOfRange}};
        for (const auto &[value, result] : rows)
            QTest::addRow("%g", value) << value << result;
    }

    void toInt16()
    {
        QFETCH(double, value);
        QFETCH(int, result);
        const auto converted = vantor::toInt16(value);
        QCOMPARE(converted ? int(*converted) : outOfRange, result);
    }

    void storedInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: rejected

        // Read between 0 and 2.
        const std::pair<const char *, int> rows[]{{"0", 0},    {"2", 2},   {"3", -1},  {"-1", -1},
                                                  {"1.5", -1}, {"1.0", 1}, {"yes", -1}};
        for (const auto &[text, expected] : rows)
            QTest::addRow("'%s'", text) << QString(text) << expected;
    }

    void storedInteger()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(parseStoredInteger(text, 0, 2).value_or(-1), expected);
    }
};

VANTOR_TEST_MAIN(NumbersTest, QCoreApplication)

#include "tst_numbers.moc"
