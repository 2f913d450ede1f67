#include "dialogs/number_set_dialogs.h"

#include "dialogs/dialog_parts.h"
#include "filter/key_rules.h"
#include "filter/position_pad.h"
#include "text/gbk.h"
#include "text/line_file.h"
#include "widgets/digit_panel.h"
#include "widgets/prompt.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>

using dialog_parts::button;
using dialog_parts::closeRow;

namespace {

// Count boxes "0".."5" named prefix + n.
std::array<QCheckBox*, 6> countBoxes(const QString& prefix, QWidget* parent, QHBoxLayout* row) {
    std::array<QCheckBox*, 6> boxes{};
    for (int n = 0; n < 6; ++n) {
        boxes[static_cast<std::size_t>(n)] = new QCheckBox(QString::number(n), parent);
        boxes[static_cast<std::size_t>(n)]->setObjectName(prefix + QString::number(n));
        row->addWidget(boxes[static_cast<std::size_t>(n)]);
    }
    return boxes;
}

void showEntries(QListWidget* list, const QStringList& entries) {
    const int current = list->currentRow();
    list->clear();
    list->addItems(entries);
    if (current >= 0 && current < list->count())
        list->setCurrentRow(current);
}

// The entry buttons beside a list: 添加, 修改, 删除, 清空 with the given names and captions.
struct EntryButtons {
    QPushButton* add;
    QPushButton* change;
    QPushButton* remove;
    QPushButton* clear;
};

EntryButtons entryButtons(QWidget* parent, QVBoxLayout* column, const std::array<std::pair<const char*, const char*>, 4>& spec) {
    EntryButtons b{button(spec[0].first, QString::fromUtf8(spec[0].second), parent),
                   button(spec[1].first, QString::fromUtf8(spec[1].second), parent),
                   button(spec[2].first, QString::fromUtf8(spec[2].second), parent),
                   button(spec[3].first, QString::fromUtf8(spec[3].second), parent)};
    for (QPushButton* p : {b.add, b.change, b.remove, b.clear})
        column->addWidget(p);
    column->addStretch(1);
    return b;
}

// The entry list box lstSet with 添 加 / 修改 / 删 除 / 清 空 beside it.
EntryButtons standardEntryArea(QWidget* parent, QVBoxLayout* column, QListWidget** list) {
    auto* row = new QHBoxLayout;
    *list = new QListWidget(parent);
    (*list)->setObjectName(QStringLiteral("lstSet"));
    row->addWidget(*list, 1);
    auto* buttonsColumn = new QVBoxLayout;
    const EntryButtons b = entryButtons(parent, buttonsColumn, {{{"cmdAdd", "添 加"}, {"cmdChange", "修改"},
                                                                 {"cmdDelete", "删 除"}, {"cmdClear", "清 空"}}});
    row->addLayout(buttonsColumn);
    column->addLayout(row, 1);
    return b;
}

// 删除, 清空 and a click in the list act on the model alike in every dialog; `show` then
// brings the window up to date.
template <class Model> void wireEntries(QWidget* self, Model& model, QListWidget* list, const EntryButtons& b,
                                        std::function<void()> show) {
    QObject::connect(b.remove, &QPushButton::clicked, self, [&model, list, show] {
        model.removeEntry(list->currentRow());
        show();
    });
    QObject::connect(b.clear, &QPushButton::clicked, self, [&model, show] {
        model.clearEntries();
        show();
    });
    QObject::connect(list, &QListWidget::itemClicked, self, [&model, list, show](QListWidgetItem* item) {
        model.pick(list->row(item));
        show();
    });
}

} // namespace

// --- TfrmDMSet --------------------------------------------------------------------------

