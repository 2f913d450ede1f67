#include "attributes/number_attributes.h"
#include "filter/engine.h"
#include "filter/position_pads.h"
#include "filter/value_syntax.h"

#include <QTest>

using namespace pentad;
using namespace pentad::filter;

namespace {

// Whether every entry of an entry list holds for a number, with the attribute over P.
template <class Attribute> bool allEntriesPass(const QString& text, int n, Attribute attribute) {
    const attr::Digits d = attr::digitsOf(n);
    for (const Entry& entry : parseEntryList(text))
        if (!entry.values.contains(attribute(d, entry.positions)))
            return false;
    return true;
}

} // namespace

class TestFilterSyntax : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void padClicksAndQuickChoices() {
        QCOMPARE(toggleDigit("0124", 3), QStringLiteral("01243"));
        QCOMPARE(toggleDigit("01243", 3), QStringLiteral("0124"));
        QCOMPARE(toggleDigit("3303", 3), QStringLiteral("0")); // every occurrence goes
        QVERIFY(!acceptsTypedDigit("125", u'5'));
        QVERIFY(acceptsTypedDigit("125", u'6'));
        QVERIFY(!acceptsTypedDigit("125", u'a'));
        QCOMPARE(applyQuickChoice("13579", QuickChoice::Invert), QStringLiteral("02468"));
        QCOMPARE(applyQuickChoice("", QuickChoice::Invert), kAllDigits);
        QCOMPARE(applyQuickChoice(kAllDigits, QuickChoice::Invert), QString());
        QCOMPARE(applyQuickChoice("97", QuickChoice::Invert), QStringLiteral("01234568"));
        QCOMPARE(applyQuickChoice("1", QuickChoice::Big), QStringLiteral("56789"));
        QCOMPARE(applyQuickChoice("1", QuickChoice::None), QStringLiteral("1"));
    }

    void candidateSpaces() {
        const auto space = [](const std::array<QString, 5>& pads) {
            FilterPlan plan;
            plan.pads = pads;
            std::vector<int> numbers;
            for (const FilterResult& r : runFilter(plan).results)
                numbers.push_back(r.number);
            return numbers;
        };
        QCOMPARE(space({"1", "2", "3", "4", "5"}), std::vector<int>{12345});
        QCOMPARE(space({kAllDigits, kAllDigits, kAllDigits, kAllDigits, kAllDigits}).size(), std::size_t(100000));
        QCOMPARE(candidateCount({kAllDigits, kAllDigits, kAllDigits, kAllDigits, kAllDigits}), std::size_t(100000));
        QCOMPARE(candidateCount({"90", "1", "1", "1", "87"}), std::size_t(4));
        QVERIFY(space({"", kAllDigits, kAllDigits, kAllDigits, kAllDigits}).empty());
        QCOMPARE(space({"90", "1", "1", "1", "87"}), (std::vector<int>{1117, 1118, 91117, 91118}));
    }

    void valueLists_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("form"); // 0 decimal, 1 two-digit code
        QTest::addColumn<QList<int>>("in");
        QTest::addColumn<QList<int>>("out");
        QTest::newRow("decimal") << "3,4,10" << 0 << QList<int>{3, 4, 10} << QList<int>{0, 1, 34, 410};
        QTest::newRow("empty names nothing") << "" << 0 << QList<int>{} << QList<int>{0};
        QTest::newRow("leading zero is another text") << "07,0" << 0 << QList<int>{0} << QList<int>{7};
        QTest::newRow("codes") << "07,12" << 1 << QList<int>{7, 12} << QList<int>{1, 2};
        QTest::newRow("one-character code never matches") << "7" << 1 << QList<int>{} << QList<int>{7};
        QTest::newRow("junk and blanks") << "a,1 ,-2,,5," << 0 << QList<int>{5} << QList<int>{1, 2};
    }
    void valueLists() {
        QFETCH(QString, text);
        QFETCH(int, form);
        QFETCH(QList<int>, in);
        QFETCH(QList<int>, out);
        const ValueSet set = parseValueList(text, form ? ValueForm::TwoDigitCode : ValueForm::Decimal);
        for (int v : in)
            QVERIFY2(set.contains(v), qPrintable(QString::number(v)));
        for (int v : out)
            QVERIFY2(!set.contains(v), qPrintable(QString::number(v)));
        QVERIFY(!set.contains(-1));
        QVERIFY(!set.contains(100000));
    }

    void entryListsOfTheCatalogue() {
        // 和值 54321|10,11,12;531|3,4; passes 17201 and fails 10300.
        const auto sum = [](const attr::Digits& d, const attr::PositionSet& p) { return attr::sumAt(d, p); };
        QVERIFY(allEntriesPass("54321|10,11,12;531|3,4;", 17201, sum));
        QVERIFY(!allEntriesPass("54321|10,11,12;531|3,4;", 10300, sum));
        // The final ";" deleted: both entries still count.
        QCOMPARE(parseEntryList(u"54321|10,11,12;531|3,4").size(), std::size_t(2));
        QVERIFY(!allEntriesPass("54321|10,11,12;531|3,4", 17202, sum));
        // 均值 54|2; passes 12345 and fails 11345.
        const auto mean = [](const attr::Digits& d, const attr::PositionSet& p) { return attr::roundedMeanAt(d, p); };
        QVERIFY(allEntriesPass("54|2;", 12345, mean));
        QVERIFY(!allEntriesPass("54|2;", 11345, mean));
        // An empty field has no entries and passes.
        QVERIFY(parseEntryList(u"").empty());
    }

    void entriesTheDialogsNeverWrite() {
        // No "|", no valid position, empty entries: skipped. Codes outside 1..5 are dropped.
        QVERIFY(parseEntryList(u"10,11;;|5;67|5;").empty());
        const auto entries = parseEntryList(u"5x9|1,a;");
        QCOMPARE(entries.size(), std::size_t(1));
        QCOMPARE(entries[0].positions.size(), 1);
        QVERIFY(entries[0].values.contains(1));
        QVERIFY(!entries[0].values.isEmpty());
        // A very long text is parsed without trouble.
        const QString huge = QString(QStringLiteral("54321|10;")).repeated(100000);
        QCOMPARE(parseEntryList(huge).size(), std::size_t(100000));
    }

    void digitEntries() {
        const auto entries = parseDigitEntryList(u"13|5,9;x|1;02|0");
        QCOMPARE(entries.size(), std::size_t(2));
        QCOMPARE(entries[0].digits, attr::DigitMask(0b1010));
        QVERIFY(entries[0].values.contains(9));
        QCOMPARE(entries[1].digits, attr::DigitMask(0b101));
    }

    void patternEntries() {
        const auto entries = parsePatternEntryList(u"54|奇偶ＸＸＸ;");
        QCOMPARE(entries.size(), std::size_t(1));
        const auto parity = [&](int n) {
            return entries[0].matches(attr::classPatternAt(attr::digitsOf(n), entries[0].positions,
                                                           attr::PatternFamily::Parity));
        };
        QVERIFY(parity(30123));
        QVERIFY(!parity(31000));
        const auto two = parsePatternEntryList(u"21|XXX01,XXX20");
        QVERIFY(two[0].matches(attr::classPatternAt(attr::digitsOf(12334), two[0].positions,
                                                    attr::PatternFamily::Route)));
    }

    void fiveGroups() {
        const auto groups = parseFiveGroups(u"13/*/5/02/79");
        QVERIFY(groups);
        QCOMPARE((*groups)[0], attr::DigitMask(0b1010));
        QCOMPARE((*groups)[1], attr::DigitMask(0x3FF));
        QCOMPARE((*groups)[4], attr::DigitMask((1 << 7) | (1 << 9)));
        QVERIFY(!parseFiveGroups(u"1/2/3/4"));
        QVERIFY(!parseFiveGroups(u"1/2/3/4/5/6"));
        QCOMPARE((*parseFiveGroups(u"//*/a/"))[0], attr::DigitMask(0));
    }

    void tolerantEntries() {
        const auto entries = parseTolerantEntries(u"1,2|3-W;4|5;6|7-W");
        QCOMPARE(entries.size(), std::size_t(3));
        QCOMPARE(entries[0].body, QStringLiteral("1,2|3"));
        QVERIFY(entries[0].tolerant);
        QVERIFY(!entries[1].tolerant);
        QVERIFY(entries[2].tolerant);
        QCOMPARE(entries[2].body, QStringLiteral("6|7"));
    }
};

QTEST_GUILESS_MAIN(TestFilterSyntax)
#include "tst_filter_syntax.moc"
