#include "dialogs/banker_digits_model.h"
#include "dialogs/number_sets_model.h"

#include <QTest>

using namespace pentad::dialogs;

class TestNumberSetDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bankerDigits() {
        BankerDigitsModel m;
        m.open("1,3,5|12;0|0-W");
        QCOMPARE(m.entries(), (QStringList{"1,3,5|12", "0|0-W"}));
        QCOMPARE(m.add(), QStringLiteral("请输入胆码。"));
        m.digits = "2,7";
        QCOMPARE(m.add(), QStringLiteral("请设置胆码出现的次数。"));
        m.counts[0] = m.counts[3] = true;
        m.tolerant = true;
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries().last(), QStringLiteral("2,7|03-W"));
        QVERIFY(m.digits.isEmpty() && !m.tolerant && !m.counts[0]);
        m.pick(2);
        QCOMPARE(m.digits, QStringLiteral("2,7"));
        QVERIFY(m.counts[0] && m.counts[3] && !m.counts[1] && m.tolerant);
        while (m.entries().size() < BankerDigitsModel::kMaxEntries) {
            m.digits = "1";
            m.counts[1] = true;
            QCOMPARE(m.add(), QString());
        }
        m.digits = "9";
        m.counts[1] = true;
        QCOMPARE(m.add(), QStringLiteral("目前胆码设置不能超过 15 条。"));
        QCOMPARE(m.entries().size(), 15);
        QCOMPARE(m.modify(0), QString()); // modifying is possible at 15
        QCOMPARE(m.entries()[0], QStringLiteral("9|1"));
        QCOMPARE(m.fieldText().count(u';'), 15);
    }

    void bankerDigitsTyping() {
        QVERIFY(BankerDigitsModel::acceptsKey("", u'1'));
        QVERIFY(!BankerDigitsModel::acceptsKey("1", u'3'));
        QVERIFY(BankerDigitsModel::acceptsKey("1", u','));
        QVERIFY(!BankerDigitsModel::acceptsKey("1,", u','));
        QVERIFY(BankerDigitsModel::acceptsKey("1,", u'3'));
        QVERIFY(!BankerDigitsModel::acceptsKey("", u'a'));
    }

    void keepAndKillPads() {
        KeepKillModel m(2);
        QCOMPARE(m.title(), QStringLiteral("必杀号设置"));
        m.open("0/0/0/0/0;12345;");
        QCOMPARE(m.entries().size(), 2);
        QCOMPARE(m.fieldText(), QStringLiteral("0/0/0/0/0;12345;"));
        m.clickPad(1, 3);
        m.clickPad(1, KeepKillModel::kAnyPad);
        QVERIFY(!m.chosen(1, 3) && m.chosen(1, KeepKillModel::kAnyPad));
        m.clickPad(1, 5);
        QVERIFY(m.chosen(1, 5) && !m.chosen(1, KeepKillModel::kAnyPad));
        m.clickPad(1, 5);
        m.clickPad(1, KeepKillModel::kAnyPad);
        for (auto [row, pad] : std::vector<std::pair<int, int>>{{0, 3}, {0, 1}, {2, 5}, {3, 0}, {3, 2}})
            m.clickPad(row, pad);
        QCOMPARE(m.add(), QStringLiteral("请正确的设置组合方式。")); // 个 is empty
        m.clickPad(4, 9);
        m.clickPad(4, 7);
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries().last(), QStringLiteral("13/*/5/02/79"));
        QVERIFY(!m.chosen(0, 1));
        m.pick(2);
        QVERIFY(m.combinationMode && m.changeEnabled());
        QVERIFY(m.chosen(0, 1) && m.chosen(0, 3) && m.chosen(1, KeepKillModel::kAnyPad) && !m.chosen(2, 4));
        m.pick(1);
        QVERIFY(!m.combinationMode);
        QCOMPARE(m.memo, QStringLiteral("12345"));
        m.memo = "12345\n00001\n99999";
        QCOMPARE(m.change(), QString());
        QCOMPARE(m.entries()[1], QStringLiteral("12345,00001,99999"));
        m.memo.clear();
        m.add(); // an empty memo adds nothing
        QCOMPARE(m.entries().size(), 3);
    }

    void memoFromAFile() {
        QCOMPARE(KeepKillModel::memoFromFile({"12345", "1234567"}), QStringLiteral("12345,23456,34567"));
        QCOMPARE(KeepKillModel::memoFromFile({"99999", "00001", "99999"}), QStringLiteral("00001,99999"));
        QCOMPARE(KeepKillModel::memoFromFile({"1234", "5"}), QString()); // lines do not run together
        // A megabyte of numbers reads in one pass.
        QStringList big;
        for (int i = 0; i < 170000; ++i)
            big << QStringLiteral("%1").arg(i * 7 % 100000, 5, 10, QLatin1Char('0'));
        QCOMPARE(KeepKillModel::memoFromFile(big).size(), 100000 * 6 - 1);
    }

    void matching() {
        MatchingModel m;
        m.open("");
        m.rows = {"729", "0123456789", "0123456789", "0123456789", ""};
        QCOMPARE(m.add(), QStringLiteral("请正确的设置组合方式。")); // before the counts
        m.rows[4] = "0123456789";
        QCOMPARE(m.add(), QStringLiteral("请设置匹配正确的位置的个数。"));
        m.counts[5] = true;
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries().last(), QStringLiteral("279/0123456789/0123456789/0123456789/0123456789|5"));
        QVERIFY(m.rows[0].isEmpty() && !m.counts[5]);
        m.open("123/45/6/7/89|34-W");
        m.pick(0);
        QCOMPARE(m.rows[1], QStringLiteral("45"));
        QVERIFY(m.counts[3] && m.counts[4] && !m.counts[5] && m.tolerant);
        m.rows[4] = "98";
        QCOMPARE(m.change(), QString());
        QCOMPARE(m.fieldText(), QStringLiteral("123/45/6/7/89|34-W;"));
    }
};

QTEST_GUILESS_MAIN(TestNumberSetDialogs)
#include "tst_number_set_dialogs.moc"
