#include "analysis/basic_analysis_panel.h"

#include "analysis/basic_report.h"
#include "analysis/table_file.h"
#include "app/tfrm_main.h"
#include "store/period_selectors.h"
#include "widgets/prompt.h"
#include "widgets/table_model.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <map>

using namespace pentad;

namespace {

struct ReportInfo {
    const char* name;
    const char* caption;
};

const std::map<int, ReportInfo> kReports = {
    {47, {"rdoZongHe", "综合分析"}},        {48, {"rdoBGHe", "和值合值均值分析"}},
    {49, {"rdoGDDaXiao", "大小类型分析"}},  {50, {"rdoGDDZX", "大中小类型分析"}},
    {51, {"rdoGDJiOu", "奇偶类型分析"}},    {52, {"rdoGDYSHe", "余数和分析"}},
    {53, {"rdoGDQuJian", "区间分析"}},      {54, {"rdoGDZhiShu", "质合类型分析"}},
    {56, {"rdoGDWeiSum", "位差分析"}},      {57, {"rdoGDLGC", "邻孤传分析"}},
    {60, {"rdoGDFGZ", "复隔中分析"}},       {61, {"rdoGDWJH", "位积和，反位积和"}},
    {62, {"rdoGDLianHao", "连号分析"}},     {63, {"rdoGDTongHao", "同号分析"}},
    {64, {"rdoGDDXGX", "大小关系分析"}},    {65, {"rdoGD012", "012路类型分析"}},
    {66, {"rdoGDKuaDu", "跨度分析"}},       {67, {"rdoGDCNY", "奖号除 N 余数"}},
};

// The order in which a panel switch looks for the checked report.
constexpr int kSwitchOrder[] = {47, 48, 49, 50, 65, 51, 54, 56, 52, 53, 61, 62, 63, 64, 60, 57, 66, 67};

} // namespace

BasicAnalysisPanel::BasicAnalysisPanel(TfrmMain& main, QWidget* parent)
    : QWidget(parent), main_(main), model_(new TableModel(this)) {
    tsGD_ = new QTableView(this);
    tsGD_->setObjectName(QStringLiteral("tsGD"));
    tsGD_->setModel(model_);
    tsGD_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tsGD_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tsGD_->verticalHeader()->setDefaultSectionSize(18);
    tsGD_->verticalHeader()->hide();
    tsGD_->horizontalHeader()->setMinimumHeight(26);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tsGD_, 1);
    layout->addWidget(makeSettingsColumn());

    for (int code : kSwitchOrder) {
        const auto it = std::find_if(radios_.begin(), radios_.end(), [code](const ReportRadio& r) { return r.code == code; });
        main_.registerViewRadio(TfrmMain::kPanelGridData, it->radio, code);
        main_.registerView(code, [this, code](QObject*) { buildReport(code); });
    }
    radios_.front().radio->setChecked(true);
}

QWidget* BasicAnalysisPanel::makeSettingsColumn() {
    auto* column = new QWidget(this);
    column->setFixedWidth(170);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* periods = new QGroupBox(QStringLiteral(" 期号设置 "), column);
    auto* periodsLayout = new QVBoxLayout(periods);
    periodsLayout->addWidget(main_.periodSelectors().makeBar(store::RangePair::Basic, periods, Qt::Vertical));
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(new QLabel(QStringLiteral("分析间隔："), periods));
    txtGDNext_ = new QSpinBox(periods);
    txtGDNext_->setObjectName(QStringLiteral("txtGDNext"));
    txtGDNext_->setRange(1, 20);
    stepRow->addWidget(txtGDNext_);
    periodsLayout->addLayout(stepRow);
    layout->addWidget(periods);

    auto* positions = new QGroupBox(QStringLiteral(" 分析位置选择设定 "), column);
    auto* grid = new QGridLayout(positions);
    grid->addWidget(new QLabel(QStringLiteral("分析范围："), positions), 0, 0, 1, 3);
    const QString names[] = {QStringLiteral("万位"), QStringLiteral("千位"), QStringLiteral("百位"),
                             QStringLiteral("十位"), QStringLiteral("个位")};
    for (int i = 0; i < 5; ++i) {
        positions_[i] = new QCheckBox(names[i], positions);
        positions_[i]->setObjectName(QStringLiteral("chkGDNo%1").arg(i + 1));
        positions_[i]->setChecked(true);
        grid->addWidget(positions_[i], 1 + i / 3, i % 3);
    }
    cmdGDRefresh_ = new QPushButton(QStringLiteral("刷新"), positions);
    cmdGDRefresh_->setObjectName(QStringLiteral("cmdGDRefresh"));
    connect(cmdGDRefresh_, &QPushButton::clicked, &main_, &TfrmMain::SBtnGridDataClick);
    grid->addWidget(cmdGDRefresh_, 2, 2);
    layout->addWidget(positions);

    pageGD_ = new QTabWidget(column);
    pageGD_->setObjectName(QStringLiteral("pageGD"));
    // The seventeen reports of page 1 do not fit a small window: the pages scroll.
    const auto scrolling = [](QWidget* page) {
        auto* area = new QScrollArea;
        area->setWidget(page);
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return area;
    };
    for (int page : {1, 2})
        pageGD_->addTab(scrolling(makeReportPage(page)), QString::number(page));
    layout->addWidget(pageGD_, 1);
    return column;
}

