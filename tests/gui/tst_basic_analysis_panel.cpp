#include "app/tfrm_main.h"
#include "store/draw_store.h"
#include "widgets/prompt.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad;

class TestBasicAnalysisPanel : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    // 300 draws of 2013 from 2013101: the default range 2013201.. holds 200 of them.
    void fillStore() {
        store::DrawStore store;
        QVERIFY(store.open(app::DataPaths(home_.path()).drawsFile, nullptr));
        std::vector<store::Draw> draws;
        for (int seq = 101; seq <= 400; ++seq)
            draws.push_back(store::makeDraw(2013000 + seq, seq * 37 % 100000));
        QVERIFY(store.insert(draws, nullptr));
    }

    template <class T> T* find(QWidget& w, const char* name) {
        T* child = w.findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("missing %s", name);
        return child;
    }

    static QString heading(QTableView* grid, int column) {
        return grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

private Q_SLOTS:
    void initTestCase() {
        Prompt::script::enable();
        fillStore();
    }

    void opensOnTheOverview() {
        TfrmMain window{app::DataPaths(home_.path())};
        window.show();
        auto* grid = find<QTableView>(window, "tsGD");
        QCOMPARE(window.currentViewCode(), 47);
        QCOMPARE(grid->model()->rowCount(), 200);
        QCOMPARE(heading(grid, 6), QStringLiteral("和值"));
        const QModelIndex newest = grid->model()->index(199, 0);
        QCOMPARE(newest.data().toString(), QStringLiteral("2013400"));
        QVERIFY(!find<QCheckBox>(window, "chkGDNo1")->isEnabled());
        QVERIFY(!find<QPushButton>(window, "cmdGDRefresh")->isEnabled());
        QVERIFY(Prompt::script::takeMessages().isEmpty());
    }

    void switchingReportsPositionsAndStep() {
        TfrmMain window{app::DataPaths(home_.path())};
        window.show();
        auto* grid = find<QTableView>(window, "tsGD");
        QTest::mouseClick(find<QRadioButton>(window, "rdoGDDaXiao"), Qt::LeftButton);
        QCOMPARE(window.currentViewCode(), 49);
        QCOMPARE(heading(grid, 6), QStringLiteral(" 大小 类型 "));
        QVERIFY(grid->isColumnHidden(12));
        QVERIFY(find<QCheckBox>(window, "chkGDNo1")->isEnabled());

        // Two positions: the type column shows two symbols; step 20 leaves 10 rows.
        for (const char* name : {"chkGDNo3", "chkGDNo4", "chkGDNo5"})
            find<QCheckBox>(window, name)->setChecked(false);
        find<QSpinBox>(window, "txtGDNext")->setValue(20);
        QTest::mouseClick(find<QPushButton>(window, "cmdGDRefresh"), Qt::LeftButton);
        QCOMPARE(grid->model()->rowCount(), 10);
        QCOMPARE(grid->model()->index(0, 6).data().toString().size(), 2);

        // One position is refused and the table stays.
        find<QCheckBox>(window, "chkGDNo2")->setChecked(false);
        QTest::mouseClick(find<QRadioButton>(window, "rdoGDKuaDu"), Qt::LeftButton);
        QCOMPARE(Prompt::script::takeMessages(), QStringList{QStringLiteral("至少要选择两个位进行分析。")});
        QCOMPARE(window.currentViewCode(), 49);
        QCOMPARE(heading(grid, 6), QStringLiteral(" 大小 类型 "));
    }

    void pagesAreSeparateGroups() {
        TfrmMain window{app::DataPaths(home_.path())};
        window.show();
        auto* remainders = find<QRadioButton>(window, "rdoGDCNY");
        auto* overview = find<QRadioButton>(window, "rdoZongHe");
        remainders->click();
        QVERIFY(remainders->isChecked());
        QVERIFY(!overview->isChecked());
        QCOMPARE(window.currentViewCode(), 67);
        auto* lgc = find<QRadioButton>(window, "rdoGDLGC");
        lgc->click();
        QVERIFY(lgc->isChecked());
        QVERIFY(!remainders->isChecked());
        // A panel switch rebuilds the checked report.
        window.SBSelectClick();
        window.SBtnGridDataClick();
        QCOMPARE(window.currentViewCode(), 57);
        QCOMPARE(find<QTableView>(window, "tsGD")->model()->rowCount(), 199);
    }

    void savesTheGrid() {
        TfrmMain window{app::DataPaths(home_.path())};
        window.show();
        const QString path = home_.filePath("basic");
        Prompt::script::queueFileName(path);
        window.findChild<QAction*>("mnuSave")->trigger();
        QFile file(path + ".csv");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\"\xc6\xda\xba\xc5\",\"\xcd\xf2\","));
        QCOMPARE(bytes.count("\r\n"), 201);
        // An existing file is replaced only when the user agrees.
        Prompt::script::queueFileName(path + ".csv");
        Prompt::script::queueAnswer(false);
        window.findChild<QTableView*>("tsGD"); // unchanged grid
        QFile::resize(path + ".csv", 3);
        window.findChild<QAction*>("mnuSave")->trigger();
        QCOMPARE(QFileInfo(path + ".csv").size(), 3);
        QCOMPARE(Prompt::script::takeMessages(), QStringList{QStringLiteral("该文件已经存在，是否替换该文件？")});
    }
};

QTEST_MAIN(TestBasicAnalysisPanel)
#include "tst_basic_analysis_panel.moc"
