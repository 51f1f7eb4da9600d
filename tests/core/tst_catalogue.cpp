// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <answercheck.h>
#include <catalogue.h>

#include <QTest>

using namespace core;

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreNumberedInQuizOrder();
    void screenNamesCarryTheirNumber();
    void acceptedAnswerCount_data();
    void acceptedAnswerCount();
    void acceptedAnswersAreLowerCase();
    void revealedNameNormalisesToItsAcceptedAnswer_data();
    void revealedNameNormalisesToItsAcceptedAnswer();
    void revealedNameIsRightOnlyOnItsOwnRow();
    void numbersOutsideTheQuizHaveNoRow_data();
    void numbersOutsideTheQuizHaveNoRow();
};

void TestCatalogue::rowsAreNumberedInQuizOrder()
{
    for (int n = 1; n <= FishCount; ++n)
        QCOMPARE(fishRow(n).number, n);
}

void TestCatalogue::screenNamesCarryTheirNumber()
{
    for (int n = 1; n <= FishCount; ++n) {
        const QString prefix = QStringLiteral("frm%1").arg(n);
        const QString screen = fishRow(n).screen;
        QVERIFY2(screen.startsWith(prefix) && !screen.at(prefix.size()).isDigit(),
                 qPrintable(screen));
    }
    QCOMPARE(fishRow(5).screen, QStringLiteral("frm5BlueTang2"));
    QCOMPARE(fishRow(31).screen, QStringLiteral("frm31RockBeautyAngelfish"));
    QCOMPARE(fishRow(32).screen, QStringLiteral("frm32EagleRay"));
    QCOMPARE(fishRow(47).screen, QStringLiteral("frm47RainbowParrotfish"));
}

void TestCatalogue::acceptedAnswerCount_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("count");
    const QList<int> two{1, 2, 3, 4, 16, 18, 19, 32, 36, 41};
    for (int n = 1; n <= FishCount; ++n) {
        const int count = n == 34 ? 6 : n == 31 ? 3 : two.contains(n) ? 2 : 1;
        QTest::addRow("row_%d", n) << n << count;
    }
}

void TestCatalogue::acceptedAnswerCount()
{
    QFETCH(int, number);
    QFETCH(int, count);
    QCOMPARE(fishRow(number).accepted.size(), count);
}

void TestCatalogue::acceptedAnswersAreLowerCase()
{
    for (int n = 1; n <= FishCount; ++n)
        for (const QString &answer : fishRow(n).accepted)
            QCOMPARE(answer, answer.toLower());
}

void TestCatalogue::revealedNameNormalisesToItsAcceptedAnswer_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("acceptedIndex");
    for (int n = 1; n <= FishCount; ++n)
        QTest::addRow("row_%d", n) << n << (n == 31 ? 2 : n == 32 ? 1 : 0);
}

void TestCatalogue::revealedNameNormalisesToItsAcceptedAnswer()
{
    QFETCH(int, number);
    QFETCH(int, acceptedIndex);
    const FishRow &row = fishRow(number);
    QCOMPARE(normalisedAnswer(row.revealedName), normalisedAnswer(row.accepted.at(acceptedIndex)));
}

void TestCatalogue::revealedNameIsRightOnlyOnItsOwnRow()
{
    for (int n = 1; n <= FishCount; ++n) {
        const QString typed = fishRow(n).revealedName;
        for (int other = 1; other <= FishCount; ++other)
            QVERIFY2(isAcceptedAnswer(fishRow(other), typed) == (other == n),
                     qPrintable(QStringLiteral("%1 on row %2").arg(typed).arg(other)));
    }
}

void TestCatalogue::numbersOutsideTheQuizHaveNoRow_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one_past_the_last") << 48;
}

void TestCatalogue::numbersOutsideTheQuizHaveNoRow()
{
    QFETCH(int, number);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, fishRow(number));
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