QWidget* BasicAnalysisPanel::makeReportPage(int page) {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("pnGDRDO%1").arg(page));
    auto* layout = new QVBoxLayout(panel);
    layout->setSpacing(2);
    for (int code : analysis::kBasicViewCodes) {
        if (analysis::basicReportPage(code) != page)
            continue;
        const ReportInfo& info = kReports.at(code);
        auto* radio = new QRadioButton(QString::fromUtf8(info.caption), panel);
        radio->setObjectName(QString::fromLatin1(info.name));
        connect(radio, &QRadioButton::clicked, this, [this, code] { buildReport(code); });
        radios_.push_back({radio, code});
        layout->addWidget(radio);
    }
    layout->addStretch(1);
    return panel;
}

void BasicAnalysisPanel::buildReport(int code) {
    analysis::BasicOptions options;
    options.code = code;
    options.step = txtGDNext_->value();
    for (int i = 0; i < 5; ++i)
        options.ticked[static_cast<std::size_t>(i)] = positions_[i]->isChecked();
    QString hint;
    const auto range = main_.periodSelectors().range(store::RangePair::Basic, &hint);
    if (!range && !main_.store().isEmpty())
        Prompt::info(this, hint);
    QString message;
    auto table = analysis::buildBasicReport(main_.store(), range.value_or(store::PeriodRange{}), options, &message);
    if (!table) {
        Prompt::info(this, message);
        return;
    }
    main_.setCurrentViewCode(code);
    EnableGDPositions(code);
    UncheckOtherGDPages(analysis::basicReportPage(code));
    for (const ReportRadio& r : radios_)
        if (r.code == code && !r.radio->isChecked())
            r.radio->setChecked(true);
    model_->setTable(std::move(*table));
    applyColumns(tsGD_, model_->table());
    tsGD_->scrollToBottom();
}

void BasicAnalysisPanel::EnableGDPositions(int code) {
    const bool enabled = !analysis::usesAllPositions(code);
    for (QCheckBox* box : positions_)
        box->setEnabled(enabled);
    cmdGDRefresh_->setEnabled(enabled);
}

void BasicAnalysisPanel::UncheckOtherGDPages(int page) {
    for (const ReportRadio& r : radios_) {
        if (analysis::basicReportPage(r.code) == page || !r.radio->isChecked())
            continue;
        // An exclusive radio cannot be unticked directly.
        r.radio->setAutoExclusive(false);
        r.radio->setChecked(false);
        r.radio->setAutoExclusive(true);
    }
}

void BasicAnalysisPanel::saveTable() {
    QString path = Prompt::saveFileName(this, QStringLiteral("保存基本分析表格"), QStringLiteral("表格文件 (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (QFileInfo::exists(path) && !Prompt::confirm(this, QStringLiteral("该文件已经存在，是否替换该文件？")))
        return;
    QString error;
    if (!analysis::saveTableFile(model_->table(), path, &error))
        Prompt::info(this, QStringLiteral("无法保存文件 %1：%2").arg(path, error));
}
