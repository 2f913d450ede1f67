#include "filter/filter_panel.h"

#include "app/status_windows.h"
#include "app/tfrm_main.h"
#include "dialogs/setting_dialogs.h"
#include "filter/filter_pages.h"
#include "filter/filter_request.h"
#include "filter/position_pad.h"
#include "filter/position_pads.h"
#include "filter/result_file.h"
#include "filter/result_model.h"
#include "filter/set_generation.h"
#include "widgets/prompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

using namespace pentad;

namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FilterPanel::FilterPanel(TfrmMain& main, QWidget* parent) : QWidget(parent), main_(main) {
    pages_ = new FilterPages(this);
    auto* left = new QVBoxLayout;
    left->addWidget(buildPads());
    left->addWidget(pages_, 1);
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 1);
    row->addWidget(buildResults());
    connect(pages_, &FilterPages::generateRequested, this, &FilterPanel::generateSets);
    dialogs_ = std::make_unique<SettingDialogs>(this);
    pages_->setDialogOpener([this](const filter::ConditionSpec& row) {
        auto* field = static_cast<QLineEdit*>(pages_->control(row.valueField));
        if (const auto text = dialogs_->open(row, field->text()))
            field->setText(*text);
    });
}

FilterPanel::~FilterPanel() = default;

QWidget* FilterPanel::buildPads() {
    auto* box = new QGroupBox(QStringLiteral(" 号码选择 "), this);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(2);
    const std::array<std::pair<const char*, const char*>, 5> positions = {
        {{"W", "万位："}, {"Q", "千位："}, {"B", "百位："}, {"S", "十位："}, {"G", "个位："}}};
    for (std::size_t i = 0; i < 5; ++i) {
        pads_[i] = new PositionPad(QString::fromLatin1(positions[i].first), QString::fromUtf8(positions[i].second), box);
        column->addWidget(pads_[i]);
    }
    auto* options = new QHBoxLayout;
    chkSResult_ = new QCheckBox(QStringLiteral("根据结果"), box);
    chkSResult_->setObjectName(QStringLiteral("chkSResult"));
    chkSResult_->setToolTip(QStringLiteral("以结果为投注范围进行再过滤"));
    options->addWidget(chkSResult_);
    options->addSpacing(16);
    options->addWidget(new QLabel(QStringLiteral("投注期号："), box));
    cmbSItem_ = new QComboBox(box);
    cmbSItem_->setObjectName(QStringLiteral("cmbSItem"));
    options->addWidget(cmbSItem_);
    options->addStretch(1);
    column->addLayout(options);
    return box;
}

QWidget* FilterPanel::buildResults() {
    auto* box = new QGroupBox(QStringLiteral(" 投注结果 "), this);
    auto* column = new QVBoxLayout(box);
    results_ = new ResultModel(this);
    tsGDSelectResult_ = new QTableView(box);
    tsGDSelectResult_->setObjectName(QStringLiteral("tsGDSelectResult"));
    tsGDSelectResult_->setModel(results_);
    tsGDSelectResult_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tsGDSelectResult_->setSelectionMode(QAbstractItemView::SingleSelection);
    tsGDSelectResult_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tsGDSelectResult_->verticalHeader()->hide();
    // Fixed row heights keep 100,000 rows as quick as ten.
    tsGDSelectResult_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tsGDSelectResult_->verticalHeader()->setDefaultSectionSize(tsGDSelectResult_->fontMetrics().height() + 4);
    tsGDSelectResult_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tsGDSelectResult_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* popup = new QMenu(tsGDSelectResult_);
    popup->setObjectName(QStringLiteral("popMnuSelect"));
    QAction* remove = popup->addAction(QStringLiteral("删除 (&D)"));
    remove->setObjectName(QStringLiteral("pmnuDelete"));
    connect(remove, &QAction::triggered, this, &FilterPanel::pmnuDeleteClick);
    connect(tsGDSelectResult_, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(tsGDSelectResult_->viewport()->mapToGlobal(at)); });
    column->addWidget(tsGDSelectResult_, 1);

    auto* counts = new QGridLayout;
    labSCount_ = new QLabel(QStringLiteral("0"), box);
    labSCount_->setObjectName(QStringLiteral("labSCount"));
    labSCost_ = new QLabel(QStringLiteral("0"), box);
    labSCost_->setObjectName(QStringLiteral("labSCost"));
    for (QLabel* l : {labSCount_, labSCost_})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    counts->addWidget(new QLabel(QStringLiteral("过滤结果："), box), 0, 0);
    counts->addWidget(labSCount_, 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("注"), box), 0, 2);
    counts->addWidget(new QLabel(QStringLiteral("投注金额："), box), 1, 0);
    counts->addWidget(labSCost_, 1, 1);
    counts->addWidget(new QLabel(QStringLiteral("元"), box), 1, 2);
    counts->setColumnStretch(1, 1);
    column->addLayout(counts);

    auto* buttons = new QGridLayout;
    QPushButton* select = button("cmdSelect", "投注", box);
    select->setDefault(true);
    QPushButton* saveResult = button("cmdSaveResult", "保存投注", box);
    QPushButton* saveFilter = button("cmdSaveFlt", "保存过滤", box);
    QPushButton* openFilter = button("cmdOpenFlt", "打开过滤", box);
    QPushButton* clear = button("cmdClear", "重置过滤", box);
    QPushButton* random = button("cmdRandom", "随机生成", box);
    txtSRandomC_ = new QSpinBox(box);
    txtSRandomC_->setObjectName(QStringLiteral("txtSRandomC"));
    txtSRandomC_->setRange(1, 999);
    txtSRandomC_->setValue(10);
    // One narrow column, so the filter pages keep the width.
    int row = 0;
    for (QPushButton* b : {select, saveResult, saveFilter, openFilter, clear})
        buttons->addWidget(b, row++, 0, 1, 2);
    buttons->addWidget(random, row, 0);
    buttons->addWidget(txtSRandomC_, row, 1);
    column->addLayout(buttons);
    connect(select, &QPushButton::clicked, this, &FilterPanel::cmdSelectClick);
    connect(saveResult, &QPushButton::clicked, this, &FilterPanel::cmdSaveResultClick);
    connect(saveFilter, &QPushButton::clicked, this, &FilterPanel::cmdSaveFltClick);
    connect(openFilter, &QPushButton::clicked, this, &FilterPanel::cmdOpenFltClick);
    connect(clear, &QPushButton::clicked, this, &FilterPanel::cmdClearClick);
    connect(random, &QPushButton::clicked, this, &FilterPanel::cmdRandomClick);
    // As wide as the count labels need, the rest goes to the filter pages.
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("投注金额：2000000 元")) + 60);
    return box;
}

