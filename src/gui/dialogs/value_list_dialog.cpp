#include "dialogs/value_list_dialog.h"

#include "widgets/digit_panel.h"
#include "dialogs/dialog_parts.h"
#include "widgets/prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pentad::dialogs;

using dialog_parts::button;
using dialog_parts::closeRow;

ValueListDialog::ValueListDialog(const QString& name, const Tools& tools, QWidget* parent) : QDialog(parent) {
    setObjectName(name);
    setModal(true);
    build(tools);
}

void ValueListDialog::build(const Tools& tools) {
    auto* column = new QVBoxLayout(this);
    headRow_ = new QHBoxLayout;
    column->addLayout(headRow_);

    column->addWidget(new QLabel(QStringLiteral("条件设定："), this));
    checklist_ = new QListWidget(this);
    checklist_->setObjectName(QStringLiteral("chkListSum"));
    // Values flow in columns like a check list of four columns.
    checklist_->setFlow(QListView::LeftToRight);
    checklist_->setWrapping(true);
    checklist_->setResizeMode(QListView::Adjust);
    checklist_->setUniformItemSizes(true);
    checklist_->setMinimumWidth(checklist_->fontMetrics().horizontalAdvance(QStringLiteral("奇奇奇奇奇")) * 4 + 80);
    column->addWidget(checklist_, 1);
    connect(checklist_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        itemChanged(checklist_->row(item), item->checkState() == Qt::Checked);
    });

    auto* toolsRow = new QHBoxLayout;
    const QString gap = tools.toolsSpacing;
    if (tools.quickCombo) {
        toolsRow->addWidget(new QLabel(QStringLiteral("快速操作："), this));
        auto* quick = new QComboBox(this);
        quick->setObjectName(QStringLiteral("cmbKX"));
        quick->addItems({QStringLiteral("选号"), QStringLiteral("全选"), QStringLiteral("清除"), QStringLiteral("反选"),
                         QStringLiteral("奇数"), QStringLiteral("偶数"), QStringLiteral("0 路数"), QStringLiteral("1 路数"),
                         QStringLiteral("2 路数")});
        connect(quick, &QComboBox::activated, this, [this, quick](int index) {
            model_->quickOperation(static_cast<QuickOperation>(index));
            quick->setCurrentIndex(0);
            refresh();
        });
        toolsRow->addWidget(quick);
    } else {
        const std::array<std::tuple<const char*, QString, QuickOperation>, 3> simple = {{
            {"cmdAll", QStringLiteral("全") + gap + QStringLiteral("选"), QuickOperation::All},
            {"cmdFan", QStringLiteral("反") + gap + QStringLiteral("选"), QuickOperation::Invert},
            {"cmdClear", QStringLiteral("清") + gap + QStringLiteral("空"), QuickOperation::Clear},
        }};
        for (const auto& [name, caption, op] : simple) {
            QPushButton* b = button(name, caption, this);
            connect(b, &QPushButton::clicked, this, [this, op = op] {
                model_->quickOperation(op);
                refresh();
            });
            toolsRow->addWidget(b);
        }
    }
    if (tools.range) {
        toolsRow->addSpacing(12);
        toolsRow->addWidget(new QLabel(QStringLiteral("范围选择："), this));
        from_ = new QComboBox(this);
        from_->setObjectName(QStringLiteral("cmbS1"));
        to_ = new QComboBox(this);
        to_->setObjectName(QStringLiteral("cmbS2"));
        toolsRow->addWidget(from_);
        toolsRow->addWidget(new QLabel(QStringLiteral("至"), this));
        toolsRow->addWidget(to_);
        QPushButton* select = button(tools.rangeButton.toLatin1().constData(), QStringLiteral("选中"), this);
        connect(select, &QPushButton::clicked, this, [this] {
            model_->selectRange(from_->currentText().toInt(), to_->currentText().toInt());
            refresh();
        });
        toolsRow->addWidget(select);
    }
    toolsRow->addStretch(1);
    column->addLayout(toolsRow);

    auto* entryRow = new QHBoxLayout;
    entries_ = new QListWidget(this);
    entries_->setObjectName(QStringLiteral("lstSet"));
    connect(entries_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_->pick(entries_->row(item));
        refresh();
    });
    entryRow->addWidget(entries_, 1);
    auto* entryButtons = new QVBoxLayout;
    QPushButton* add = button("cmdAdd", QStringLiteral("添 加"), this);
    change_ = button("cmdChange", QStringLiteral("修改"), this);
    QPushButton* remove = button("cmdDelete", QStringLiteral("删 除"), this);
    QPushButton* reset = button("cmdReset", QStringLiteral("清 空"), this);
    connect(add, &QPushButton::clicked, this, [this] { report(model_->add()); });
    connect(change_, &QPushButton::clicked, this, [this] { report(model_->change()); });
    connect(remove, &QPushButton::clicked, this, [this] {
        model_->removeEntry(entries_->currentRow());
        refresh();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        model_->clearEntries();
        refresh();
    });
    for (QPushButton* b : {add, change_, remove, reset})
        entryButtons->addWidget(b);
    entryButtons->addStretch(1);
    if (tools.legend)
        entryButtons->addWidget(new QLabel(QStringLiteral("注意：列表中的各条件为交集的关系。\n即当一个数满足所有列出的条件\n时才会被保留下来。"), this));
    entryRow->addLayout(entryButtons);
    column->addLayout(entryRow, 1);

    column->addLayout(closeRow(this, QStringLiteral(" ")));
}