TfrmDMSet::TfrmDMSet(QWidget* parent, const QString& fieldText) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmDMSet"));
    setWindowTitle(QStringLiteral("不定位胆码设置"));
    model_.open(fieldText);
    auto* column = new QVBoxLayout(this);
    auto* panel = new QGroupBox(QStringLiteral("不定位胆码（单码）："), this);
    panel->setObjectName(QStringLiteral("pnDMSZ"));
    auto* grid = new QGridLayout(panel);
    grid->addWidget(new QLabel(QStringLiteral("胆码数字："), panel), 0, 0);
    digits_ = new QLineEdit(panel);
    digits_->setObjectName(QStringLiteral("txtDMSZ"));
    KeyRuleFilter::install(digits_, KeyRuleFilter::Rule::BankerDigits);
    grid->addWidget(digits_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("出现个数设置："), panel), 1, 0);
    auto* countRow = new QHBoxLayout;
    counts_ = countBoxes(QStringLiteral("chkSDMSZ"), panel, countRow);
    tolerant_ = new QCheckBox(QStringLiteral("容错"), panel);
    tolerant_->setObjectName(QStringLiteral("chkSDMSZWrong"));
    countRow->addWidget(tolerant_);
    countRow->addStretch(1);
    grid->addLayout(countRow, 1, 1);
    auto* row = new QHBoxLayout;
    list_ = new QListWidget(panel);
    list_->setObjectName(QStringLiteral("lstDMSZ"));
    row->addWidget(list_, 1);
    auto* buttonsColumn = new QVBoxLayout;
    const EntryButtons b = entryButtons(panel, buttonsColumn, {{{"cmdDMSZADD", "添 加"}, {"cmdDMSZModify", "修 改"},
                                                                {"cmdDMSZDelete", "删 除"}, {"cmdDMSZClear", "清空"}}});
    row->addLayout(buttonsColumn);
    grid->addLayout(row, 2, 0, 1, 2);
    column->addWidget(panel, 1);
    column->addLayout(closeRow(this, QStringLiteral(" "), "cmdCancel2"));
    connect(b.add, &QPushButton::clicked, this, [this] {
        readInputs();
        act(model_.add());
    });
    connect(b.change, &QPushButton::clicked, this, [this] {
        readInputs();
        act(model_.modify(list_->currentRow()));
    });
    wireEntries(this, model_, list_, b, [this] { showModel(); });
    showModel();
}

void TfrmDMSet::readInputs() {
    model_.digits = digits_->text();
    for (std::size_t n = 0; n < 6; ++n)
        model_.counts[n] = counts_[n]->isChecked();
    model_.tolerant = tolerant_->isChecked();
}

void TfrmDMSet::showModel() {
    digits_->setText(model_.digits);
    for (std::size_t n = 0; n < 6; ++n)
        counts_[n]->setChecked(model_.counts[n]);
    tolerant_->setChecked(model_.tolerant);
    showEntries(list_, model_.entries());
}

void TfrmDMSet::act(const QString& refusal) {
    if (!refusal.isEmpty())
        Prompt::info(this, refusal);
    else
        showModel();
}

std::optional<QString> TfrmDMSet::edit(QWidget* parent, const QString& fieldText) {
    TfrmDMSet d(parent, fieldText);
    return d.exec() == QDialog::Accepted ? std::optional(d.model_.fieldText()) : std::nullopt;
}

// --- TfrmLvChu --------------------------------------------------------------------------

