// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <answercheck.h>
#include <catalogue.h>

#include <QTest>

using namespace core;

class TestAnswerCheck : public QObject
{
    Q_OBJECT

private slots:
    void normalising_data();
    void normalising();
    void judging_data();
    void judging();
};

void TestAnswerCheck::normalising_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("capitals") << "Nassau GROUPER"
                              << "nassaugrouper";
    QTest::newRow("leading_blanks") << "   hogfish"
                                    << "hogfish";
    QTest::newRow("trailing_blanks") << "hogfish  "
                                     << "hogfish";
    QTest::newRow("doubled_blanks_between") << "hog  fi sh"
                                            << "hogfish";
    QTest::newRow("tab_kept") << "hog\tfish"
                              << "hog\tfish";
    QTest::newRow("no_break_space_kept")
        << QStringLiteral("hog\u00a0fish") << QStringLiteral("hog\u00a0fish");
    QTest::newRow("punctuation_kept") << "Hog-fish's."
                                      << "hog-fish's.";
    QTest::newRow("non_ascii_capital_lowered")
        << QStringLiteral("\u00c4B C") << QStringLiteral("\u00e4bc");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("blanks_only") << "     "
                                 << "";
}

void TestAnswerCheck::normalising()
{
    QFETCH(QString, typed);
    QFETCH(QString, normalised);
    QCOMPARE(normalisedAnswer(typed), normalised);
}

void TestAnswerCheck::judging_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("correct");

    QTest::newRow("revealed_name_as_shown") << 1 << "Yellowtail Snapper" << true;
    QTest::newRow("any_letter_case") << 1 << "yElLoWtAiL sNaPpEr" << true;
    QTest::newRow("all_capitals") << 1 << "YELLOWTAIL SNAPPER" << true;
    QTest::newRow("blanks_before") << 1 << "   Yellowtail Snapper" << true;
    QTest::newRow("blanks_after") << 1 << "Yellowtail Snapper   " << true;
    QTest::newRow("doubled_blanks_between") << 1 << "Yellowtail    Snapper" << true;
    QTest::newRow("no_blank") << 1 << "yellowtailsnapper" << true;
    QTest::newRow("second_accepted_form") << 1 << "Yellowtailed Snapper" << true;
    QTest::newRow("tab_between_is_wrong") << 1 << "Yellowtail\tSnapper" << false;
    QTest::newRow("no_break_space_is_wrong")
        << 1 << QStringLiteral("Yellowtail\u00a0Snapper") << false;
    QTest::newRow("misspelt") << 1 << "Yelowtail Snapper" << false;
    QTest::newRow("part_of_the_name") << 1 << "Snapper" << false;

    QTest::newRow("hyphen_only_on_16") << 16 << "Blue-green Wrasse" << true;
    QTest::newRow("no_hyphen_on_16") << 16 << "Bluegreen Wrasse" << true;
    QTest::newRow("hyphen_on_5_is_wrong") << 5 << "Blue-Tang" << false;
    QTest::newRow("hyphen_on_1_is_wrong") << 1 << "Yellow-tail Snapper" << false;

    QTest::newRow("digit_form_on_18") << 18 << "4 Eye Butterfly" << true;
    QTest::newRow("words_on_18") << 18 << "four eye butterfly" << true;
    QTest::newRow("hyphenated_on_18_is_wrong") << 18 << "Four-Eye Butterfly" << false;

    QTest::newRow("row_34_gray_angel") << 34 << "gray angel" << true;
    QTest::newRow("row_34_angel_gray_capitals") << 34 << "ANGEL GRAY" << true;
    QTest::newRow("row_34_grayangel_written_together") << 34 << "GrayAngel" << true;
    QTest::newRow("row_34_angelgray_written_together") << 34 << "angelgray" << true;
    QTest::newRow("row_34_angelfish_gray") << 34 << "Angelfish Gray" << true;
    QTest::newRow("row_34_grey_is_wrong") << 34 << "Grey Angelfish" << false;

    QTest::newRow("row_41_flounder") << 41 << "flounder" << true;
    QTest::newRow("row_41_peacock_with_blank") << 41 << "peacock flounder" << true;
    QTest::newRow("row_41_peacock_without_blank") << 41 << "peacockflounder" << true;
    QTest::newRow("row_41_peacock_capitals") << 41 << "PEACOCK FLOUNDER" << true;

    QTest::newRow("row_31_each_order") << 31 << "Rock Beauty Angelfish" << true;
    QTest::newRow("row_32_short_form") << 32 << "Eagle Ray" << true;
    QTest::newRow("row_2_words_swapped") << 2 << "Jack Crevalle" << true;

    QTest::newRow("prompt_is_never_right") << 1 << "REEFWISE" << false;
    QTest::newRow("blanks_only_is_never_right") << 9 << "      " << false;
    QTest::newRow("empty_is_never_right") << 9 << "" << false;
    QTest::newRow("full_stop_kept_and_wrong") << 25 << "Hogfish." << false;
    QTest::newRow("very_long_text") << 25 << QString(100000, QLatin1Char('h')) << false;
    QTest::newRow("long_text_of_blanks_around_name")
        << 25 << QString(50000, QLatin1Char(' ')) + "hogfish" + QString(50000, QLatin1Char(' '))
        << true;
    QTest::newRow("emoji") << 25 << QStringLiteral("hog\U0001F41Ffish") << false;
    QTest::newRow("right_to_left_text") << 25 << QStringLiteral("\u05d3\u05d2") << false;
    QTest::newRow("control_characters") << 25 << QStringLiteral("hog\u0000\u0007fish") << false;
    QTest::newRow("lone_surrogate") << 25 << QString(QChar(0xd800)) << false;
}

void TestAnswerCheck::judging()
{
    QFETCH(int, number);
    QFETCH(QString, typed);
    QFETCH(bool, correct);
    QCOMPARE(isAcceptedAnswer(fishRow(number), typed), correct);
}

QTEST_APPLESS_MAIN(TestAnswerCheck)
#include "tst_answercheck.moc"
