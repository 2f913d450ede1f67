#include "dialogs/value_list_models.h"

#include <QTest>

using namespace pentad::dialogs;

namespace {

QStringList texts(const EntryDialogModel& m) {
    QStringList t;
    for (const ChecklistItem& i : m.checklist())
        t << i.text;
    return t;
}

QStringList checked(const EntryDialogModel& m) {
    QStringList t;
    for (const ChecklistItem& i : m.checklist())
        if (i.checked)
            t << i.text;
    return t;
}

void check(EntryDialogModel& m, const QStringList& values) {
    const QStringList all = texts(m);
    for (const QString& v : values)
        m.setChecked(static_cast<int>(all.indexOf(v)), true);
}

QStringList range(int from, int to) {
    QStringList t;
    for (int v = from; v <= to; ++v)
        t << QString::number(v);
    return t;
}

} // namespace

class TestValueListDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sumOpensOnTheField() {
        SumDialogModel m(1);
        m.open("");
        QVERIFY(m.entries().isEmpty());
        QCOMPARE(m.positionString(), QStringLiteral("54321"));
        QCOMPARE(texts(m), range(0, 45));
        m.open("543|10,12;21|3");
        QCOMPARE(m.entries(), (QStringList{"543|10,12", "21|3"}));
        QCOMPARE(m.fieldText(), QStringLiteral("543|10,12;21|3;"));
        m.open("a;;b;"); // hand-typed pieces are kept as they are
        QCOMPARE(m.entries(), (QStringList{"a", "", "b"}));
        QCOMPARE(m.fieldText(), QStringLiteral("a;;b;"));
    }

    void valuesPerKindAndPositions() {
        SumDialogModel big(5);
        big.open("");
        for (int code : {4, 3, 2})
            big.setTicked(code, false); // 万 and 个
        QCOMPARE(texts(big), QStringList{"0"} + range(5, 18));
        big.selectRange(5, 9);
        QCOMPARE(checked(big), range(5, 9));
        big.selectRange(9, 5); // start above end: nothing
        QCOMPARE(checked(big), range(5, 9));
        SumDialogModel odd(7);
        odd.open("");
        QCOMPARE(texts(odd), range(0, 37) + (QStringList{"39", "41", "43", "45"}));
        SumDialogModel remainder(13);
        remainder.open("");
        QCOMPARE(texts(remainder), range(0, 30));
        SumDialogModel count(16);
        count.open("");
        count.setTicked(1, false);
        QCOMPARE(texts(count), range(0, 4));
        QCOMPARE(SumDialogModel::caption(9), QStringLiteral("除3余数和设定"));
        QCOMPARE(SumDialogModel::field(3), QStringLiteral("txtSKuaDu"));
    }

    void quickOperations() {
        SumDialogModel m(2);
        m.open("");
        m.quickOperation(QuickOperation::Odd);
        QCOMPARE(checked(m), (QStringList{"1", "3", "5", "7", "9"}));
        m.quickOperation(QuickOperation::Even);
        QCOMPARE(checked(m), range(0, 9));
        m.quickOperation(QuickOperation::Invert);
        QVERIFY(checked(m).isEmpty());
        m.quickOperation(QuickOperation::Route1);
        QCOMPARE(checked(m), (QStringList{"1", "4", "7"}));
    }

    void addChangeAndPick() {
        SumDialogModel m(1);
        m.open("");
        QCOMPARE(m.add(), QStringLiteral("您还没有进行条件设置。"));
        check(m, {"10", "12"});
        QCOMPARE(m.add(), QString());
        QCOMPARE(checked(m), (QStringList{"10", "12"})); // all five were ticked: values stay
        m.setTicked(2, false);
        m.setTicked(1, false);
        check(m, {"3"});
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries(), (QStringList{"54321|10,12", "543|3"}));
        QCOMPARE(m.positionString(), QStringLiteral("54321"));
        QVERIFY(checked(m).isEmpty());
        for (int code : {5, 4, 3, 2})
            m.setTicked(code, false);
        QVERIFY(texts(m).isEmpty());
        QCOMPARE(m.add(), QStringLiteral("请至少设置 2 个位置。"));

        m.pick(1);
        QVERIFY(m.changeEnabled());
        QCOMPARE(m.positionString(), QStringLiteral("543"));
        QCOMPARE(checked(m), QStringList{"3"}); // "3" and not "13" or "30"
        check(m, {"27"});
        QCOMPARE(m.change(), QString());
        QCOMPARE(m.entries()[1], QStringLiteral("543|3,27"));
        QVERIFY(!m.changeEnabled());
        m.open("5|3;");
        m.pick(0); // a head of one position: its tick and an empty list
        QCOMPARE(m.positionString(), QStringLiteral("5"));
        QVERIFY(texts(m).isEmpty());
        m.removeEntry(0);
        QVERIFY(m.entries().isEmpty());
    }

    void patterns() {
        PatternDialogModel parity(1);
        parity.open("");
        QCOMPARE(texts(parity).size(), 32);
        for (int code : {3, 2, 1})
            parity.setTicked(code, false);
        QCOMPARE(texts(parity), (QStringList{"偶偶ＸＸＸ", "偶奇ＸＸＸ", "奇偶ＸＸＸ", "奇奇ＸＸＸ"}));
        check(parity, {"偶奇ＸＸＸ", "奇奇ＸＸＸ"});
        QCOMPARE(parity.add(), QString());
        QCOMPARE(parity.entries(), QStringList{"54|偶奇ＸＸＸ,奇奇ＸＸＸ"});
        PatternDialogModel routes(4);
        routes.open("");
        QCOMPARE(texts(routes).size(), 243);
        for (int code : {5, 4, 3})
            routes.setTicked(code, false);
        QCOMPARE(texts(routes), (QStringList{"XXX00", "XXX01", "XXX02", "XXX10", "XXX11", "XXX12", "XXX20", "XXX21",
                                             "XXX22"}));
    }

    void twoPositions() {
        TwoPositionDialogModel m(2);
        m.open("");
        QCOMPARE(m.positionString(), QStringLiteral("54"));
        QCOMPARE(texts(m).size(), 100);
        QCOMPARE(texts(m).first(), QStringLiteral("00"));
        m.setTicked(3, true);
        check(m, {"07"});
        QCOMPARE(m.add(), QStringLiteral("请设置 2 个位置。"));
        m.setTicked(5, false);
        check(m, {"07"});
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries(), QStringList{"43|07"});
        QCOMPARE(m.positionString(), QStringLiteral("43")); // positions and values stay
        QCOMPARE(checked(m), QStringList{"07"});
        QCOMPARE(TwoPositionDialogModel::caption(1), QStringLiteral("更多位差设置"));
    }

    void digitSums() {
        DigitSumDialogModel m;
        m.open("");
        QCOMPARE(texts(m), range(0, 45));
        for (int d : {0, 2, 4, 5, 6, 7, 8, 9})
            m.toggle(d);
        QCOMPARE(texts(m), range(0, 13) + QStringList{"15"}); // {1, 3}
        check(m, {"2", "4"});
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries(), QStringList{"31|2,4"});
        QVERIFY(m.chosen(9)); // all ten again
        for (int d = 1; d <= 9; ++d)
            m.toggle(d);
        QCOMPARE(texts(m), QStringList{"0"});
        m.toggle(0);
        check(m, {});
        QCOMPARE(m.add(), QStringLiteral("请至少设置 1 个数字。"));
        m.pick(0);
        QVERIFY(m.chosen(1) && m.chosen(3) && !m.chosen(2));
        QCOMPARE(checked(m), (QStringList{"2", "4"}));
    }

    void remainders() {
        RemainderDialogModel m;
        m.open("C13:0,12-W;C99:1;");
        QCOMPARE(m.divisor(), std::optional<int>(6));
        QCOMPARE(texts(m), range(0, 22));
        m.pick(0);
        QCOMPARE(m.divisor(), std::optional<int>(3));
        QVERIFY(m.tolerant());
        QCOMPARE(texts(m), range(0, 12));
        QCOMPARE(checked(m), (QStringList{"0", "12"}));
        m.pick(1); // no known divisor: nothing to offer
        QVERIFY(!m.divisor());
        QVERIFY(texts(m).isEmpty());
        m.chooseDivisor(0);
        m.setTolerant(true);
        m.selectRange(0, 6);
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.entries().last(), QStringLiteral("C07:0,1,2,3,4,5,6-W"));
        QVERIFY(checked(m).isEmpty());
        QVERIFY(!m.tolerant());
        QCOMPARE(m.fieldText(), QStringLiteral("C13:0,12-W;C99:1;C07:0,1,2,3,4,5,6-W;"));
    }
};

QTEST_GUILESS_MAIN(TestValueListDialogs)
#include "tst_value_list_dialogs.moc"
