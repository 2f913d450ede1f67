#include "app/tfrm_main.h"

#include "analysis/basic_analysis_panel.h"
#include "app/calendar_text.h"
#include "app/product.h"
#include "app/status_windows.h"
#include "filter/filter_panel.h"
#include "store/period_selectors.h"
#include "widgets/prompt.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>

using namespace pentad;

namespace {

struct PanelInfo {
    int code;
    const char* name;
    const char* title;
};

constexpr PanelInfo kPanels[] = {
    {TfrmMain::kPanelGridData, "panelGridData", "基本分析"},
    {TfrmMain::kPanelGraphData, "panelGraphData", "统计分析"},
    {TfrmMain::kPanelFuture, "panelFuture", "走势分析"},
    {TfrmMain::kPanelMiss, "panelMiss", "遗漏分析"},
    {TfrmMain::kPanelSelect, "panelSelect", "投注过滤"},
    {TfrmMain::kPanelAd, "panelAd", "高级分析"},
    {TfrmMain::kPanelCX, "panelCX", "查询"},
    {TfrmMain::kPanelCool, "panelCool", "冷态查询"},
};

// The panel that shows each pair of range selectors.
constexpr std::pair<store::RangePair, int> kPairPanels[] = {
    {store::RangePair::Basic, TfrmMain::kPanelGridData},
    {store::RangePair::Statistics, TfrmMain::kPanelGraphData},
    {store::RangePair::Advanced, TfrmMain::kPanelAd},
    {store::RangePair::Omission, TfrmMain::kPanelMiss},
    {store::RangePair::Cool, TfrmMain::kPanelCool},
    {store::RangePair::Query, TfrmMain::kPanelCX},
};

} // namespace

TfrmMain::TfrmMain(const app::DataPaths& paths, QWidget* parent)
    : QMainWindow(parent), paths_(paths), settings_(paths.settingsFile) {
    setObjectName(QStringLiteral("TfrmMain"));
    setWindowTitle(product::kTitle);
    setMinimumSize(800, 572);
    periodSelectors_ = new PeriodSelectors(this);
    process_ = new TfrmProcess(this);
    wait_ = new TfrmWait(this);

    buildPanels();
    buildToolBar();
    buildMenu();
    buildStatusBar();

    applyGeometry(settings_.windowGeometry());
    if (settings_.autoSaveFilter())
        filterPanel_->openAutomaticFilter();
    statusPanels_[2]->setText(app::dateAndWeekdayText(
        QDate::currentDate(), QLocale(QLocale::Chinese, QLocale::China).toString(QDate::currentDate(), QLocale::ShortFormat)));
    periodsPerTrendPage_ = settings_.futurePeriodsPerPage();
    labZSPC_->setText(QStringLiteral("每页 %1 期").arg(periodsPerTrendPage_));
    connectStore();
    filterPanel_->setAllPads();
    currentPanel_ = kPanelGridData;
    statusPanels_[0]->setText(QStringLiteral("当前玩法：体彩排列5"));
    FillPeriodLists();
    fillBetPeriods();
    connect(periodSelectors_, &PeriodSelectors::rangeChanged, this, &TfrmMain::rangeChanged);
}

void TfrmMain::buildPanels() {
    views_ = new QStackedWidget(this);
    views_->setObjectName(QStringLiteral("viewArea"));
    for (const PanelInfo& info : kPanels) {
        if (info.code == kPanelGridData) {
            auto* basic = new BasicAnalysisPanel(*this, views_);
            basic->setObjectName(QString::fromLatin1(info.name));
            registerSaver(info.code, [basic] { basic->saveTable(); });
            panels_[info.code] = basic;
            views_->addWidget(basic);
            continue;
        }
        if (info.code == kPanelSelect) {
            filterPanel_ = new FilterPanel(*this, views_);
            filterPanel_->setObjectName(QString::fromLatin1(info.name));
            cmbSItem_ = filterPanel_->betPeriods();
            panels_[info.code] = filterPanel_;
            views_->addWidget(filterPanel_);
            continue;
        }
        auto* panel = new QWidget(views_);
        panel->setObjectName(QString::fromLatin1(info.name));
        auto* layout = new QVBoxLayout(panel);
        for (const auto& [pair, code] : kPairPanels)
            if (code == info.code)
                layout->addWidget(periodSelectors_->makeBar(pair, panel));
        auto* placeholder = new QLabel(QString::fromUtf8(info.title), panel);
        placeholder->setAlignment(Qt::AlignCenter);
        placeholder->setEnabled(false);
        layout->addWidget(placeholder, 1);
        panels_[info.code] = panel;
        views_->addWidget(panel);
    }

    labZSPC_ = new QLabel(panels_[kPanelFuture]);
    labZSPC_->setObjectName(QStringLiteral("labZSPC"));
    static_cast<QVBoxLayout*>(panels_[kPanelFuture]->layout())->insertWidget(0, labZSPC_);

    setCentralWidget(views_);
}

void TfrmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    const int widths[] = {150, 500, 150};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        label->setMinimumWidth(widths[i]);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        if (i == 2)
            label->setAlignment(Qt::AlignCenter);
        bar->addWidget(label, i == 1 ? 1 : 0);
        statusPanels_[static_cast<std::size_t>(i)] = label;
    }
}

