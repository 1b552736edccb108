// The test wizard's rules without a window: the personal-details checks, the
// age box's keys, reading an age and trimming the name. The wizard on the
// real main window is tested in tests/ui/tst_frmmain.cpp.

#include <QtTest>

#include "dependency/TestWizard.h"

using namespace cindrel;

class TstWizard : public QObject {
    Q_OBJECT

private slots:
    void personalDetailsChecks_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("message"); // empty: the details pass
        QTest::addColumn<int>("box");

        const int name = DetailsProblem::txtName, age = DetailsProblem::txtAge;
        const QString ageRange = QStringLiteral("Please enter your age in years, from 1 to 150");
        QTest::newRow("both empty") << "" << "" << "Please enter your name" << name;
        QTest::newRow("no name, age given") << "" << "30" << "Please enter your name" << name;
        QTest::newRow("name, no age") << "Ann" << "" << "Please enter your age" << age;
        QTest::newRow("pasted letters") << "Ann" << "12a" << ageRange << age;
        QTest::newRow("pasted blank") << "Ann" << " 12" << ageRange << age;
        QTest::newRow("pasted minus") << "Ann" << "-5" << ageRange << age;
        QTest::newRow("zero") << "Ann" << "0" << ageRange << age;
        QTest::newRow("too old") << "Ann" << "151" << ageRange << age;
        QTest::newRow("beyond 16 bits") << "Ann" << "40000" << ageRange << age;
        QTest::newRow("wraps to a small number in 16 bits") << "Ann" << "65566" << ageRange << age;
        QTest::newRow("many digits") << "Ann" << QString(400, u'9') << ageRange << age;
        QTest::newRow("non-ASCII digit") << "Ann" << QStringLiteral("\u0663") << ageRange << age;
        QTest::newRow("blank name passes") << "   " << "30" << "" << -1;
        QTest::newRow("oldest") << "Ann" << "150" << "" << -1;
        // clang-format on
    }

    void personalDetailsChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, age);
        QFETCH(QString, message);
        QFETCH(int, box);
        const auto problem = TestWizard::checkPersonalDetails(name, age);
        QCOMPARE(problem ? problem->message : QString(), message);
        QCOMPARE(problem ? int(problem->box) : -1, box);
    }

    void parseAge_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("age");
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("typical") << "42" << 42;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("nines") << "99" << 99;
        // The characters either side of the digits.
        QTest::newRow("slash") << "1/" << -1;
        QTest::newRow("colon") << "1:" << -1;
        QTest::newRow("upper bound") << "150" << 150;
        QTest::newRow("zeros before a big number") << "0000000000150" << 150;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("32767") << "32767" << -1;
        QTest::newRow("plus sign") << "+5" << -1;
        // clang-format on
    }

    void parseAge()
    {
        QFETCH(QString, text);
        QFETCH(int, age);
        const auto parsed = cindrel::parseAge(text);
        QCOMPARE(parsed ? int(*parsed) : -1, age);
    }

    void ageKeyFilter_data()
    {
        // clang-format off
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("passes");
        for (int digit = '0'; digit <= '9'; ++digit)
            QTest::addRow("digit %c", digit) << digit << true;
        QTest::newRow("backspace") << 8 << true;
        QTest::newRow("letter") << int('a') << false;
        QTest::newRow("blank") << 32 << false;
        QTest::newRow("minus") << int('-') << false;
        QTest::newRow("full stop") << int('.') << false;
        QTest::newRow("enter") << 13 << false;
        QTest::newRow("ctrl+v") << 22 << false;
        QTest::newRow("non-ASCII") << 0x0663 << false;
        // clang-format on
    }

    void ageKeyFilter()
    {
        QFETCH(int, code);
        QFETCH(bool, passes);
        QCOMPARE(TestWizard::isAgeKey(code), passes);
    }

    void trimBlanksOnlyTrimsSpaces()
    {
        QCOMPARE(trimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(trimBlanks(QStringLiteral("\tAnn\n")), QStringLiteral("\tAnn\n"));
        QCOMPARE(trimBlanks(QStringLiteral("     ")), QString());
    }
};

QTEST_APPLESS_MAIN(TstWizard)
#include "tst_wizard.moc"