filter::FilterState FilterPanel::state() const {
    filter::FilterState s;
    for (std::size_t i = 0; i < 5; ++i)
        s.pads[i] = pads_[i]->text();
    pages_->readInto(s);
    return s;
}

void FilterPanel::applyState(const filter::FilterState& state) {
    for (std::size_t i = 0; i < 5; ++i)
        pads_[i]->setText(state.pads[i]);
    pages_->applyState(state);
}

void FilterPanel::setAllPads() {
    for (PositionPad* pad : pads_)
        pad->setText(filter::kAllDigits);
}

void FilterPanel::showCount() {
    labSCount_->setText(QString::number(results_->rowCount()));
    labSCost_->setText(QString::number(2LL * results_->rowCount()));
}

void FilterPanel::cmdSelectClick() {
    filter::FilterRequest request;
    request.state = state();
    request.byResults = chkSResult_->isChecked();
    if (request.byResults)
        request.results = results_->bets();
    request.draws = filter::historyOf(main_.store().newestFirst());
    if (const QString refusal = filter::refusalOf(request); !refusal.isEmpty()) {
        Prompt::info(this, refusal);
        return;
    }
    TfrmProcess& progress = main_.processWindow();
    progress.setState(QStringLiteral("过滤进度"));
    progress.showOver();
    filter::FilterOutcome outcome = filter::runFilterRequest(request, [&progress](int percent) {
        progress.setPercent(percent);
        return true;
    });
    results_->setResults(std::move(outcome.run.results));
    progress.setPercent(100);
    progress.hide();
    showCount();
}

void FilterPanel::cmdClearClick() {
    filter::FilterState s = state();
    filter::resetFilter(s);
    applyState(s);
}

void FilterPanel::cmdRandomClick() {
    results_->setBets(filter::randomBets(txtSRandomC_->value()));
    showCount();
}

void FilterPanel::pmnuDeleteClick() {
    const QModelIndex current = tsGDSelectResult_->currentIndex();
    if (!current.isValid())
        return;
    if (!Prompt::confirm(this, QStringLiteral("您真的要删除该条记录吗？？")))
        return;
    results_->removeBet(current.row());
    showCount();
}

void FilterPanel::generateSets(const QString& buttonName) {
    const auto draws = filter::historyOf(main_.store().newestFirst());
    const filter::GeneratedSets sets = buttonName == QStringLiteral("cmdSLGC") ? filter::generateNeighbourSets(draws)
                                                                               : filter::generateRepeatSets(draws);
    if (!sets.shortage.isEmpty()) {
        Prompt::info(this, sets.shortage);
        return;
    }
    for (const auto& [name, text] : sets.fields)
        static_cast<QLineEdit*>(pages_->control(name))->setText(text);
}
