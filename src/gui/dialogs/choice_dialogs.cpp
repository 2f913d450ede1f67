#include "dialogs/choice_dialogs.h"

#include "dialogs/dialog_parts.h"
#include "widgets/prompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pentad::dialogs;

using dialog_parts::button;
using dialog_parts::closeRow;

// --- TfrmWX and TfrmSDZX ----------------------------------------------------------------

ChoiceListDialog::ChoiceListDialog(QWidget* parent, const QString& name, const QString& listName, const QString& title,
                                   QStringList items, const QString& fieldText)
    : QDialog(parent), model_(std::move(items)) {
    setObjectName(name);
    setWindowTitle(title);
    model_.open(fieldText);
    auto* column = new QVBoxLayout(this);
    auto* type = new QLabel(title, this);
    type->setObjectName(QStringLiteral("labType"));
    column->addWidget(type);
    list_ = new QListWidget(this);
    list_->setObjectName(listName);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QStringLiteral("0小0中5大")) * 4 + 100, 200);
    for (const QString& item : model_.items())
        (new QListWidgetItem(item, list_))->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    connect(list_, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { model_.setChecked(list_->row(item), item->checkState() == Qt::Checked); });
    column->addWidget(list_, 1);
    auto* tools = new QHBoxLayout;
    const std::array<std::pair<const char*, void (ChoiceListModel::*)()>, 3> ops = {
        {{"cmdAll", &ChoiceListModel::checkAll}, {"cmdFan", &ChoiceListModel::invert}, {"cmdClear", &ChoiceListModel::clear}}};
    const std::array<QString, 3> captions = {QStringLiteral("全 选"), QStringLiteral("反 选"), QStringLiteral("清 空")};
    for (std::size_t i = 0; i < ops.size(); ++i) {
        QPushButton* b = button(ops[i].first, captions[i], this);
        connect(b, &QPushButton::clicked, this, [this, op = ops[i].second] {
            (model_.*op)();
            show();
        });
        tools->addWidget(b);
    }
    tools->addStretch(1);
    column->addLayout(tools);
    column->addLayout(closeRow(this, QStringLiteral(" ")));
    show();
}

void ChoiceListDialog::show() {
    const QSignalBlocker quiet(list_);
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setCheckState(model_.checked(i) ? Qt::Checked : Qt::Unchecked);
}

std::optional<QString> ChoiceListDialog::editValues(QWidget* parent, int kind, const QString& fieldText) {
    ChoiceListDialog d(parent, QStringLiteral("TfrmWX"), QStringLiteral("chkListSum"), valueChoicesCaption(kind),
                       valueChoices(kind), fieldText);
    return d.exec() == QDialog::Accepted ? std::optional(d.model_.fieldText()) : std::nullopt;
}

std::optional<QString> ChoiceListDialog::editGroups(QWidget* parent, int kind, const QString& fieldText) {
    ChoiceListDialog d(parent, QStringLiteral("TfrmSDZX"), QStringLiteral("chkList"), groupChoicesCaption(kind),
                       groupChoices(kind), fieldText);
    return d.exec() == QDialog::Accepted ? std::optional(d.model_.fieldText()) : std::nullopt;
}

// --- Tfrm012 ----------------------------------------------------------------------------

Tfrm012::Tfrm012(QWidget* parent, int kind, const QString& fieldText) : QDialog(parent), model_(kind) {
    setObjectName(QStringLiteral("Tfrm012"));
    setWindowTitle(PatternProductModel::caption(kind));
    model_.open(fieldText);
    static const std::array<const char*, 3> kPanels = {"DZX", "LGC", "FGZ"};
    static const std::array<const char*, 3> kPanelCaptions = {" 单选大中小设置 ", " 单选邻孤传设置 ", " 单选复隔中设置 "};
    const std::size_t family = kind == 3 ? 1 : kind == 4 ? 2 : 0;
    const QString panel = QString::fromLatin1(kPanels[family]);
    auto* column = new QVBoxLayout(this);
    auto* box = new QGroupBox(QString::fromUtf8(kPanelCaptions[family]), this);
    box->setObjectName(QStringLiteral("pn") + panel);
    auto* grid = new QGridLayout(box);
    const std::array<std::pair<char, const char*>, 5> rows = {
        {{'W', "万位："}, {'Q', "千位："}, {'B', "百位："}, {'S', "十位："}, {'G', "个位："}}};
    std::vector<QCheckBox*> boxes;
    for (int p = 0; p < 5; ++p) {
        grid->addWidget(new QLabel(QString::fromUtf8(rows[static_cast<std::size_t>(p)].second), box), p, 0);
        for (int s = 0; s < 3; ++s) {
            auto* sign = new QCheckBox(model_.signs()[static_cast<std::size_t>(s)], box);
            sign->setObjectName(QStringLiteral("chk%1%2%3").arg(panel).arg(QLatin1Char(rows[static_cast<std::size_t>(p)].first)).arg(s));
            connect(sign, &QCheckBox::toggled, this, [this, p, s](bool on) { model_.setTicked(p, s, on); });
            grid->addWidget(sign, p, s + 1);
            boxes.push_back(sign);
        }
    }
    QPushButton* reset = button(("cmd" + panel.toStdString() + "Reset").c_str(), QStringLiteral("重置"), box);
    connect(reset, &QPushButton::clicked, this, [boxes] {
        for (QCheckBox* b : boxes)
            b->setChecked(false);
    });
    grid->addWidget(reset, 5, 3);
    column->addWidget(box);

    auto* row = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstS"));
    row->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    QPushButton* add = button("cmdAdd", QStringLiteral("添加"), this);
    QPushButton* remove = button("cmdDelete", QStringLiteral("删除"), this);
    QPushButton* clear = button("cmdClear", QStringLiteral("清空"), this);
    connect(add, &QPushButton::clicked, this, [this] {
        if (const QString refusal = model_.add(); !refusal.isEmpty())
            Prompt::info(this, refusal);
        showItems();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        model_.removeItem(list_->currentRow());
        showItems();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        model_.clearItems();
        showItems();
    });
    for (QPushButton* b : {add, remove, clear})
        buttons->addWidget(b);
    buttons->addStretch(1);
    row->addLayout(buttons);
    column->addLayout(row, 1);
    column->addLayout(closeRow(this, QString()));
    showItems();
}

void Tfrm012::showItems() {
    list_->clear();
    list_->addItems(model_.items());
}

std::optional<QString> Tfrm012::edit(QWidget* parent, int kind, const QString& fieldText) {
    Tfrm012 d(parent, kind, fieldText);
    return d.exec() == QDialog::Accepted ? std::optional(d.model_.fieldText()) : std::nullopt;
}

// --- TfrmLvP3 ---------------------------------------------------------------------------

TfrmLvP3::TfrmLvP3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmLvP3"));
    setWindowTitle(QStringLiteral("排列3排除"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("滤除包含以下排列3号码的号码："), this));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("txtP3"));
    column->addWidget(memo_, 1);
    column->addLayout(closeRow(this, QStringLiteral(" ")));
}

std::optional<QString> TfrmLvP3::edit(const QString& fieldText) {
    memo_->setPlainText(fieldText);
    return exec() == QDialog::Accepted ? std::optional(memo_->toPlainText()) : std::nullopt;
}