void ValueListDialog::setModel(std::unique_ptr<EntryDialogModel> model) { model_ = std::move(model); }

std::optional<QString> ValueListDialog::edit(const QString& title, const QString& fieldText) {
    setWindowTitle(title);
    model_->open(fieldText);
    refresh();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const QString text = model_->fieldText();
    model_->clearEntries();
    return text;
}

void ValueListDialog::report(const QString& refusal) {
    if (!refusal.isEmpty())
        Prompt::info(this, refusal);
    refresh();
}

void ValueListDialog::itemChanged(int row, bool checked) {
    if (!refreshing_)
        model_->setChecked(row, checked);
}

void ValueListDialog::refresh() {
    refreshing_ = true;
    showHead();
    const auto& items = model_->checklist();
    QStringList texts;
    for (const ChecklistItem& i : items)
        texts << i.text;
    if (texts != shownValues_) { // the list was rebuilt
        shownValues_ = texts;
        checklist_->clear();
        for (const QString& text : texts) {
            auto* item = new QListWidgetItem(text, checklist_);
            item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        }
        if (from_) {
            from_->clear();
            from_->addItems(texts);
            to_->clear();
            to_->addItems(texts);
            to_->setCurrentIndex(to_->count() - 1);
        }
    }
    for (int r = 0; r < checklist_->count(); ++r)
        checklist_->item(r)->setCheckState(items[static_cast<std::size_t>(r)].checked ? Qt::Checked : Qt::Unchecked);
    const int current = entries_->currentRow();
    entries_->clear();
    entries_->addItems(model_->entries());
    if (current >= 0 && current < entries_->count())
        entries_->setCurrentRow(current);
    change_->setEnabled(model_->changeEnabled());
    refreshing_ = false;
}

// --- members with position boxes --------------------------------------------------------

PositionDialog::PositionDialog(const QString& name, const Tools& tools, const QString& label, QWidget* parent)
    : ValueListDialog(name, tools, parent) {
    headRow()->addWidget(new QLabel(label, this));
    const std::array<const char*, 5> captions = {"个", "十", "百", "千", "万"};
    for (int code = 5; code >= 1; --code) {
        auto* box = new QCheckBox(QString::fromUtf8(captions[static_cast<std::size_t>(code - 1)]), this);
        box->setObjectName(QStringLiteral("chkSNo%1").arg(code));
        connect(box, &QCheckBox::clicked, this, [this, code](bool on) {
            positions().setTicked(code, on);
            refresh();
        });
        boxes_[static_cast<std::size_t>(code - 1)] = box;
        headRow()->addWidget(box);
    }
    headRow()->addStretch(1);
}

PositionEntryModel& PositionDialog::positions() { return static_cast<PositionEntryModel&>(model()); }

void PositionDialog::showHead() {
    for (int code = 1; code <= 5; ++code)
        boxes_[static_cast<std::size_t>(code - 1)]->setChecked(positions().ticked(code));
}

TfrmSum::TfrmSum(QWidget* parent)
    : PositionDialog(QStringLiteral("TfrmSum"), {true, true, QStringLiteral("cmdSelect"), QStringLiteral(" "), true},
                     QStringLiteral("位置设定："), parent) {
    setModel(std::make_unique<SumDialogModel>(1));
}

