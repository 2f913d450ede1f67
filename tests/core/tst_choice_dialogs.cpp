#include "dialogs/choice_models.h"

#include <QTest>

using namespace pentad::dialogs;

class TestChoiceDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void values() {
        ChoiceListModel largest(valueChoices(24));
        largest.open("5,6,7");
        QCOMPARE(largest.fieldText(), QStringLiteral("5,6,7"));
        QVERIFY(largest.checked(5) && !largest.checked(4));
        ChoiceListModel codes(valueChoices(1));
        codes.open("3,47");
        QCOMPARE(codes.fieldText(), QStringLiteral("47")); // 3 is not a two-digit code
        QCOMPARE(valueChoices(12).size(), 9);
        QCOMPARE(valueChoices(8), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(valueChoices(5).size(), 55);
        QCOMPARE(valueChoices(5)[10], QStringLiteral("11"));
        QCOMPARE(valueChoices(17).mid(30), (QStringList{"30", "31", "33", "35"}));
        QCOMPARE(valueChoices(18).mid(0, 6), (QStringList{"0", "4", "6", "8", "9", "10"}));
        QCOMPARE(valueChoices(22).mid(22), (QStringList{"22", "23", "25", "26", "28", "29", "32", "35"}));
        QCOMPARE(valueChoices(21).size(), 16);
        QCOMPARE(valueChoicesCaption(12), QStringLiteral("AC 设定"));
        QVERIFY(valueChoices(6).isEmpty());
    }

    void groups() {
        ChoiceListModel routes(groupChoices(5));
        QCOMPARE(routes.items().size(), 21);
        routes.open("2:2:1");
        QCOMPARE(routes.fieldText(), QStringLiteral("2:2:1"));
        routes.checkAll();
        QVERIFY(routes.fieldText().startsWith("0:0:5,0:1:4,"));
        routes.invert();
        QCOMPARE(routes.fieldText(), QString());
        QCOMPARE(groupChoices(4).front(), QStringLiteral("0小0中5大"));
        QCOMPARE(groupChoices(6).back(), QStringLiteral("5邻0孤0传"));
        QCOMPARE(groupChoicesCaption(7), QStringLiteral("组复隔中类型设定"));
    }

    void products() {
        PatternProductModel m(2);
        m.open("");
        QCOMPARE(m.add(), QStringLiteral("请正确的设置组合的数据。"));
        for (int p = 0; p < 3; ++p)
            m.setTicked(p, 0, true);
        m.setTicked(3, 1, true);
        m.setTicked(3, 2, true);
        m.setTicked(4, 2, true);
        QCOMPARE(m.add(), QString());
        QCOMPARE(m.items(), (QStringList{"大大大中小", "大大大小小"}));
        for (int p = 0; p < 5; ++p)
            for (int s = 0; s < 3; ++s)
                m.setTicked(p, s, true);
        m.add();
        QCOMPARE(m.items().size(), 243);
        m.add();
        QCOMPARE(m.items().size(), 243);
        m.clearItems();
        QCOMPARE(m.fieldText(), QString());
        m.open("大大大中小,xyz"); // text outside the vocabulary is kept
        QCOMPARE(m.fieldText(), QStringLiteral("大大大中小,xyz"));
        QCOMPARE(PatternProductModel(3).signs()[1], QStringLiteral("孤"));
    }
};

QTEST_GUILESS_MAIN(TestChoiceDialogs)
#include "tst_choice_dialogs.moc"
