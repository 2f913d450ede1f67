#include "filter_fixture.h"

#include "app/tfrm_main.h"
#include "gui_fixture.h"
#include "filter/filter_panel.h"
#include "filter/result_model.h"
#include "store/draw_store.h"
#include "widgets/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad;
using fixture::find;

class TestFilterPanel : public QObject {
    Q_OBJECT

    static QString cell(TfrmMain& w, int row) {
        return find<QTableView>(w, "tsGDSelectResult")->model()->index(row, 1).data().toString();
    }
    static QString count(TfrmMain& w) { return find<QLabel>(w, "labSCount")->text(); }
    static QString cost(TfrmMain& w) { return find<QLabel>(w, "labSCost")->text(); }
    static void click(TfrmMain& w, const char* button) { find<QPushButton>(w, button)->click(); }

private Q_SLOTS:
    void initTestCase() { Prompt::script::enable(); }
    void init() { Prompt::script::takeMessages(); }

    void padsFollowClicksAndQuickChoices() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        auto* field = find<QLineEdit>(w, "txtSW");
        QCOMPARE(field->text(), QStringLiteral("0123456789"));
        field->setText("0124");
        QTest::mouseClick(find<QLabel>(w, "pnSW3"), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("01243"));
        QTest::mouseClick(find<QLabel>(w, "pnSW3"), Qt::LeftButton);
        QCOMPARE(field->text(), QStringLiteral("0124"));
        QVERIFY(find<QLabel>(w, "pnSW3")->styleSheet().contains("128,128,128"));
        QVERIFY(find<QLabel>(w, "pnSW4")->styleSheet().contains("255,0,0"));
        auto* choices = find<QComboBox>(w, "cmbSQ");
        find<QLineEdit>(w, "txtSQ")->setText("13579");
        choices->setCurrentIndex(3);
        Q_EMIT choices->activated(3); // 反选
        QCOMPARE(find<QLineEdit>(w, "txtSQ")->text(), QStringLiteral("02468"));
        QCOMPARE(choices->currentIndex(), 0);
        // Typing: only digits not yet in the field.
        field->setText("5");
        QTest::keyClicks(field, "5a67");
        QCOMPARE(field->text(), QStringLiteral("567"));
    }

    void enablingEnablesExactlyTheDependents() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        const QStringList zone = {"chkSQ5AWrong", "txtSQ5A1", "txtSQ5A5", "chkSQ5A0", "chkSQ5A5"};
        for (const QString& name : zone)
            QVERIFY2(!find<QWidget>(w, name)->isEnabled(), qPrintable(name));
        find<QCheckBox>(w, "chkSQ5A")->setChecked(true);
        for (const QString& name : zone)
            QVERIFY2(find<QWidget>(w, name)->isEnabled(), qPrintable(name));
        QVERIFY(!find<QWidget>(w, "txtSQ5B1")->isEnabled());
        QCOMPARE(find<QLineEdit>(w, "txtSQ5A2")->text(), QStringLiteral("23"));
        find<QLineEdit>(w, "txtSQ5A2")->setText("24");
        find<QCheckBox>(w, "chkSQ5A")->setChecked(false);
        QVERIFY(!find<QWidget>(w, "txtSQ5A2")->isEnabled());
        QCOMPARE(find<QLineEdit>(w, "txtSQ5A2")->text(), QStringLiteral("24")); // nothing cleared
        find<QCheckBox>(w, "chkSTotalWrong")->setChecked(true);
        QVERIFY(find<QWidget>(w, "cmbSTotalWrong")->isEnabled());
        QVERIFY(find<QWidget>(w, "cmbSTotalWrongMin")->isEnabled());
        // The set fields are always open.
        QVERIFY(find<QWidget>(w, "txtSLCGLin")->isEnabled());
        find<QCheckBox>(w, "chkSSum")->setChecked(true);
        QVERIFY(find<QWidget>(w, "txtSSum")->isEnabled());
        QVERIFY(find<QWidget>(w, "cmdSSum")->isEnabled());
        find<QCheckBox>(w, "chkSMoreSZ")->setChecked(true);
        QVERIFY(find<QWidget>(w, "cmdSMoreSZ")->isEnabled());
        find<QCheckBox>(w, "chkSMoreSZ")->setChecked(false);
        QVERIFY(!find<QWidget>(w, "cmdSMoreSZ")->isEnabled());
        QVERIFY(find<QLineEdit>(w, "txtSJJB")->isReadOnly());
    }

    void runsAndShades() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        click(w, "cmdSelect");
        QCOMPARE(count(w), QStringLiteral("100000"));
        QCOMPARE(cost(w), QStringLiteral("200000"));
        QCOMPARE(cell(w, 99999), QStringLiteral("99999"));
        find<QCheckBox>(w, "chkSSum")->setChecked(true);
        find<QCheckBox>(w, "chkSSumWrong")->setChecked(true);
        find<QLineEdit>(w, "txtSSum")->setText("54321|0;");
        click(w, "cmdSelect");
        QCOMPARE(count(w), QStringLiteral("100000"));
        auto* model = find<QTableView>(w, "tsGDSelectResult")->model();
        QCOMPARE(cell(w, 0), QStringLiteral("00000"));
        QCOMPARE(model->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        QCOMPARE(cell(w, 1), QStringLiteral("00001"));
        QCOMPARE(model->index(1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(238, 238, 255));
        QCOMPARE(model->index(1, 0).data().toInt(), 2);
    }

    void byResultsWithoutResultsIsRefused() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        find<QCheckBox>(w, "chkSResult")->setChecked(true);
        click(w, "cmdSelect");
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"只有在结果不为0的情况下才能使用该过滤方法。"});
        QCOMPARE(count(w), QStringLiteral("0"));
        QCOMPARE(find<QTableView>(w, "tsGDSelectResult")->model()->rowCount(), 0);
    }

    void saveResetOpenRestoresEveryControl() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        FilterPanel& panel = w.filterPanel();
        const filter::FilterState saved = fixture::everyControlChanged();
        panel.applyState(saved);
        fixture::compareStates(panel.state(), saved);
        const QString path = home.filePath("mine"); // the extension is added
        Prompt::script::queueFileName(path);
        click(w, "cmdSaveFlt");
        QVERIFY(QFile::exists(path + ".sfl"));
        click(w, "cmdClear");
        QVERIFY(!find<QCheckBox>(w, "chkSSum")->isChecked() || !saved.checked("chkSSum"));
        QCOMPARE(find<QLineEdit>(w, "txtSG")->text(), QStringLiteral("0123456789"));
        Prompt::script::queueAnswer(true);
        Prompt::script::queueFileName(path + ".sfl");
        click(w, "cmdOpenFlt");
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"该操作会清除当前的过滤设置，是否继续？"});
        fixture::compareStates(panel.state(), saved);
        // Saving over it asks first.
        Prompt::script::queueFileName(path + ".sfl");
        Prompt::script::queueAnswer(false);
        click(w, "cmdSaveFlt");
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"该文件已经存在，是否替换该文件？"});
    }

    void resultFiles() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        click(w, "cmdSaveResult");
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"您还没有投注或是投注结果为0 。"});
        find<QSpinBox>(w, "txtSRandomC")->setValue(7);
        click(w, "cmdRandom");
        QCOMPARE(count(w), QStringLiteral("7"));
        QCOMPARE(cost(w), QStringLiteral("14"));
        const QString report = home.filePath("bets.rtf");
        Prompt::script::queueFileName(report);
        click(w, "cmdSaveResult");
        QFile f(report);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = f.readAll().split('\n');
        QVERIFY(lines[5].endsWith("          ----> 5\r"));
        QCOMPARE(lines[6].count(" , "), 2);
        QCOMPARE(w.settings().resultFileType(), QStringLiteral("rtf"));

        const QString bets = home.filePath("in.txt");
        QFile in(bets);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("12345\r\n12345\r\n00007\r\n");
        in.close();
        Prompt::script::queueFileName(bets);
        w.findChild<QAction*>("munOpenResult")->trigger();
        QCOMPARE(w.currentPanel(), int(TfrmMain::kPanelSelect));
        QCOMPARE(count(w), QStringLiteral("2"));
        QCOMPARE(cell(w, 0), QStringLiteral("00007"));
        QCOMPARE(cell(w, 1), QStringLiteral("12345"));
        Prompt::script::queueFileName(home.filePath("in.tXt")); // not an openable name: nothing
        w.findChild<QAction*>("munOpenResult")->trigger();
        QCOMPARE(count(w), QStringLiteral("2"));
    }

    void deletingARow() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        w.filterPanel().results().setBets({1, 2, 3});
        auto* grid = find<QTableView>(w, "tsGDSelectResult");
        grid->setCurrentIndex(grid->model()->index(1, 1));
        Prompt::script::queueAnswer(false);
        w.filterPanel().pmnuDeleteClick();
        QCOMPARE(grid->model()->rowCount(), 3);
        Prompt::script::queueAnswer(true);
        w.filterPanel().pmnuDeleteClick();
        QCOMPARE(Prompt::script::takeMessages().last(), QStringLiteral("您真的要删除该条记录吗？？"));
        QCOMPARE(cell(w, 0), QStringLiteral("00001"));
        QCOMPARE(cell(w, 1), QStringLiteral("00003"));
        QCOMPARE(grid->model()->index(1, 0).data().toInt(), 2);
        QCOMPARE(count(w), QStringLiteral("2"));
        QCOMPARE(cost(w), QStringLiteral("4"));
    }

    void generatedSetsAndTheAutomaticFile() {
        QTemporaryDir home;
        const app::DataPaths paths(home.path());
        {
            store::DrawStore store;
            QVERIFY(store.open(paths.drawsFile, nullptr));
            QVERIFY(store.insert({store::makeDraw(2013001, 13579), store::makeDraw(2013002, 12345)}, nullptr));
        }
        QVERIFY(app::AppSettings(paths.settingsFile).setAutoSaveFilter(true));
        {
            TfrmMain w{paths};
            click(w, "cmdSLGC");
            QCOMPARE(find<QLineEdit>(w, "txtSLCGLin")->text(), QStringLiteral("06"));
            QCOMPARE(find<QLineEdit>(w, "txtSLCGGu")->text(), QStringLiteral("789"));
            click(w, "cmdSFGZ");
            QCOMPARE(find<QLineEdit>(w, "txtSFGZGe")->text(), QStringLiteral("79"));
            find<QCheckBox>(w, "chkSSum")->setChecked(true);
            find<QLineEdit>(w, "txtSW")->setText("1");
            w.close();
        }
        QVERIFY(QFile::exists(paths.autoFilterFile));
        TfrmMain again{paths};
        QVERIFY(find<QCheckBox>(again, "chkSSum")->isChecked());
        QVERIFY(find<QWidget>(again, "txtSSum")->isEnabled());
        QCOMPARE(find<QLineEdit>(again, "txtSLCGLin")->text(), QStringLiteral("06"));
        QCOMPARE(find<QLineEdit>(again, "txtSW")->text(), QStringLiteral("0123456789")); // pads start full
    }
};

QTEST_MAIN(TestFilterPanel)
#include "tst_filter_panel.moc"