void TfrmMain::applyGeometry(const app::WindowGeometry& g) {
    move(g.left, g.top);
    resize(g.width, g.height);
    switch (g.state) {
    case 1:
        setWindowState(Qt::WindowNoState);
        break;
    case 2:
        setWindowState(Qt::WindowMinimized);
        break;
    case 3:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        break; // any other value leaves the state as designed
    }
}

void TfrmMain::writeGeometry() {
    app::WindowGeometry g;
    g.top = pos().y();
    g.left = pos().x();
    g.width = width();
    g.height = height();
    g.state = isMinimized() ? 2 : isMaximized() ? 3 : 1;
    settings_.setWindowGeometry(g);
}

void TfrmMain::connectStore() {
    QString error;
    if (!store_.open(paths_.drawsFile, &error))
        Prompt::info(this, error + QStringLiteral("\n程序将在没有开奖数据的情况下运行。"));
}

void TfrmMain::FillPeriodLists() {
    periodSelectors_->fill(store_.periodTextsOldestFirst());
}

void TfrmMain::fillBetPeriods() {
    cmbSItem_->clear();
    cmbSItem_->addItems(store::betPeriods(store_.newestPeriod(), QDate::currentDate().year()));
    cmbSItem_->setCurrentIndex(0);
}

void TfrmMain::registerView(int code, ViewBuilder builder) {
    if (code >= 0 && code < kViewCodeCount)
        viewBuilders_[static_cast<std::size_t>(code)] = std::move(builder);
}

void TfrmMain::registerViewRadio(int panel, QRadioButton* radio, int code) {
    viewRadios_[panel].emplace_back(radio, code);
}

void TfrmMain::registerSaver(int panel, std::function<void()> save) {
    savers_[panel] = std::move(save);
}

void TfrmMain::mnuSaveClick() {
    if (const auto it = savers_.find(currentPanel_); it != savers_.end())
        it->second();
}

void TfrmMain::RefreshCurrentView(QObject* sender) {
    if (currentViewCode_ < 0 || currentViewCode_ >= kViewCodeCount)
        return;
    if (const ViewBuilder& build = viewBuilders_[static_cast<std::size_t>(currentViewCode_)])
        build(sender);
}

void TfrmMain::ReloadDraws(DrawChange change) {
    QString error;
    if (!store_.reload(&error)) {
        Prompt::info(this, error);
        return;
    }
    if (change == DrawChange::PeriodsAdded)
        FillPeriodLists();
    RefreshCurrentView(this);
}

void TfrmMain::setStatusRangeText(const QString& text) { statusPanels_[1]->setText(text); }

QString TfrmMain::statusText(int panel) const {
    return statusPanels_.at(static_cast<std::size_t>(panel))->text();
}

void TfrmMain::showPanel(int panel, bool clearRangeText) {
    views_->setCurrentWidget(panels_.at(panel));
    currentPanel_ = panel;
    if (clearRangeText)
        setStatusRangeText(QString());
}

void TfrmMain::selectCheckedView(int panel) {
    const auto it = viewRadios_.find(panel);
    if (it == viewRadios_.end())
        return;
    for (const auto& [radio, code] : it->second) {
        if (radio->isChecked()) {
            currentViewCode_ = code;
            return;
        }
    }
}

void TfrmMain::SBtnGridDataClick() {
    showPanel(kPanelGridData, true);
    selectCheckedView(kPanelGridData);
    RefreshCurrentView(this);
}

void TfrmMain::SBtnGraphDataClick() {
    showPanel(kPanelGraphData, true);
    selectCheckedView(kPanelGraphData);
    RefreshCurrentView(this);
}

void TfrmMain::SBFutureDataClick() {
    showPanel(kPanelFuture, true);
    selectCheckedView(kPanelFuture);
    RefreshCurrentView(this);
}

void TfrmMain::SBMissDataClick() {
    // The omission views write the range text themselves.
    showPanel(kPanelMiss, false);
    selectCheckedView(kPanelMiss);
    RefreshCurrentView(this);
}

void TfrmMain::SBAdDataClick() {
    showPanel(kPanelAd, true);
    selectCheckedView(kPanelAd);
    RefreshCurrentView(this);
}

void TfrmMain::SBSelectClick() { showPanel(kPanelSelect, true); }

void TfrmMain::SBCXClick() { showPanel(kPanelCX, false); }

void TfrmMain::SBCoolClick() { showPanel(kPanelCool, true); }

void TfrmMain::rangeChanged(store::RangePair pair) {
    switch (store::followUp(pair)) {
    case store::RangeFollowUp::RebuildBasicPanel:
        SBtnGridDataClick();
        break;
    case store::RangeFollowUp::RefreshCurrentView:
        RefreshCurrentView(periodSelectors_);
        break;
    case store::RangeFollowUp::RebuildAdvancedPanel:
        SBAdDataClick();
        break;
    case store::RangeFollowUp::Nothing:
        break;
    }
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(shownOnce_, true))
        SBtnGridDataClick();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!std::exchange(destroyed_, true)) {
        writeGeometry();
        settings_.setFuturePeriodsPerPage(periodsPerTrendPage_);
        if (settings_.autoSaveFilter())
            filterPanel_->saveAutomaticFilter();
    }
    event->accept();
}
