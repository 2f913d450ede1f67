#include "filter_fixture.h"

#include "filter/catalogue.h"
#include "filter/filter_file.h"
#include "filter/set_generation.h"
#include "text/gbk.h"
#include "text/line_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace pentad;
using namespace pentad::filter;

namespace {

QByteArray fileBytes(const QStringList& lines) { return text::joinCrLf(lines); }

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestFilterFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groupBoxes() {
        const auto& groups = Catalogue::instance().groupBoxes();
        QCOMPARE(groups.size(), std::size_t(22));
        const std::vector<std::pair<const char*, int>> expected = {
            {" 和值 ", 1}, {" 位差 ", 4}, {" 邻孤传 ", 7}, {" 奇偶 ", 1}, {" 大小 ", 1}, {" 大小关系 ", 3},
            {" 跨度 ", 10}, {" 大中小 ", 5}, {" 012路 ", 3}, {" 质合 ", 1}, {" 其他 ", 10}, {" 二码 ", 6},
            {" 历史特征滤除 ", 8}, {" 数量表决 ", 10}, {" 复隔中 ", 7}, {" 胆码 ", 6}, {" 交集处理 ", 10},
            {" 特殊和值 ", 2}, {" 5分区间 ", 4}, {" 号码顺序 ", 5}, {" 邻位间距 ", 9}, {" 除N余数 ", 9}};
        for (std::size_t i = 0; i < groups.size(); ++i) {
            QCOMPARE(groups[i].name, QStringLiteral("RzGroupBox") + QString::number(i + 1));
            QCOMPARE(groups[i].caption, QString::fromUtf8(expected[i].first));
            QCOMPARE(groups[i].page, expected[i].second);
        }
        QCOMPARE(Catalogue::instance().page(10).front()->caption, QStringLiteral(" 交集处理 "));
        for (int p = 1; p <= kPageCount; ++p)
            QVERIFY(!Catalogue::instance().page(p).empty());
    }

    void controlsAreNamedOnce() {
        std::set<QString> names;
        for (const ControlSpec* c : fixture::allControls())
            QVERIFY2(names.insert(c->name).second, qPrintable(c->name));
        for (const char* irregular : {"chkSBScmp", "chkSBScmpWrong", "cmbSBSCmp", "chkSGBCMPWrong", "chkS0120",
                                      "chkS01200", "chkS01225", "chkSLian5", "chkSTongZu2", "txtSQ5C5", "chkSDM45",
                                      "cmbSCLSTLWJ", "txtSFGZZhong", "chkSTotalWrong", "chkSZDW5"})
            QVERIFY2(names.count(QString::fromLatin1(irregular)), irregular);
        QVERIFY(!names.count("chkSLian1"));
        QVERIFY(!names.count("chkSMoreSZWrong"));
        QVERIFY(!names.count("chkSJJBWrong"));
    }

    void rulesOfTheControls() {
        const Catalogue& cat = Catalogue::instance();
        QCOMPARE(cat.conditionOf("chkSQ5A")->dependents(),
                 (QStringList{"chkSQ5AWrong", "txtSQ5A1", "txtSQ5A2", "txtSQ5A3", "txtSQ5A4", "txtSQ5A5", "chkSQ5A0",
                              "chkSQ5A1", "chkSQ5A2", "chkSQ5A3", "chkSQ5A4", "chkSQ5A5"}));
        QCOMPARE(cat.conditionOf("chkSSum")->dependents(), (QStringList{"chkSSumWrong", "txtSSum", "cmdSSum"}));
        QCOMPARE(cat.conditionOf("chkSTotalWrong")->dependents(), (QStringList{"cmbSTotalWrongMin", "cmbSTotalWrong"}));
        QVERIFY(cat.conditionOf("chkSDMSet")->dependents().isEmpty());
        QVERIFY(cat.conditionOf("txtSLCGLin")->enableBox.isEmpty()); // always enabled
        QCOMPARE(cat.conditionOf("cmdSSum")->dialog, QStringLiteral("TfrmSum"));
        QCOMPARE(cat.conditionOf("cmdSKuaDu")->dialogKind, 3);
        QCOMPARE(cat.conditionOf("cmdSLGC")->buttonCaption, QStringLiteral("生成邻孤传号码"));
        for (const char* readOnly : {"txtSJOLei", "txtSDXLei", "txtSZHLei", "txtSTMJS", "txtSTMOS", "txtSC3H", "txtSC7H",
                                     "txtSMoreSZ", "txtSJJB", "txtSJJC", "txtSPiPei", "txtSCP3"})
            QVERIFY2(cat.control(QString::fromLatin1(readOnly))->keys == KeyRule::ReadOnly, readOnly);
        QVERIFY(cat.control("txtSADSum")->keys == KeyRule::DigitsCommaStar);
        QVERIFY(cat.control("txtSDan012")->keys == KeyRule::DigitsColonComma);
        QVERIFY(cat.control("txtSZDZX")->keys == KeyRule::AnyKey);
        QVERIFY(cat.control("txtSSum")->keys == KeyRule::DigitsComma);
        QCOMPARE(cat.control("txtSQ5B2")->maxLength, 2);
        QCOMPARE(cat.control("cmbSHistory")->items.size(), 39);
        QCOMPARE(cat.control("cmbSWQCmp")->items, (QStringList{">", "=", "<", ">=", "<=", "<>"}));
    }

