#include "launch/numbers.h"
#include "support/testmain.h"

#include <QtTest>

#include <optional>

using namespace vantor;

Q_DECLARE_METATYPE(std::optional<double>)

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");

        QTest::newRow("digits") << "2500" << true << 2500.0;
        QTest::newRow("leading zero") << "07" << true << 7.0;
        QTest::newRow("blanks around") << " 25 " << true << 25.0;
        QTest::newRow("tab") << "\t25" << true << 25.0;
        QTest::newRow("minus") << "-5" << true << -5.0;
        QTest::newRow("plus") << "+5" << true << 5.0;
        QTest::newRow("fraction") << "22.5" << true << 22.5;
        QTest::newRow("trailing point") << "22." << true << 22.0;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("negative fraction") << "-.5" << true << -0.5;
        QTest::newRow("zero") << "0" << true << 0.0;
        QTest::newRow("huge but finite") << "99999999999" << true << 99999999999.0;

        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << " " << false << 0.0;
        QTest::newRow("lone minus") << "-" << false << 0.0;
        QTest::newRow("lone point") << "." << false << 0.0;
        QTest::newRow("minus point") << "-." << false << 0.0;
        QTest::newRow("letter") << "25a" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("exponent") << "1e3" << false << 0.0;
        QTest::newRow("thousands") << "1,000" << false << 0.0;
        QTest::newRow("decimal comma") << "2,5" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("two signs") << "--5" << false << 0.0;
        QTest::newRow("blank inside") << "2 5" << false << 0.0;
        QTest::newRow("sign after blank") << "- 5" << false << 0.0;
        QTest::newRow("hex") << "0x10" << false << 0.0;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662") << false << 0.0;
        QTest::newRow("beyond double") << QString(400, QLatin1Char('9')) << false << 0.0;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*parsed, value);
    }

    void toInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("result");

        QTest::newRow("half down to even") << 22.5 << true << 22;
        QTest::newRow("2.5 to 2") << 2.5 << true << 2;
        QTest::newRow("3.5 to 4") << 3.5 << true << 4;
        QTest::newRow("negative half") << -2.5 << true << -2;
        QTest::newRow("nearest") << 2.6 << true << 3;
        QTest::newRow("largest") << 32767.0 << true << 32767;
        QTest::newRow("rounds down into range") << 32767.4 << true << 32767;
        QTest::newRow("half rounds up out of range") << 32767.5 << false << 0;
        QTest::newRow("smallest") << -32768.0 << true << -32768;
        QTest::newRow("half rounds to even, in range") << -32768.5 << true << -32768;
        QTest::newRow("below") << -32769.0 << false << 0;
        QTest::newRow("above") << 40000.0 << false << 0;
    }

    void toInt16()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, result);
        const auto converted = vantor::toInt16(value);
        QCOMPARE(converted.has_value(), fits);
        if (fits)
            QCOMPARE(int(*converted), result);
    }

    void storedInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("expected"); // -1: rejected

        QTest::newRow("in range") << "2" << 0 << 2 << 2;
        QTest::newRow("low end") << "0" << 0 << 2 << 0;
        QTest::newRow("above") << "3" << 0 << 2 << -1;
        QTest::newRow("below") << "-1" << 0 << 2 << -1;
        QTest::newRow("fraction") << "1.5" << 0 << 2 << -1;
        QTest::newRow("whole with point") << "1.0" << 0 << 2 << 1;
        QTest::newRow("garbage") << "yes" << 0 << 2 << -1;
        QTest::newRow("empty") << "" << 0 << 2 << -1;
        QTest::newRow("slider") << "35" << 3 << 35 << 35;
        QTest::newRow("slider beyond") << "36" << 3 << 35 << -1;
        QTest::newRow("huge") << "1e400" << 3 << 35 << -1;
    }

    void storedInteger()
    {
        QFETCH(QString, text);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, expected);
        QCOMPARE(parseStoredInteger(text, minimum, maximum).value_or(-1), expected);
    }
};

VANTOR_TEST_MAIN(NumbersTest, QCoreApplication)

#include "tst_numbers.moc"
