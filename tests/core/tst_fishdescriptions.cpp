// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <catalogue.h>
#include <fishdescriptions.h>

#include <QSet>
#include <QTest>

using namespace core;

namespace {

// Words of a fish's name that are also the very marks a description has to
// speak of: the blue of the blue fish, the yellow and green of the yellow and
// green ones, the false eye of the four-eyed one. "fish" is the plain noun.
const QSet<QString> &allowedNameWords()
{
    static const QSet<QString> words{QStringLiteral("blue"), QStringLiteral("yellow"),
                                     QStringLiteral("green"), QStringLiteral("eye"),
                                     QStringLiteral("fish")};
    return words;
}

// Lower-case runs of letters; digits, blanks, hyphens and stops all split.
QStringList letterWords(const QString &text)
{
    QStringList words;
    QString word;
    for (const QChar c : text.toLower()) {
        if (c.isLetter()) {
            word += c;
        } else if (!word.isEmpty()) {
            words += word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words += word;
    return words;
}

// The name's words, and the halves of compounds such as "stingray" or
// "angelfish", since "ray" or "angel" alone gives the answer away too.
QSet<QString> forbiddenWords(const FishRow &row)
{
    QSet<QString> forbidden;
    for (const QString &word : letterWords(row.revealedName)) {
        forbidden += word;
        for (const QString &family :
             {QStringLiteral("fish"), QStringLiteral("ray"), QStringLiteral("horse")}) {
            if (word.size() > family.size() && word.endsWith(family)) {
                forbidden += word.chopped(family.size());
                forbidden += family;
            }
        }
    }
    return forbidden - allowedNameWords();
}

void addOneRowPerFish()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= FishCount; ++n) {
        const QString name = letterWords(fishRow(n).revealedName).join(u'_');
        QTest::addRow("fish_%d_%s", n, qPrintable(name)) << n;
    }
}

} // namespace

class TestFishDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void nameStaysOut_data();
    void nameStaysOut();
    void lengthSuitsAScreenReader_data();
    void lengthSuitsAScreenReader();
    void descriptionsAreDistinct();
    void numbersOutsideTheQuizHaveNoDescription_data();
    void numbersOutsideTheQuizHaveNoDescription();
};

void TestFishDescriptions::nameStaysOut_data()
{
    addOneRowPerFish();
}

void TestFishDescriptions::nameStaysOut()
{
    QFETCH(int, number);
    const FishRow &row = fishRow(number);
    const QString description = fishDescription(number);
    const QStringList words = letterWords(description);
    const QString squeezed = words.join(QString());

    for (const QString &answer : row.accepted) {
        const QString squeezedAnswer = letterWords(answer).join(QString());
        QVERIFY2(!squeezed.contains(squeezedAnswer), qPrintable(answer));
    }

    const QSet<QString> forbidden = forbiddenWords(row);
    for (qsizetype i = 0; i < words.size(); ++i) {
        QVERIFY2(!forbidden.contains(words.at(i)), qPrintable(words.at(i)));
        // "yellow tail" says "yellowtail" as plainly as the one word does
        if (i + 1 < words.size()) {
            const QString pair = words.at(i) + words.at(i + 1);
            QVERIFY2(!forbidden.contains(pair), qPrintable(pair));
        }
    }
}

void TestFishDescriptions::lengthSuitsAScreenReader_data()
{
    addOneRowPerFish();
}

void TestFishDescriptions::lengthSuitsAScreenReader()
{
    QFETCH(int, number);
    const QString description = fishDescription(number);
    const qsizetype words = description.split(u' ', Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 15 && words <= 40, qPrintable(QString::number(words)));
    QVERIFY(description.endsWith(u'.'));
}

void TestFishDescriptions::descriptionsAreDistinct()
{
    QSet<QString> seen;
    for (int n = 1; n <= FishCount; ++n)
        seen += fishDescription(n);
    QCOMPARE(seen.size(), FishCount);
}

void TestFishDescriptions::numbersOutsideTheQuizHaveNoDescription_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("one_past_the_last") << FishCount + 1;
}

void TestFishDescriptions::numbersOutsideTheQuizHaveNoDescription()
{
    QFETCH(int, number);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, fishDescription(number));
}

QTEST_APPLESS_MAIN(TestFishDescriptions)
#include "tst_fishdescriptions.moc"
