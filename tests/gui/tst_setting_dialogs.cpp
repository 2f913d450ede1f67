#include "app/tfrm_main.h"
#include "gui_fixture.h"
#include "filter/catalogue.h"
#include "widgets/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace pentad;
using fixture::find;

class TestSettingDialogs : public QObject {
    Q_OBJECT

    // Presses the button and, once its dialog is up, does `act` with it.
    static void pressWith(TfrmMain& w, const QString& button, std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("no dialog came up");
            act(*dialog);
        });
        find<QPushButton>(w, button)->click();
    }

    static void checkValue(QDialog& d, const QString& value) {
        auto* list = find<QListWidget>(d, "chkListSum");
        list->findItems(value, Qt::MatchExactly).front()->setCheckState(Qt::Checked);
    }

private Q_SLOTS:
    void initTestCase() { Prompt::script::enable(); }

    void composesAnEntryAndWritesItBack() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        find<QCheckBox>(w, "chkSSum")->setChecked(true);
        find<QLineEdit>(w, "txtSSum")->setText("543|10,12;21|3");
        QString title;
        pressWith(w, "cmdSSum", [&title](QDialog& d) {
            title = d.windowTitle();
            QCOMPARE(find<QListWidget>(d, "lstSet")->count(), 2);
            find<QCheckBox>(d, "chkSNo1")->click(); // 个 off
            checkValue(d, "36");
            find<QPushButton>(d, "cmdAdd")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(title, QStringLiteral("和值设定"));
        QCOMPARE(find<QLineEdit>(w, "txtSSum")->text(), QStringLiteral("543|10,12;21|3;5432|36;"));

        pressWith(w, "cmdSSum", [](QDialog& d) {
            find<QPushButton>(d, "cmdReset")->click();
            find<QPushButton>(d, "cmdCancel")->click();
        });
        QCOMPARE(find<QLineEdit>(w, "txtSSum")->text(), QStringLiteral("543|10,12;21|3;5432|36;"));
    }

    void refusalsAreShown() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        find<QCheckBox>(w, "chkSWHCMore")->setChecked(true);
        Prompt::script::takeMessages();
        pressWith(w, "cmdSWHCMore", [](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("更多位差设置"));
            find<QCheckBox>(d, "chkSNo3")->click();
            checkValue(d, "4");
            find<QPushButton>(d, "cmdAdd")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"请设置 2 个位置。"});
        QCOMPARE(find<QLineEdit>(w, "txtSWHCMore")->text(), QString());
    }

    void plainListDialogs() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        const auto open = [&w](const char* enable, const char* button, const char* field, const QString& text,
                               std::function<void(QDialog&)> act) {
            find<QCheckBox>(w, enable)->setChecked(true);
            find<QLineEdit>(w, field)->setText(text);
            pressWith(w, button, std::move(act));
            return find<QLineEdit>(w, field)->text();
        };
        QString title;
        QCOMPARE(open("chkSZDM", "cmdSZDM", "txtSZDM", "5,6,7", [&title](QDialog& d) {
                     title = d.windowTitle();
                     find<QPushButton>(d, "cmdOK")->click();
                 }),
                 QStringLiteral("5,6,7"));
        QCOMPARE(title, QStringLiteral("最大码设定"));
        QCOMPARE(open("chkSWQ2M", "cmdSWQ2M", "txtSWQ2M", "3,47", [](QDialog& d) { find<QPushButton>(d, "cmdOK")->click(); }),
                 QStringLiteral("47"));
        const QString groups = open("chkSZu012", "cmdSZu012", "txtSZu012", "2:2:1", [](QDialog& d) {
            find<QPushButton>(d, "cmdAll")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(groups.count(u',') + 1, 21);
        QVERIFY(groups.startsWith("0:0:5,0:1:4"));
        Prompt::script::takeMessages();
        QCOMPARE(open("chkSDanDZX", "cmdSDanDZX", "txtSDanDZX", "", [](QDialog& d) {
                     find<QPushButton>(d, "cmdAdd")->click(); // nothing ticked: refused
                     for (const char* p : {"W", "Q", "B", "S"})
                         find<QCheckBox>(d, QStringLiteral("chkDZX%1%2").arg(p).arg(0))->setChecked(true);
                     find<QCheckBox>(d, "chkDZXG2")->setChecked(true);
                     find<QPushButton>(d, "cmdAdd")->click();
                     find<QPushButton>(d, "cmdOK")->click();
                 }),
                 QStringLiteral("大大大大小"));
        QCOMPARE(Prompt::script::takeMessages(), QStringList{"请正确的设置组合的数据。"});
        QCOMPARE(open("chkSCP3", "cmdSCP3", "txtSCP3", "123", [](QDialog& d) { find<QPushButton>(d, "cmdCancel")->click(); }),
                 QStringLiteral("123"));
    }

    void numberSetDialogs() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        find<QCheckBox>(w, "chkSMoreSZ")->setChecked(true);
        pressWith(w, "cmdSMoreSZ", [](QDialog& d) {
            QTest::keyClicks(find<QLineEdit>(d, "txtDMSZ"), "27,,7");
            QCOMPARE(find<QLineEdit>(d, "txtDMSZ")->text(), QStringLiteral("2,7"));
            find<QCheckBox>(d, "chkSDMSZ0")->setChecked(true);
            find<QCheckBox>(d, "chkSDMSZ3")->setChecked(true);
            find<QCheckBox>(d, "chkSDMSZWrong")->setChecked(true);
            find<QPushButton>(d, "cmdDMSZADD")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(find<QLineEdit>(w, "txtSMoreSZ")->text(), QStringLiteral("2,7|03-W;"));

        find<QCheckBox>(w, "chkSJJC")->setChecked(true);
        find<QLineEdit>(w, "txtSJJC")->setText("0/0/0/0/0;12345;");
        QString title;
        pressWith(w, "cmdSJJC", [&title](QDialog& d) {
            title = d.windowTitle();
            QCOMPARE(find<QListWidget>(d, "lstSet")->count(), 2);
            find<QRadioButton>(d, "rdoZDY")->setChecked(true);
            QTest::keyClicks(find<QPlainTextEdit>(d, "txtDIY"), "12a34,");
            QCOMPARE(find<QPlainTextEdit>(d, "txtDIY")->toPlainText(), QStringLiteral("1234,"));
            find<QRadioButton>(d, "rdoZuHe")->setChecked(true);
            for (const char* pad : {"pnSW1", "pnSQ10", "pnSB5", "pnSS0", "pnSG9"})
                QTest::mouseClick(find<QWidget>(d, pad), Qt::LeftButton);
            find<QPushButton>(d, "cmdAdd")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(title, QStringLiteral("必杀号设置"));
        QCOMPARE(find<QLineEdit>(w, "txtSJJC")->text(), QStringLiteral("0/0/0/0/0;12345;1/*/5/0/9;"));

        find<QCheckBox>(w, "chkSPiPei")->setChecked(true);
        pressWith(w, "cmdSPiPei", [](QDialog& d) {
            for (const char* row : {"W", "Q", "B", "S", "G"})
                QTest::mouseClick(find<QWidget>(d, QStringLiteral("pnS%1%2").arg(row).arg(7)), Qt::LeftButton);
            find<QCheckBox>(d, "chkS5")->setChecked(true);
            find<QPushButton>(d, "cmdAdd")->click();
            find<QPushButton>(d, "cmdOK")->click();
        });
        QCOMPARE(find<QLineEdit>(w, "txtSPiPei")->text(), QStringLiteral("7/7/7/7/7|5;"));
    }

    void everyAvailableButtonOpensItsDialog() {
        QTemporaryDir home;
        TfrmMain w{app::DataPaths(home.path())};
        for (const auto& g : filter::Catalogue::instance().groupBoxes())
            for (const auto& row : g.conditions) {
                if (row.dialog.isEmpty())
                    continue;
                find<QCheckBox>(w, row.enableBox)->setChecked(true);
                auto* button = find<QPushButton>(w, row.button);
                if (!button->isEnabled())
                    continue; // its dialog is still to come
                QString name;
                QString title;
                pressWith(w, row.button, [&](QDialog& d) {
                    name = d.objectName();
                    title = d.windowTitle();
                    d.reject();
                });
                QCOMPARE(name, row.dialog);
                QVERIFY2(!title.isEmpty(), qPrintable(row.button));
            }
        QCOMPARE(find<QDialog>(w, "TfrmTSH")->windowTitle(), QStringLiteral("除N余数设置"));
        QCOMPARE(find<QDialog>(w, "TfrmJO")->windowTitle(), QStringLiteral("质合类型设定")); // the last one opened
    }
};

QTEST_MAIN(TestSettingDialogs)
#include "tst_setting_dialogs.moc"
