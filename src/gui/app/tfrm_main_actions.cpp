// Menu items of the main window that start something outside the panels.

#include "app/about_box.h"
#include "app/product.h"
#include "app/tfrm_main.h"
#include "store/draw_import.h"
#include "widgets/prompt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

using namespace pentad;

namespace {

QString programFile(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

void openInDesktop(QWidget* parent, const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        Prompt::info(parent, QStringLiteral("无法打开 %1").arg(url.toDisplayString()));
}

} // namespace

void TfrmMain::mnuImportClick() {
    const QString file = Prompt::openFileName(this, QStringLiteral("导入数据"),
                                              QStringLiteral("开奖数据 (*.csv *.txt);;所有文件 (*)"));
    if (file.isEmpty())
        return;
    if (!store_.isOpen()) {
        Prompt::info(this, QStringLiteral("开奖数据库没有打开，无法导入。"));
        return;
    }
    QString error;
    const auto report = store::importDrawFile(store_, file, &error);
    if (!report) {
        Prompt::info(this, error);
        return;
    }
    if (report->added > 0)
        ReloadDraws(DrawChange::PeriodsAdded);
    Prompt::info(this, QStringLiteral("导入完成：") + store::describeImport(*report));
}

void TfrmMain::mnuJiaoClick() {
    const QString tool = programFile(QStringLiteral("overlap"));
    if (!QFileInfo(tool).isExecutable()) {
        Prompt::info(this, QStringLiteral("找不到交集运算程序：%1").arg(QDir::toNativeSeparators(tool)));
        return;
    }
    if (!QProcess::startDetached(tool, {}, QCoreApplication::applicationDirPath()))
        Prompt::info(this, QStringLiteral("无法启动交集运算程序：%1").arg(QDir::toNativeSeparators(tool)));
}

void TfrmMain::mnuHelpClick() {
    const QString help = programFile(QStringLiteral("Pentad.chm"));
    if (!QFileInfo::exists(help)) {
        Prompt::info(this, QStringLiteral("找不到帮助文件：%1").arg(QDir::toNativeSeparators(help)));
        return;
    }
    openInDesktop(this, QUrl::fromLocalFile(help));
}

void TfrmMain::mnuGovWebClick() { openInDesktop(this, QUrl(product::kOfficialSite)); }

void TfrmMain::mnuWebClick() { openInDesktop(this, QUrl(product::kHomePage)); }

void TfrmMain::mnuAboutClick() {
    TfrmAbout about(this);
    about.exec();
}
