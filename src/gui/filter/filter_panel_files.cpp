// The files of the bet filter: filter settings (.sfl and the automatic file) and results.

#include "filter/filter_panel.h"

#include "app/status_windows.h"
#include "app/tfrm_main.h"
#include "filter/filter_file.h"
#include "filter/result_file.h"
#include "filter/result_model.h"
#include "widgets/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>

using namespace pentad;

namespace {

const QString kReplaceQuestion = QStringLiteral("该文件已经存在，是否替换该文件？");
const QString kFilterFilter = QStringLiteral("*.sfl");
const QString kPlainFilter = QStringLiteral("*.txt");
const QString kReportFilter = QStringLiteral("*.rtf");

// The name with the extension appended when it has none.
QString withExtension(const QString& path, const QString& extension) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + extension : path;
}

} // namespace

void FilterPanel::cmdSaveFltClick() {
    QString path = Prompt::saveFileName(this, QStringLiteral("保存过滤条件"), kFilterFilter);
    if (path.isEmpty())
        return;
    path = withExtension(path, QStringLiteral("sfl"));
    if (QFileInfo::exists(path) && !Prompt::confirm(this, kReplaceQuestion))
        return;
    QString error;
    if (!filter::saveFilterFile(path, state(), &error))
        Prompt::info(this, QStringLiteral("无法保存文件 %1：%2").arg(path, error));
}

void FilterPanel::cmdOpenFltClick() {
    if (!Prompt::confirm(this, QStringLiteral("该操作会清除当前的过滤设置，是否继续？")))
        return;
    QString path = Prompt::openFileName(this, QStringLiteral("打开过滤条件"), kFilterFilter);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path) && QFileInfo::exists(withExtension(path, QStringLiteral("sfl"))))
        path = withExtension(path, QStringLiteral("sfl"));
    filter::FilterState s = state();
    QString error;
    if (!filter::openFilterFile(path, s, &error)) {
        Prompt::info(this, error);
        return;
    }
    applyState(s);
}

void FilterPanel::openAutomaticFilter() {
    const QString path = main_.paths().autoFilterFile;
    if (!QFileInfo::exists(path))
        return; // nothing saved yet: the defaults stand
    filter::FilterState s = state();
    QString error;
    if (filter::openFilterFile(path, s, &error))
        applyState(s);
    else
        Prompt::info(this, error);
}

void FilterPanel::saveAutomaticFilter() {
    QString error;
    if (!filter::saveFilterFile(main_.paths().autoFilterFile, state(), &error))
        Prompt::info(this, QStringLiteral("无法保存文件 %1：%2").arg(main_.paths().autoFilterFile, error));
}

void FilterPanel::cmdSaveResultClick() {
    if (results_->rowCount() == 0) {
        Prompt::info(this, QStringLiteral("您还没有投注或是投注结果为0 。"));
        return;
    }
    const QString filters = kPlainFilter + QStringLiteral(";;") + kReportFilter;
    QString chosen = main_.settings().resultFileType().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0
                         ? kPlainFilter
                         : kReportFilter;
    QString path = Prompt::saveFileName(this, QStringLiteral("保存过滤结果"), filters, &chosen);
    if (path.isEmpty())
        return;
    path = withExtension(path, chosen == kReportFilter ? QStringLiteral("rtf") : QStringLiteral("txt"));
    if (QFileInfo::exists(path) && !Prompt::confirm(this, kReplaceQuestion))
        return;
    QString error;
    if (!filter::saveResultFile(path, results_->bets(), cmbSItem_->currentText(), QDateTime::currentDateTime(), &error)) {
        Prompt::info(this, QStringLiteral("无法保存文件 %1：%2").arg(path, error));
        return;
    }
    main_.settings().setResultFileType(filter::usesPlainLayout(path) ? QStringLiteral("txt") : QStringLiteral("rtf"));
}

void FilterPanel::munOpenResultClick() {
    if (main_.currentPanel() != TfrmMain::kPanelSelect)
        main_.SBSelectClick();
    const QString path = Prompt::openFileName(this, QStringLiteral("打开投注"), kPlainFilter);
    if (path.isEmpty() || !filter::isOpenableResultName(path))
        return;
    TfrmWait& wait = main_.waitWindow();
    wait.showOver();
    QString error;
    const auto bets = filter::readResultFile(path, &error);
    wait.hide();
    if (!bets) {
        Prompt::info(this, error);
        return;
    }
    results_->setBets(*bets);
    showCount();
}
