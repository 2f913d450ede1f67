#include "app/tfrm_main.h"
#include "store/draw_store.h"
#include "widgets/prompt.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace pentad;

namespace {

// A data home whose store holds every period of the given years up to the given sequence.
void fillStore(const QString& home, const std::vector<std::pair<int, int>>& years) {
    store::DrawStore store;
    QVERIFY(store.open(app::DataPaths(home).drawsFile, nullptr));
    std::vector<store::Draw> draws;
    for (const auto& [year, last] : years)
        for (int seq = 1; seq <= last; ++seq)
            draws.push_back(store::makeDraw(year * 1000 + seq, seq));
    QVERIFY(store.insert(draws, nullptr));
}

QString comboText(const QWidget& window, const QString& name) {
    const auto* combo = window.findChild<QComboBox*>(name);
    return combo ? combo->currentText() : QStringLiteral("<missing>");
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { Prompt::script::enable(); }
    void cleanup() { Prompt::script::takeMessages(); }

    void firstStartWithoutSettings() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        window.show();
        QCOMPARE(window.pos(), QPoint(1, 1));
        QCOMPARE(window.size(), QSize(800, 572));
        QVERIFY(!window.isMaximized());
        QCOMPARE(window.windowTitle(), QStringLiteral("青禾巧选排列5"));
        QCOMPARE(window.findChild<QLabel*>("labZSPC")->text(), QStringLiteral("每页 60 期"));
        QCOMPARE(window.statusText(0), QStringLiteral("当前玩法：体彩排列5"));
        QVERIFY(window.statusText(2).contains(QStringLiteral("   星期")));
        QCOMPARE(window.currentPanel(), 1);
        QCOMPARE(window.currentViewCode(), 47);
        QVERIFY(QFile::exists(home.filePath("Data/draws.db")));
        QVERIFY(Prompt::script::takeMessages().isEmpty());
        // Over an empty store the bet periods start at the year's first draw.
        const auto* items = window.findChild<QComboBox*>("cmbSItem");
        QCOMPARE(items->count(), 50);
        QCOMPARE(items->currentText(), QString::number(QDate::currentDate().year() * 1000 + 1));
        for (const char* name : {"cboFrom1", "cboTo1", "cboFrom8", "cboTo8"})
            QCOMPARE(window.findChild<QComboBox*>(name)->currentIndex(), -1);
    }