    void defaults() {
        const FilterState s = defaultFilterState();
        QCOMPARE(s.pads[0], QStringLiteral("0123456789"));
        QCOMPARE(s.text("txtSQ5A1"), QStringLiteral("01"));
        QCOMPARE(s.text("txtSQ5B5"), QStringLiteral("45"));
        QCOMPARE(s.text("txtSQ5C3"), QStringLiteral("27"));
        QVERIFY(s.checked("chkSDMSet"));
        QVERIFY(s.checked("rdoSSumJO1") && !s.checked("rdoSSumJO2"));
        QVERIFY(!s.checked("chkSSum"));
        QCOMPARE(s.index("cmbSTotalWrongMin"), 0);
        QCOMPARE(s.index("cmbSTotalWrong"), 3);
        QCOMPARE(s.index("cmbSCLSD012"), 3);
    }

    void fileLines() {
        FilterState s = defaultFilterState();
        s.pads[1] = "13";
        selectRadio(s, "rdoSSumDX2");
        s.setChecked("chkSSum", true);
        s.setText("txtSSum", "5|1;");
        const QStringList lines = filterFileLines(s);
        QCOMPARE(lines.mid(0, 12), (QStringList{"青禾巧选排列5", "txtSW:0123456789", "txtSQ:13", "txtSB:0123456789",
                                                "txtSS:0123456789", "txtSG:0123456789", "rdoSSumJO1:True",
                                                "rdoSSumDX2:True", "rdoSHWZhi1:True", "chkSSum:True", "txtSSum:5|1;",
                                                "txtSHeWei:"}));
        QVERIFY(lines.contains("chkSDMSet:True"));
        QVERIFY(lines.contains("cmbSBSCmp:0"));
        QVERIFY(lines.contains("cmbSTotalWrong:3"));
        QVERIFY(!lines.contains("chkSSumWrong:True"));
        // Group boxes in numeric order: 位差 (2) before 奇偶 (4), 除N余数 (22) last.
        QVERIFY(lines.indexOf("txtSWHC1:") < lines.indexOf("txtSJOShu:"));
        QCOMPARE(lines.last(), QStringLiteral("txtSCNY:"));
    }