TfrmLvChu::TfrmLvChu(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmLvChu"));
    auto* column = new QVBoxLayout(this);
    rdoZuHe_ = new QRadioButton(this);
    rdoZuHe_->setObjectName(QStringLiteral("rdoZuHe"));
    rdoZDY_ = new QRadioButton(this);
    rdoZDY_->setObjectName(QStringLiteral("rdoZDY"));
    auto* modes = new QHBoxLayout;
    modes->addWidget(rdoZuHe_);
    modes->addWidget(rdoZDY_);
    modes->addStretch(1);
    column->addLayout(modes);

    combination_ = new QGroupBox(QStringLiteral(" 号码设置 "), this);
    combination_->setObjectName(QStringLiteral("grpSet1"));
    auto* grid = new QGridLayout(combination_);
    const std::array<std::pair<char, const char*>, 5> rows = {
        {{'W', "万："}, {'Q', "千："}, {'B', "百："}, {'S', "十："}, {'G', "个："}}};
    for (int r = 0; r < 5; ++r) {
        grid->addWidget(new QLabel(QString::fromUtf8(rows[static_cast<std::size_t>(r)].second), combination_), r, 0);
        for (int p = 0; p <= pentad::dialogs::KeepKillModel::kAnyPad; ++p) {
            auto* pad = new DigitPanel(p, [this, r](int digit) {
                model_.clickPad(r, digit);
                showModel();
            }, combination_);
            if (p == pentad::dialogs::KeepKillModel::kAnyPad)
                pad->setText(QStringLiteral("*"));
            pad->setObjectName(QStringLiteral("pnS%1%2").arg(QLatin1Char(rows[static_cast<std::size_t>(r)].first)).arg(p));
            pads_[static_cast<std::size_t>(r)][static_cast<std::size_t>(p)] = pad;
            grid->addWidget(pad, r, p + 1);
        }
    }
    column->addWidget(combination_);

    custom_ = new QGroupBox(this);
    custom_->setObjectName(QStringLiteral("grpSet2"));
    auto* customRow = new QHBoxLayout(custom_);
    memo_ = new QPlainTextEdit(custom_);
    memo_->setObjectName(QStringLiteral("txtDIY"));
    KeyRuleFilter::install(memo_, KeyRuleFilter::Rule::DigitsComma);
    customRow->addWidget(memo_, 1);
    auto* fileButtons = new QVBoxLayout;
    QPushButton* open = button("cmdSelfOpen", QStringLiteral("打 开"), custom_);
    QPushButton* save = button("cmdSelfSave", QStringLiteral("保 存"), custom_);
    connect(open, &QPushButton::clicked, this, &TfrmLvChu::cmdSelfOpenClick);
    connect(save, &QPushButton::clicked, this, &TfrmLvChu::cmdSelfSaveClick);
    fileButtons->addWidget(open);
    fileButtons->addWidget(save);
    fileButtons->addStretch(1);
    customRow->addLayout(fileButtons);
    column->addWidget(custom_, 1);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { model_.memo = memo_->toPlainText(); });

    const EntryButtons b = standardEntryArea(this, column, &list_);
    change_ = b.change;
    column->addLayout(closeRow(this, QStringLiteral(" ")));

    connect(rdoZuHe_, &QRadioButton::toggled, this, [this](bool on) {
        model_.combinationMode = on;
        showModel();
    });
    connect(b.add, &QPushButton::clicked, this, [this] { act(model_.add()); });
    connect(b.change, &QPushButton::clicked, this, [this] { act(model_.change()); });
    wireEntries(this, model_, list_, b, [this] { showModel(); });
}

std::optional<QString> TfrmLvChu::edit(int kind, const QString& fieldText) {
    model_.setKind(kind);
    model_.open(fieldText);
    setWindowTitle(model_.title());
    rdoZuHe_->setText(model_.combinationCaption());
    rdoZDY_->setText(model_.customCaption());
    showModel();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QString text = model_.fieldText();
    model_.clearEntries();
    return text;
}

void TfrmLvChu::showModel() {
    const QSignalBlocker quiet(rdoZuHe_);
    rdoZuHe_->setChecked(model_.combinationMode);
    rdoZDY_->setChecked(!model_.combinationMode);
    combination_->setEnabled(model_.combinationMode);
    custom_->setEnabled(!model_.combinationMode);
    for (int r = 0; r < 5; ++r)
        for (int p = 0; p <= pentad::dialogs::KeepKillModel::kAnyPad; ++p)
            pads_[static_cast<std::size_t>(r)][static_cast<std::size_t>(p)]->setChosen(model_.chosen(r, p));
    if (memo_->toPlainText() != model_.memo)
        memo_->setPlainText(model_.memo);
    showEntries(list_, model_.entries());
    change_->setEnabled(model_.changeEnabled());
}

void TfrmLvChu::act(const QString& refusal) {
    if (!refusal.isEmpty())
        Prompt::info(this, refusal);
    showModel();
}

