#include "attributes/draw_relations.h"
#include "attributes/group_forms.h"
#include "attributes/history_classes.h"
#include "attributes/number_attributes.h"
#include "attributes/position_set.h"
#include "attributes/share_unit.h"

#include <QTest>

using namespace pentad::attr;

class TestNumberAttributes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeNumber_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("expected"); // sum tail span ac weighted reverse rem3
                                                  // consecutive groups same sameGroups
        QTest::newRow("00000") << 0 << QList<int>{0, 0, 0, 1, 0, 0, 0, 0, 0, 5, 1};
        QTest::newRow("01234") << 1234 << QList<int>{10, 0, 4, 4, 20, 40, 4, 5, 1, 0, 0};
        QTest::newRow("90901") << 90901 << QList<int>{19, 9, 9, 4, 73, 41, 1, 2, 1, 4, 2};
        QTest::newRow("11223") << 11223 << QList<int>{9, 9, 2, 3, 22, 32, 6, 3, 1, 4, 2};
        QTest::newRow("13579") << 13579 << QList<int>{25, 5, 8, 4, 55, 95, 4, 0, 0, 0, 0};
        QTest::newRow("88889") << 88889 << QList<int>{41, 1, 1, 2, 121, 125, 8, 2, 1, 4, 1};
    }
    void wholeNumber() {
        QFETCH(int, n);
        QFETCH(QList<int>, expected);
        const Digits d = digitsOf(n);
        const QList<int> actual{digitSum(d),      sumTail(d),         span(d),
                                acValue(d),       weightedSum(d),     reverseWeightedSum(d),
                                remainderSum(d, 3), consecutive(d).count, consecutive(d).groups,
                                same(d).count,    same(d).groups};
        QCOMPARE(actual, expected);
    }

    void adjacentDistancesAndCodes() {
        const Digits zero = digitsOf(0);
        const Digits d = digitsOf(90901);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(adjacentDistance(zero, i), 0);
        QCOMPARE((QList<int>{adjacentDistance(d, 0), adjacentDistance(d, 1), adjacentDistance(d, 2),
                             adjacentDistance(d, 3)}),
                 (QList<int>{9, 9, 9, 1}));
        QCOMPARE(maxAdjacentDistance(d), 9);
        QCOMPARE(minAdjacentDistance(d), 1);
        QCOMPARE(adjacentDistanceKinds(d), 2);
        QCOMPARE(twoCode(d, 0), 90);
        QCOMPARE(twoCode(d, 3), 1);
        QCOMPARE(frontThree(d), 909);
        QCOMPARE(valueRemainder(d, 23), 90901 % 23);
    }

    void extremePositionsOnTies() {
        QCOMPARE(maxPositions(digitsOf(95921)), 0b00101); // 万 and 百
        QCOMPARE(minPositions(digitsOf(10001)), 0b01110); // 千 百 十
        QCOMPARE(maxPositions(digitsOf(0)), 0b11111);
    }

    void classSumsAndCounts() {
        QCOMPARE(routeGroupText(routeGroup(digitsOf(3147))), QStringLiteral("2:3:0"));
        QCOMPARE(size3GroupText(size3Group(digitsOf(95021))), QStringLiteral("3小1中1大"));
        QCOMPARE(toText(size3Pattern(digitsOf(95021))), QStringLiteral("大中小小小"));
        QCOMPARE(primeSum(digitsOf(12345)), 11);
        QCOMPARE(compositeSum(digitsOf(12345)), 4);
        QCOMPARE(routeSum(digitsOf(12345), 1), 5);
        QCOMPARE(tailSize3(digitsOf(12345)), 2); // tail 5 is middle
    }

    void positionSets_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QList<int>>("expected"); // size sum mean span odd chained string
        QTest::newRow("两位 1 and 2") << 12 << "21" << QList<int>{2, 3, 2, 1, 1, 1, 12};
        QTest::newRow("all five of 12321") << 12321 << "54321" << QList<int>{5, 9, 2, 2, 3, 1, 12321};
        QTest::newRow("order as written") << 12345 << "53" << QList<int>{2, 4, 2, 2, 2, 2, 13};
        QTest::newRow("code twice counts twice") << 12345 << "55" << QList<int>{2, 2, 1, 0, 2, 0, 11};
        QTest::newRow("bad codes dropped") << 12345 << "7a0-5" << QList<int>{1, 1, 1, 0, 1, 1, 1};
        QTest::newRow("nothing valid") << 12345 << "98" << QList<int>{0, 0, 0, 0, 0, 0, 0};
    }
    void positionSets() {
        QFETCH(int, n);
        QFETCH(QString, codes);
        QFETCH(QList<int>, expected);
        const Digits d = digitsOf(n);
        const PositionSet p(codes);
        const QList<int> actual{p.size(),      sumAt(d, p),              roundedMeanAt(d, p),
                                spanAt(d, p),  oddCountAt(d, p),         chainedDifferenceAt(d, p),
                                static_cast<int>(digitStringAt(d, p))};
        QCOMPARE(actual, expected);
    }

    void classPatterns() {
        const Digits d = digitsOf(12345);
        QCOMPARE(toText(classPatternAt(d, PositionSet(u"531"), PatternFamily::Parity)),
                 QStringLiteral("奇Ｘ奇Ｘ奇"));
        QCOMPARE(toText(classPatternAt(d, PositionSet(u"54321"), PatternFamily::Size)),
                 QStringLiteral("小小小小大"));
        QCOMPARE(toText(classPatternAt(d, PositionSet(u"21"), PatternFamily::Prime)),
                 QStringLiteral("ＸＸＸ合质"));
        QCOMPARE(toText(classPatternAt(d, PositionSet(u"543"), PatternFamily::Route)),
                 QStringLiteral("120XX"));
        QCOMPARE(toText(classPatternAt(d, PositionSet(u"x"), PatternFamily::Route)),
                 QStringLiteral("XXXXX"));
    }

    void zonesAndBankers() {
        const std::array<DigitMask, 5> zones = {digitMaskOf(u"01"), digitMaskOf(u"23"), digitMaskOf(u"45"),
                                                digitMaskOf(u"67"), digitMaskOf(u"89")};
        QCOMPARE(zoneCount(digitsOf(1), zones), 1);
        QCOMPARE(zoneCount(digitsOf(13579), zones), 5);
        // Overlapping zones: the first zone that holds a digit wins.
        const std::array<DigitMask, 5> overlapping = {digitMaskOf(u"0123"), digitMaskOf(u"3456"), 0, 0, 0};
        QCOMPARE(zoneCount(digitsOf(33333), overlapping), 1);
        QCOMPARE(zoneCount(digitsOf(99999), overlapping), 0);
        QCOMPARE(bankerHits(digitsOf(11223), digitMaskOf(u"1,2"), false), 4);
        QCOMPARE(bankerHits(digitsOf(11223), digitMaskOf(u"1,2"), true), 2);
    }

    void relations() {
        const Digits c = digitsOf(12345);
        QCOMPARE(positionalMatches(c, digitsOf(12999)), 2);
        QCOMPARE(commonDigits(digitsOf(11223), digitsOf(12345)), 3);
        QCOMPARE(commonDigits(digitsOf(11111), digitsOf(12341)), 2);
        QVERIFY(groupEqual(c, digitsOf(54321)));
        QVERIFY(!groupEqual(digitsOf(11234), digitsOf(12234)));
        QVERIFY(sameTwoCode(c, digitsOf(99459), 2) == false);
        QVERIFY(sameTwoCode(c, digitsOf(99349), 2));
        QVERIFY(sameRoutePattern(c, digitsOf(45678)));
        QVERIFY(sameSize3Pattern(digitsOf(3456), digitsOf(23456)));
        QVERIFY(sameAdjacentDistances(c, digitsOf(56789)));
        QVERIFY(sameWeightedSum(c, c));
        QVERIFY(sameRemainderSums56(digitsOf(5), digitsOf(0)) == false);
    }

    void neighbourClasses() {
        // Latest draw 12345: 传 1..5, 邻 0 and 6, 孤 7 8 9.
        const ClassSets lgc = neighbourSets(digitsOf(12345));
        QCOMPARE(setText(lgc.sets[0]), QStringLiteral("06"));
        QCOMPARE(setText(lgc.sets[1]), QStringLiteral("789"));
        QCOMPARE(setText(lgc.sets[2]), QStringLiteral("12345"));
        // 0 neighbours 9; a digit of the draw is 传 even when it neighbours another one.
        const ClassSets wrap = neighbourSets(digitsOf(90000));
        QCOMPARE(setText(wrap.sets[2]), QStringLiteral("09"));
        QCOMPARE(setText(wrap.sets[0]), QStringLiteral("18"));
        QCOMPARE(classGroupText(classGroup(digitsOf(16789), lgc), kNeighbourSymbols),
                 QStringLiteral("1邻3孤1传"));
        QCOMPARE(classPatternText(digitsOf(16789), lgc, kNeighbourSymbols), QStringLiteral("传邻孤孤孤"));
        // Hand-written sets: the first set in priority order wins, digits in none add nothing.
        const ClassSets partial{{digitMaskOf(u"1"), digitMaskOf(u"12"), 0}};
        QCOMPARE(classPatternText(digitsOf(12399), partial, kNeighbourSymbols), QStringLiteral("邻孤"));
        QCOMPARE(classGroup(digitsOf(12399), partial), 110);

        const ClassSets fgz = repeatSets(digitsOf(12345), digitsOf(56789));
        QCOMPARE(setText(fgz.sets[0]), QStringLiteral("12345"));
        QCOMPARE(setText(fgz.sets[1]), QStringLiteral("6789"));
        QCOMPARE(setText(fgz.sets[2]), QStringLiteral("0"));
        QCOMPARE(classGroupText(classGroup(digitsOf(10069), fgz), kRepeatSymbols), QStringLiteral("1复2隔2中"));
    }

    void groupTwoCodesOf12321() {
        const auto codes = groupTwoCodes(digitsOf(12321));
        const QList<int> actual(codes.begin(), codes.end());
        QCOMPARE(actual, (QList<int>{12, 13, 12, 11, 23, 22, 12, 23, 13, 12}));
    }

    void shareUnit() {
        QCOMPARE(SortPair(73), 37);
        QCOMPARE(SortPair(37), 37);
        QCOMPARE(SortPair(0), 0);
        QCOMPARE(SortTriple(907), 79);
        QCOMPARE(SortTriple(321), 123);
        QCOMPARE(Binomial(10, 0), 1);
        QCOMPARE(Binomial(10, 2), 45);
        QCOMPARE(Binomial(10, 5), 252);
        QCOMPARE(Binomial(3, 5), 0);
        QCOMPARE(KthCombination(10, 2, 1), QStringLiteral("01"));
        QCOMPARE(KthCombination(10, 2, 10), QStringLiteral("12"));
        QCOMPARE(KthCombination(10, 2, 45), QStringLiteral("89"));
        QCOMPARE(KthCombination(10, 6, 210), QStringLiteral("456789"));
        QCOMPARE(KthCombination(4, 2, 1), QStringLiteral("67"));
        QCOMPARE(KthCombination(10, 0, 1), QString());
        QCOMPARE(KthCombination(10, 2, 46), QString());
        QCOMPARE(SpanOfFive(digitsOf(90901)), 9);
        QCOMPARE(SpanOfFive(digitsOf(55555)), 0);
    }

    void roundedMeans() {
        QCOMPARE(roundedMean(digitsOf(12321)), 2);
        QCOMPARE(roundedMean(digitsOf(99999)), 9);
        QCOMPARE(roundedMean(digitsOf(1)), 0);
        QCOMPARE(roundedMean(digitsOf(3)), 1); // 3 + 2 = 5, div 5
    }
};

QTEST_GUILESS_MAIN(TestNumberAttributes)
#include "tst_number_attributes.moc"
