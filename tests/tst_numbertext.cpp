#include "app/language/NumberText.h"

#include <QTest>

using namespace vlnokres;

// Numbers as the boxes show them, what typed text reads as under Czech, English and German,
// and numbers on the command line.
class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writes_data();
    void writes();
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void ambiguousTextNamesBothReadings_data();
    void ambiguousTextNamesBothReadings();
    void commandLineNumbersReadAlike_data();
    void commandLineNumbersReadAlike();
};

void TestNumberText::writes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("cs half") << "cs_CZ" << 0.5 << "0,5";
    QTest::newRow("cs thousandth, no exponent") << "cs_CZ" << 0.001 << "0,001";
    QTest::newRow("cs whole") << "cs_CZ" << 90.0 << "90";
    QTest::newRow("cs no group separator") << "cs_CZ" << 123456789.25 << "123456789,25";
    QTest::newRow("cs tiny, no exponent") << "cs_CZ" << 1e-7 << "0,0000001";
    QTest::newRow("en half") << "en_US" << 0.5 << "0.5";
    QTest::newRow("en whole") << "en_US" << 1.0 << "1";
    QTest::newRow("en no group separator") << "en_US" << 1234567.0 << "1234567";
    QTest::newRow("ar western digits, a dot") << "ar_EG" << -12.75 << "-12.75";
    QTest::newRow("fa western digits, a dot") << "fa_IR" << -12.75 << "-12.75";
}

void TestNumberText::writes()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(writeNumber(value, QLocale(locale)), text);
    QCOMPARE(readNumber(text, QLocale(locale)), std::optional(value));
}

void TestNumberText::reads_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("cs comma") << "cs_CZ" << "1,5" << 1.5;
    QTest::newRow("cs dot as plain C") << "cs_CZ" << "0.5" << 0.5;
    QTest::newRow("cs spaces around") << "cs_CZ" << "  -1,25 \t" << -1.25;
    QTest::newRow("cs exponent") << "cs_CZ" << "1e3" << 1000.0;
    QTest::newRow("cs negative zero") << "cs_CZ" << "-0" << 0.0;
    QTest::newRow("en dot") << "en_US" << "1.5" << 1.5;
    QTest::newRow("en huge but finite") << "en_US" << "1e300" << 1e300;
    QTest::newRow("de comma") << "de_DE" << "1,5" << 1.5;
    QTest::newRow("de dot where it cannot group") << "de_DE" << "0.8" << 0.8;
    QTest::newRow("de dot, two decimals") << "de_DE" << "1.25" << 1.25;
    QTest::newRow("de leading dot") << "de_DE" << ".5" << 0.5;
    QTest::newRow("too small to hold") << "cs_CZ" << "1e-400" << 0.0;
    QTest::newRow("too small, negative") << "de_DE" << "-1e-400" << 0.0;
    QTest::newRow("too large for a double") << "cs_CZ" << "1e400" << qInf();
    QTest::newRow("too large, negative") << "en_US" << "-1e309" << -qInf();
    QTest::newRow("ten thousand nines") << "cs_CZ" << QString(10000, u'9') << qInf();
    QTest::newRow("a million ones") << "de_DE" << QString(1000000, u'1') << qInf();
    QTest::newRow("ar as an Arabic desktop writes it") << "ar_EG" << "\u061C-١٫١" << -1.1;
    QTest::newRow("Arabic digits under cs") << "cs_CZ" << "١٢٫٥" << 12.5;
    QTest::newRow("Persian digits") << "cs_CZ" << "۱,۵" << 1.5;
}

void TestNumberText::reads()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(readNumber(text, QLocale(locale)), std::optional(value));
}

void TestNumberText::refuses_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "cs_CZ" << "";
    QTest::newRow("only spaces") << "cs_CZ" << "   ";
    QTest::newRow("word") << "cs_CZ" << "abc";
    QTest::newRow("number then word") << "cs_CZ" << "1,5 kg";
    QTest::newRow("inf") << "cs_CZ" << "inf";
    QTest::newRow("minus inf") << "en_US" << "-inf";
    QTest::newRow("nan") << "cs_CZ" << "nan";
    QTest::newRow("en comma is not a decimal point") << "en_US" << "1,5";
    QTest::newRow("en thousands") << "en_US" << "1,500";
    QTest::newRow("de thousands, not 1.5") << "de_DE" << "1.500";
    QTest::newRow("de thousands, not 1.08") << "de_DE" << "1.080";
    QTest::newRow("de grouped twice") << "de_DE" << "12.345.678";
    QTest::newRow("ten thousand letters") << "en_US" << QString(10000, u'x');
    QTest::newRow("Arabic thousands") << "ar_EG" << "١٬٢٣٤";
}

void TestNumberText::refuses()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(readNumber(text, QLocale(locale)), std::nullopt);
}

// Only text that reads as grouped digits where the locale groups with a dot is ambiguous, and
// the user is told both readings.
void TestNumberText::ambiguousTextNamesBothReadings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: not ambiguous
    QTest::newRow("de thousands") << "de_DE" << "1.500" << "Hodnotu „1.500“ lze číst jako 1500 i jako 1,5. Napište ji bez tečky.";
    QTest::newRow("de millions") << "de_DE" << "12.345.678"
                                 << "Hodnotu „12.345.678“ lze číst jen jako 12345678 s tečkami mezi tisíci. Napište ji bez teček.";
    QTest::newRow("de one decimal") << "de_DE" << "1.5" << "";
    QTest::newRow("cs groups with a space") << "cs_CZ" << "1.500" << "";
}

void TestNumberText::ambiguousTextNamesBothReadings()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const auto ambiguity = ambiguityOf(text, QLocale(locale));
    QCOMPARE(ambiguity ? QString::fromStdString(ambiguity->text) : QString(), message);
}

// On the command line a comma and a dot are both decimal points, under every locale.
void TestNumberText::commandLineNumbersReadAlike_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<double>>("value");
    QTest::newRow("comma") << "0,8" << std::optional(0.8);
    QTest::newRow("dot") << "-0.8" << std::optional(-0.8);
    QTest::newRow("exponent") << "2,5e2" << std::optional(250.0);
    QTest::newRow("groups") << "1.000.000" << std::optional<double>();
    QTest::newRow("both separators") << "1,000.5" << std::optional<double>();
    QTest::newRow("word") << "osm" << std::optional<double>();
}

void TestNumberText::commandLineNumbersReadAlike()
{
    QFETCH(QString, text);
    QFETCH(std::optional<double>, value);
    for (const char *locale : {"cs_CZ", "en_US", "de_DE", "C"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        QCOMPARE(readPlainNumber(text), value);
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