std::optional<QString> TfrmSum::edit(int kind, const QString& fieldText) {
    setModel(std::make_unique<SumDialogModel>(kind));
    return ValueListDialog::edit(SumDialogModel::caption(kind), fieldText);
}

TfrmJO::TfrmJO(QWidget* parent)
    : PositionDialog(QStringLiteral("TfrmJO"), {false, false, {}, QStringLiteral(" ")}, QStringLiteral("位置设定："), parent) {
    setModel(std::make_unique<PatternDialogModel>(1));
}

std::optional<QString> TfrmJO::edit(int kind, const QString& fieldText) {
    setModel(std::make_unique<PatternDialogModel>(kind));
    return ValueListDialog::edit(PatternDialogModel::caption(kind), fieldText);
}

TfrmMWC::TfrmMWC(QWidget* parent)
    : PositionDialog(QStringLiteral("TfrmMWC"), {false, true, QStringLiteral("cmdSelect"), QString()},
                     QStringLiteral("请选择两个位置："), parent) {
    setModel(std::make_unique<TwoPositionDialogModel>(1));
}

std::optional<QString> TfrmMWC::edit(int kind, const QString& fieldText) {
    setModel(std::make_unique<TwoPositionDialogModel>(kind));
    return ValueListDialog::edit(TwoPositionDialogModel::caption(kind), fieldText);
}

// --- TfrmADSum --------------------------------------------------------------------------

TfrmADSum::TfrmADSum(QWidget* parent)
    : ValueListDialog(QStringLiteral("TfrmADSum"), {false, false, {}, QString()}, parent) {
    setModel(std::make_unique<DigitSumDialogModel>());
    headRow()->addWidget(new QLabel(QStringLiteral("数字选择(实际是特殊和的扩展)："), this));
    for (int d = 0; d < 10; ++d) {
        auto* pad = new DigitPanel(d, [this](int digit) {
            digits().toggle(digit);
            refresh();
        }, this);
        pad->setObjectName(QStringLiteral("pnSB%1").arg(d));
        pads_[static_cast<std::size_t>(d)] = pad;
        headRow()->addWidget(pad);
    }
    headRow()->addStretch(1);
}

DigitSumDialogModel& TfrmADSum::digits() { return static_cast<DigitSumDialogModel&>(model()); }

std::optional<QString> TfrmADSum::edit(const QString& fieldText) {
    return ValueListDialog::edit(QStringLiteral("自定义数和"), fieldText);
}

void TfrmADSum::showHead() {
    for (int d = 0; d < 10; ++d)
        pads_[static_cast<std::size_t>(d)]->setChosen(digits().chosen(d));
}

// --- TfrmTSH ----------------------------------------------------------------------------

TfrmTSH::TfrmTSH(QWidget* parent)
    : ValueListDialog(QStringLiteral("TfrmTSH"), {false, true, QStringLiteral("cmdQSelect"), QString()}, parent) {
    setModel(std::make_unique<RemainderDialogModel>());
    headRow()->addWidget(new QLabel(QStringLiteral("过滤类型："), this));
    divisors_ = new QComboBox(this);
    divisors_->setObjectName(QStringLiteral("cmbSetList"));
    divisors_->addItems(RemainderDialogModel::divisorNames());
    connect(divisors_, &QComboBox::activated, this, [this](int index) {
        remainders().chooseDivisor(index);
        refresh();
    });
    headRow()->addWidget(divisors_);
    tolerant_ = new QCheckBox(QStringLiteral("容错"), this);
    tolerant_->setObjectName(QStringLiteral("chkWrong"));
    connect(tolerant_, &QCheckBox::clicked, this, [this](bool on) { remainders().setTolerant(on); });
    headRow()->addWidget(tolerant_);
    headRow()->addStretch(1);
}

RemainderDialogModel& TfrmTSH::remainders() { return static_cast<RemainderDialogModel&>(model()); }

std::optional<QString> TfrmTSH::edit(const QString& fieldText) {
    return ValueListDialog::edit(QStringLiteral("除N余数设置"), fieldText);
}

void TfrmTSH::showHead() {
    divisors_->setCurrentIndex(remainders().divisor().value_or(-1));
    tolerant_->setChecked(remainders().tolerant());
}