    void sizeNeverBelowTheMinimum() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        window.show();
        window.resize(700, 600);
        QCOMPARE(window.width(), 800);
        window.resize(900, 500);
        QCOMPARE(window.size(), QSize(900, 572));
    }

    void geometryRoundTripIncludingMaximised() {
        QTemporaryDir home;
        const app::DataPaths paths(home.path());
        {
            TfrmMain window{paths};
            window.show();
            window.move(40, 30);
            window.resize(1000, 700);
            window.close();
        }
        {
            app::AppSettings settings(paths.settingsFile);
            const auto g = settings.windowGeometry();
            QCOMPARE(QRect(g.left, g.top, g.width, g.height), QRect(40, 30, 1000, 700));
            QCOMPARE(g.state, 1);
            QCOMPARE(settings.futurePeriodsPerPage(), 60);
            TfrmMain window{paths};
            window.show();
            QCOMPARE(window.geometry().size(), QSize(1000, 700));
            window.showMaximized();
            QVERIFY(window.isMaximized());
            window.close();
            QCOMPARE(settings.windowGeometry().state, 3);
        }
        TfrmMain window{paths};
        QVERIFY(window.windowState() & Qt::WindowMaximized);
    }

    void selectorsAndBetPeriodsFollowTheStore() {
        QTemporaryDir home;
        fillStore(home.path(), {{2012, 358}, {2013, 358}, {2014, 100}});
        TfrmMain window{app::DataPaths(home.path())};
        QCOMPARE(comboText(window, "cboFrom1"), QStringLiteral("2013201"));
        QCOMPARE(comboText(window, "cboFrom3"), QStringLiteral("2013001"));
        for (const char* name : {"cboFrom2", "cboFrom4", "cboFrom7", "cboFrom8"})
            QCOMPARE(comboText(window, name), QStringLiteral("2012001"));
        for (const char* name : {"cboTo1", "cboTo2", "cboTo3", "cboTo4", "cboTo7", "cboTo8"})
            QCOMPARE(comboText(window, name), QStringLiteral("2014100"));
        const auto* items = window.findChild<QComboBox*>("cmbSItem");
        QCOMPARE(items->itemText(0), QStringLiteral("2014101"));
        QCOMPARE(items->itemText(49), QStringLiteral("2014150"));
    }

    void rangeRulesAndWhatFollows() {
        QTemporaryDir home;
        fillStore(home.path(), {{2013, 300}});
        TfrmMain window{app::DataPaths(home.path())};
        window.show();
        int builds = 0;
        window.registerView(47, [&](QObject*) { ++builds; });
        window.registerView(40, [&](QObject*) { ++builds; });
        builds = 0;

        // Pair 2: an end older than the start moves the start to the oldest period and
        // refreshes the current view.
        window.setCurrentViewCode(40);
        window.findChild<QComboBox*>("cboFrom2")->setCurrentIndex(100);
        QCOMPARE(builds, 1);
        window.findChild<QComboBox*>("cboTo2")->setCurrentIndex(50);
        QCOMPARE(comboText(window, "cboFrom2"), QStringLiteral("2013001"));
        QCOMPARE(comboText(window, "cboTo2"), QStringLiteral("2013051"));
        QCOMPARE(builds, 2);

        // Pair 4: a start after the end moves the end to the newest period.
        window.findChild<QComboBox*>("cboTo4")->setCurrentIndex(10);
        window.findChild<QComboBox*>("cboFrom4")->setCurrentIndex(20);
        QCOMPARE(comboText(window, "cboTo4"), QStringLiteral("2013300"));

        // Pair 3 brings the advanced panel to the front, pair 1 the basic panel.
        window.findChild<QComboBox*>("cboFrom3")->setCurrentIndex(5);
        QCOMPARE(window.currentPanel(), 6);
        window.setCurrentViewCode(47);
        builds = 0;
        window.findChild<QComboBox*>("cboFrom1")->setCurrentIndex(5);
        QCOMPARE(window.currentPanel(), 1);
        QCOMPARE(builds, 1);

        // Pairs 7 and 8 only keep their order.
        builds = 0;
        window.findChild<QComboBox*>("cboTo7")->setCurrentIndex(3);
        window.findChild<QComboBox*>("cboFrom8")->setCurrentIndex(299);
        QCOMPARE(builds, 0);
        QCOMPARE(window.currentPanel(), 1);
        QCOMPARE(comboText(window, "cboTo8"), QStringLiteral("2013300"));
    }

    void panelSwitchesAndTheRangeText() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        window.show();
        const auto click = [&](const char* name) {
            QTest::mouseClick(window.findChild<QToolButton*>(name), Qt::LeftButton);
        };
        const struct {
            const char* button;
            int panel;
            bool clears;
        } cases[] = {{"SBMissData", 4, false}, {"SBSelect", 5, true}, {"SBCX", 7, false},
                     {"SBCool", 8, true},     {"SBtnGraphData", 2, true}, {"SBFutureData", 3, true},
                     {"SBAdData", 6, true},   {"SBtnGridData", 1, true}};
        for (const auto& c : cases) {
            window.setStatusRangeText("2013001~2013300 共 300 期");
            click(c.button);
            QCOMPARE(window.currentPanel(), c.panel);
            QCOMPARE(window.statusText(1).isEmpty(), c.clears);
        }
    }

    void panelSwitchTakesTheCheckedViewRadio() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        auto* first = new QRadioButton(window.panel(4));
        auto* second = new QRadioButton(window.panel(4));
        window.registerViewRadio(4, first, 68);
        window.registerViewRadio(4, second, 70);
        QList<int> built;
        window.registerView(70, [&](QObject*) { built << 70; });
        second->setChecked(true);
        window.SBMissDataClick();
        QCOMPARE(window.currentViewCode(), 70);
        QCOMPARE(built, QList<int>{70});
        // Codes without a view do nothing.
        window.setCurrentViewCode(55);
        window.RefreshCurrentView(nullptr);
        QCOMPARE(built.size(), 1);
    }

    void menuItemsOfMissingWorkAreDisabled() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        for (const char* name : {"mnuPrintNow", "mnuInsert", "mnuChange", "mnuSet", "mnuBeiTou", "mnuDataDown"})
            QVERIFY2(!window.findChild<QAction*>(name)->isEnabled(), name);
        for (const char* name : {"mnuClose", "mnuGD", "mnuSelect", "munOpenResult", "mnuJiao", "mnuImport", "mnuAbout"})
            QVERIFY2(window.findChild<QAction*>(name)->isEnabled(), name);
        QCOMPARE(window.findChild<QToolButton*>("SBtnGridData")->toolTip(), QStringLiteral("表格分析"));
        // "保存(&S)" follows the panel in front: only panels that can save enable it.
        auto* lottery = window.findChild<QMenu*>("mnuLottery");
        auto* save = window.findChild<QAction*>("mnuSave");
        window.SBSelectClick();
        Q_EMIT lottery->aboutToShow();
        QVERIFY(!save->isEnabled());
        window.SBtnGridDataClick();
        Q_EMIT lottery->aboutToShow();
        QVERIFY(save->isEnabled());
        QCOMPARE(window.findChild<QToolButton*>("SBCX")->text(), QStringLiteral("查  询"));
    }

    void importFromTheMenuRefillsTheSelectors() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        const QString file = home.filePath("draws.csv");
        QFile csv(file);
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("period,d1,d2,d3,d4,d5\n2013200,1,2,3,4,5\n2013201,5,4,3,2,1\n2013202,x\n");
        csv.close();
        Prompt::script::queueFileName(file);
        window.findChild<QAction*>("mnuImport")->trigger();
        const QStringList messages = Prompt::script::takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("导入完成：新增 2 期，跳过 0 期，拒绝 1 行")),
                 qPrintable(messages[0]));
        QVERIFY(messages[0].contains(QStringLiteral("第 4 行")));
        QCOMPARE(comboText(window, "cboFrom1"), QStringLiteral("2013201"));
        QCOMPARE(comboText(window, "cboTo4"), QStringLiteral("2013201"));
    }

    void databaseThatIsNotOursIsReportedAndKept() {
        QTemporaryDir home;
        const app::DataPaths paths(home.path());
        QDir().mkpath(paths.dataDir);
        QFile file(paths.drawsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database");
        file.close();
        TfrmMain window{paths};
        const QStringList messages = Prompt::script::takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].contains(QStringLiteral("draws.db")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a database"));
        window.show();
        QCOMPARE(window.findChild<QComboBox*>("cboTo1")->count(), 0);
    }

    void missingIntersectionToolIsReported() {
        QTemporaryDir home;
        TfrmMain window{app::DataPaths(home.path())};
        window.findChild<QAction*>("mnuJiao")->trigger();
        const QStringList messages = Prompt::script::takeMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].startsWith(QStringLiteral("找不到交集运算程序")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