    void saveResetOpenRestoresEveryControl() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.sfl");
        const FilterState saved = fixture::everyControlChanged();
        QString error;
        QVERIFY(saveFilterFile(path, saved, &error));
        FilterState s = saved;
        resetFilter(s);
        QCOMPARE(s.pads[2], QStringLiteral("0123456789"));
        QVERIFY(!s.checked("chkSSum"));
        QVERIFY(s.checked("chkSCNY") == saved.checked("chkSCNY")); // 除N余数 stays
        QVERIFY(s.checked("rdoSSumJO2"));                          // radios stay
        QCOMPARE(s.text("txtSSum"), saved.text("txtSSum"));        // fields stay
        QVERIFY(openFilterFile(path, s, &error));
        fixture::compareStates(s, saved);
        // The file is GBK with CR LF.
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith(QByteArray(text::toGbk("青禾巧选排列5") + "\r\ntxtSW:13579\r\n")));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files) == QStringList{"a.sfl"}); // nothing left beside it
    }

    void openingReplacesTicks() {
        QTemporaryDir dir;
        const QString path = dir.filePath("b.sfl");
        FilterState unticked = defaultFilterState();
        unticked.setChecked("chkSDMSet", false);
        QVERIFY(saveFilterFile(path, unticked, nullptr));
        FilterState s = defaultFilterState();
        s.setChecked("chkSCNY", true);
        QVERIFY(openFilterFile(path, s, nullptr));
        QVERIFY(!s.checked("chkSDMSet"));
        QVERIFY(!s.checked("chkSCNY"));
    }

    void linesOfAnyKind() {
        FilterState s = defaultFilterState();
        QStringList lines = filterFileLines(s);
        lines[0].clear(); // the title is not read
        lines << "abc:True" << ":7" << "no colon here" << "cmbSHistory:99" << "cmbSCLSZu:x" << "cmbSCLSWQ:2"
              << "chkSSum:False" << "txtSSum:a:b" << "rdoSHWZhi2:True" << "chkSResult:True"
              << "txtSDM1:" + QString(kMaxFilterValueLength + 100, u'7') << "txtSDM2:12";
        lines[2] = "whatever:9x9";
        QVERIFY(applyFilterFileLines(s, lines));
        QCOMPARE(s.pads[1], QStringLiteral("9"));       // pad texts keep digits once
        QCOMPARE(s.index("cmbSHistory"), 10);           // the saved line set it, 99 is outside
        QCOMPARE(s.index("cmbSCLSZu"), 7);              // not a number: ignored
        QCOMPARE(s.index("cmbSCLSWQ"), 2);
        QVERIFY(s.checked("chkSSum"));                  // a chk line ticks whatever its value
        QCOMPARE(s.text("txtSSum"), QStringLiteral("a:b")); // the value is all after the first ":"
        QVERIFY(s.checked("rdoSHWZhi2") && !s.checked("rdoSHWZhi1"));
        QVERIFY(!s.checked("chkSResult"));              // not a control of the group boxes
        QCOMPARE(s.text("txtSDM1"), QString());         // too long: ignored
        QCOMPARE(s.text("txtSDM2"), QStringLiteral("12"));
    }

    void damagedFiles() {
        QTemporaryDir dir;
        const FilterState before = fixture::everyControlChanged();
        QString error;
        const auto refused = [&](const QString& path) {
            FilterState s = before;
            error.clear();
            const bool opened = openFilterFile(path, s, &error);
            fixture::compareStates(s, before);
            return !opened && !error.isEmpty();
        };
        const QString shortFile = dir.filePath("short.sfl");
        QVERIFY(writeBytes(shortFile, fileBytes({"t", "txtSW:1", "txtSQ:2"})));
        QVERIFY(refused(shortFile));
        QVERIFY(error.contains(QStringLiteral("不足六行")));

        const QString notGbk = dir.filePath("bytes.sfl");
        QVERIFY(writeBytes(notGbk, fileBytes({"t", "txtSW:1", "txtSQ:2", "txtSB:3", "txtSS:4", "txtSG:5"}) + "\xff\xff\r\n"));
        QVERIFY(refused(notGbk));

        QVERIFY(refused(dir.filePath("missing.sfl")));
        QVERIFY(error.contains(QStringLiteral("无法读取")));

        // Exactly six lines is a file of pads only; every tick goes.
        const QString padsOnly = dir.filePath("pads.sfl");
        QVERIFY(writeBytes(padsOnly, fileBytes({"", "txtSW:1", "txtSQ:2", "txtSB:3", "txtSS:4", "txtSG"})));
        FilterState s = before;
        QVERIFY(openFilterFile(padsOnly, s, &error));
        QCOMPARE(s.pads, (std::array<QString, 5>{"1", "2", "3", "4", ""}));
        QVERIFY(!s.checked("chkSDMSet") && !s.checked("chkSCNY"));
    }

    void cannotSave() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QString error;
        QVERIFY(!saveFilterFile(dir.filePath("folder"), defaultFilterState(), &error));
        QVERIFY(!error.isEmpty());
    }

    void generatedSets() {
        GeneratedSets g = generateNeighbourSets(fixture::drawsOf({12345}));
        QCOMPARE(g.fields, (std::vector<std::pair<QString, QString>>{
                               {"txtSLCGLin", "06"}, {"txtSLCGChuan", "12345"}, {"txtSLCGGu", "789"}}));
        g = generateRepeatSets(fixture::drawsOf({12345, 13579}));
        QCOMPARE(g.fields, (std::vector<std::pair<QString, QString>>{
                               {"txtSFGZFu", "12345"}, {"txtSFGZGe", "79"}, {"txtSFGZZhong", "068"}}));
        QVERIFY(generateNeighbourSets({}).fields.empty());
        QVERIFY(!generateNeighbourSets({}).shortage.isEmpty());
        QVERIFY(generateRepeatSets(fixture::drawsOf({12345})).fields.empty());
        QVERIFY(!generateRepeatSets(fixture::drawsOf({12345})).shortage.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFilterFile)
#include "tst_filter_file.moc"