void TfrmLvChu::cmdSelfOpenClick() {
    const QString path = Prompt::openFileName(this, QStringLiteral("打开"), QStringLiteral("*.txt;;*.flt"));
    if (path.isEmpty())
        return;
    QString error;
    const auto read = pentad::text::readGbkLines(path, &error);
    if (!read) {
        Prompt::info(this, QStringLiteral("无法读取文件 %1：%2").arg(path, error));
        return;
    }
    model_.memo = pentad::dialogs::KeepKillModel::memoFromFile(read->lines);
    showModel();
}

void TfrmLvChu::cmdSelfSaveClick() {
    QString path = Prompt::saveFileName(this, QStringLiteral("保存"), QStringLiteral("*.txt;;*.flt"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    if (QFileInfo::exists(path) && !Prompt::confirm(this, QStringLiteral("该文件已经存在，是否替换该文件？")))
        return;
    QString error;
    if (!pentad::text::writeGbkLines(path, model_.memo.split(u'\n'), &error))
        Prompt::info(this, QStringLiteral("无法保存文件 %1：%2").arg(path, error));
}

// --- TfrmPiPei --------------------------------------------------------------------------

TfrmPiPei::TfrmPiPei(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmPiPei"));
    setWindowTitle(QStringLiteral("号码匹配"));
    auto* column = new QVBoxLayout(this);
    auto* pads = new QGroupBox(QStringLiteral(" 号码设置 "), this);
    pads->setObjectName(QStringLiteral("grpSet1"));
    auto* padColumn = new QVBoxLayout(pads);
    const std::array<std::pair<const char*, const char*>, 5> rows = {
        {{"W", "万："}, {"Q", "千："}, {"B", "百："}, {"S", "十："}, {"G", "个："}}};
    for (std::size_t r = 0; r < 5; ++r) {
        rows_[r] = new PositionPad(QString::fromLatin1(rows[r].first), QString::fromUtf8(rows[r].second), pads);
        rows_[r]->setText(QString());
        padColumn->addWidget(rows_[r]);
    }
    column->addWidget(pads);
    auto* countsBox = new QGroupBox(QStringLiteral(" 匹配个数设置 "), this);
    auto* countRow = new QHBoxLayout(countsBox);
    counts_ = countBoxes(QStringLiteral("chkS"), countsBox, countRow);
    tolerant_ = new QCheckBox(QStringLiteral("容错"), countsBox);
    tolerant_->setObjectName(QStringLiteral("chkSWrong"));
    countRow->addWidget(tolerant_);
    countRow->addStretch(1);
    column->addWidget(countsBox);
    const EntryButtons b = standardEntryArea(this, column, &list_);
    change_ = b.change;
    column->addLayout(closeRow(this, QStringLiteral(" ")));
    connect(b.add, &QPushButton::clicked, this, [this] {
        readInputs();
        act(model_.add());
    });
    connect(b.change, &QPushButton::clicked, this, [this] {
        readInputs();
        act(model_.change());
    });
    wireEntries(this, model_, list_, b, [this] { showModel(); });
}

std::optional<QString> TfrmPiPei::edit(const QString& fieldText) {
    model_.open(fieldText);
    showEntries(list_, model_.entries());
    change_->setEnabled(false);
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QString text = model_.fieldText();
    model_.clearEntries();
    return text;
}

void TfrmPiPei::readInputs() {
    for (std::size_t r = 0; r < 5; ++r)
        model_.rows[r] = rows_[r]->text();
    for (std::size_t n = 0; n < 6; ++n)
        model_.counts[n] = counts_[n]->isChecked();
    model_.tolerant = tolerant_->isChecked();
}

void TfrmPiPei::showModel() {
    for (std::size_t r = 0; r < 5; ++r)
        rows_[r]->setText(model_.rows[r]);
    for (std::size_t n = 0; n < 6; ++n)
        counts_[n]->setChecked(model_.counts[n]);
    tolerant_->setChecked(model_.tolerant);
    showEntries(list_, model_.entries());
    change_->setEnabled(model_.changeEnabled());
}

void TfrmPiPei::act(const QString& refusal) {
    if (!refusal.isEmpty())
        Prompt::info(this, refusal);
    showModel();
}
