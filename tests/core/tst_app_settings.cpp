#include "app/app_settings.h"
#include "app/calendar_text.h"
#include "app/data_home.h"
#include "text/ini_file.h"
#include "text/line_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pentad;

class TestAppSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void absentFileGivesDefaults() {
        QTemporaryDir dir;
        const app::AppSettings settings(dir.filePath(QStringLiteral("Data/Pentad.ini")));
        const app::WindowGeometry g = settings.windowGeometry();
        QCOMPARE(g.top, 1);
        QCOMPARE(g.left, 1);
        QCOMPARE(g.width, 800);
        QCOMPARE(g.height, 572);
        QCOMPARE(g.state, 1);
        QVERIFY(!settings.autoSaveFilter());
        QCOMPARE(settings.futurePeriodsPerPage(), 60);
        QCOMPARE(settings.sFormat1(), 0);
        QCOMPARE(settings.sFormat2(), QStringLiteral("* , *"));
        QCOMPARE(settings.resultFileType(), QStringLiteral("txt"));
        QCOMPARE(settings.gameType(), 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Data/Pentad.ini"))));
    }

    void autoSaveFilterIsCaseSensitive_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("on");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << false;
        QTest::newRow("TRUE") << "TRUE" << false;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("1") << "1" << false;
    }
    void autoSaveFilterIsCaseSensitive() {
        QFETCH(QString, text);
        QFETCH(bool, on);
        QTemporaryDir dir;
        app::AppSettings settings(dir.filePath(QStringLiteral("Pentad.ini")));
        QVERIFY(settings.ini().setValue(QStringLiteral("PSet"), QStringLiteral("AutoSaveFilter"), text));
        QCOMPARE(settings.autoSaveFilter(), on);
    }

    void valuesAreKeptVerbatimAndWrittenAtOnce() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Pentad.ini"));
        text::IniFile ini(path);
        QVERIFY(ini.setValue(QStringLiteral("PSet"), QStringLiteral("SFormat2"), QStringLiteral("* , *")));
        QVERIFY(ini.setIntValue(QStringLiteral("WindowsState"), QStringLiteral("formTop"), 42));
        QVERIFY(ini.setValue(QStringLiteral("PSet"), QStringLiteral("RFileType"), QStringLiteral("rtf")));
        // Another reader sees every write at once.
        const text::IniFile other(path);
        QCOMPARE(other.value(QStringLiteral("PSet"), QStringLiteral("SFormat2"), {}), QStringLiteral("* , *"));
        QCOMPARE(other.intValue(QStringLiteral("windowsstate"), QStringLiteral("FORMTOP"), 0), 42);
        const auto lines = text::readGbkLines(path);
        QCOMPARE(lines->lines, (QStringList{"[PSet]", "SFormat2=* , *", "RFileType=rtf", "",
                                            "[WindowsState]", "formTop=42"}));
    }

    void foreignLinesSurviveAndBadNumbersFallBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Pentad.ini"));
        QVERIFY(text::writeGbkLines(path, {"; kept comment", "[WindowsState]", "formWidth=abc",
                                           "Other=1", "[X]", "y=2"}));
        app::AppSettings settings(path);
        QCOMPARE(settings.windowGeometry().width, 800);
        QVERIFY(settings.setFuturePeriodsPerPage(90));
        QVERIFY(settings.ini().setIntValue(QStringLiteral("WindowsState"), QStringLiteral("formWidth"), 1024));
        QCOMPARE(text::readGbkLines(path)->lines,
                 (QStringList{"; kept comment", "[WindowsState]", "formWidth=1024", "Other=1", "[X]",
                              "y=2", "", "[PSet]", "FuturePPage=90"}));
    }

    void dataHome() {
        QTemporaryDir dir;
        QCOMPARE(app::resolveDataHome(QStringLiteral("/nonexistent"), dir.path()), dir.path());
        QCOMPARE(app::resolveDataHome(dir.path()), dir.path());
        QVERIFY(app::resolveDataHome(QStringLiteral("/nonexistent/dir")) != QStringLiteral("/nonexistent/dir"));
        const app::DataPaths paths(dir.path());
        QCOMPARE(paths.settingsFile, dir.path() + QStringLiteral("/Data/Pentad.ini"));
        QCOMPARE(paths.drawsFile, dir.path() + QStringLiteral("/Data/draws.db"));
        QCOMPARE(paths.autoFilterFile, dir.path() + QStringLiteral("/Data/TFilter.aus"));
    }

    void homeOption_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("rest");
        QTest::addColumn<bool>("failed");
        QTest::newRow("absent") << QStringList{"draws"} << "" << QStringList{"draws"} << false;
        QTest::newRow("separate") << QStringList{"--home", "/h", "draws"} << "/h" << QStringList{"draws"} << false;
        QTest::newRow("joined") << QStringList{"import", "--home=/h", "f"} << "/h" << QStringList{"import", "f"} << false;
        QTest::newRow("missing folder") << QStringList{"draws", "--home"} << "" << QStringList{"draws"} << true;
    }
    void homeOption() {
        QFETCH(QStringList, args);
        QFETCH(QString, home);
        QFETCH(QStringList, rest);
        QFETCH(bool, failed);
        QString error;
        QCOMPARE(app::takeHomeOption(args, &error), home);
        QCOMPARE(args, rest);
        QCOMPARE(!error.isEmpty(), failed);
    }

    void weekdayText() {
        QCOMPARE(app::dateAndWeekdayText(QDate(2026, 12, 13), QStringLiteral("2026/12/13")),
                 QStringLiteral("2026/12/13   星期日"));
        QCOMPARE(app::dateAndWeekdayText(QDate(2026, 12, 11), QStringLiteral("x")),
                 QStringLiteral("x   星期五"));
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_app_settings.moc"
