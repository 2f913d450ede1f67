#include "filter/filter_pages.h"

#include "filter/filter_file.h"
#include "filter/key_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace pentad::filter;

namespace {

const std::array<QString, 5> kPositionNames = {QStringLiteral("万位"), QStringLiteral("千位"), QStringLiteral("百位"),
                                               QStringLiteral("十位"), QStringLiteral("个位")};

bool isZoneOrSetField(const ControlSpec& c) { return c.kind == ControlKind::Edit && !c.caption.isEmpty(); }

} // namespace

FilterPages::FilterPages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("RzPageControl1"));
    for (int page = 1; page <= kPageCount; ++page)
        addTab(buildPage(page), pageCaption(page));
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            applyEnableRule(c);
}

QWidget* FilterPages::buildPage(int page) {
    // Pages scroll when the window is too small to show them whole.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    auto* column = new QVBoxLayout(content);
    for (const GroupBoxSpec* g : Catalogue::instance().page(page)) {
        auto* box = new QGroupBox(g->caption, content);
        box->setObjectName(g->name);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        grid->setVerticalSpacing(2);
        int row = 0;
        for (const ConditionSpec& c : g->conditions)
            addRow(grid, row++, c, box);
        column->addWidget(box);
    }
    column->addStretch(1);
    scroll->setWidget(content);
    return scroll;
}

QWidget* FilterPages::makeControl(const ControlSpec& spec, QWidget* parent) {
    QWidget* w = nullptr;
    switch (spec.kind) {
    case ControlKind::CheckBox:
        w = new QCheckBox(spec.caption, parent);
        static_cast<QCheckBox*>(w)->setChecked(spec.defaultChecked);
        break;
    case ControlKind::Radio:
        w = new QRadioButton(spec.caption, parent);
        static_cast<QRadioButton*>(w)->setChecked(spec.defaultChecked);
        break;
    case ControlKind::Combo: {
        auto* combo = new QComboBox(parent);
        combo->addItems(spec.items);
        combo->setCurrentIndex(spec.defaultIndex);
        w = combo;
        break;
    }
    case ControlKind::Edit: {
        auto* field = new QLineEdit(spec.defaultText, parent);
        field->setMaxLength(spec.maxLength > 0 ? spec.maxLength : kMaxFilterValueLength);
        if (spec.maxLength > 0)
            field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        if (spec.keys == KeyRule::ReadOnly)
            field->setReadOnly(true);
        else
            KeyRuleFilter::install(field, KeyRuleFilter::ruleOf(spec.keys));
        w = field;
        break;
    }
    }
    w->setObjectName(spec.name);
    controls_[spec.name] = w;
    return w;
}

void FilterPages::fillValueArea(QHBoxLayout* area, const ConditionSpec& spec, QWidget* parent) {
    QWidget* radioPanel = nullptr;
    for (const ControlSpec& c : spec.controls) {
        if (c.name == spec.enableBox || c.name == spec.toleranceBox)
            continue;
        if (c.kind == ControlKind::Radio) {
            // The pair sits on a small panel of its own, so it is exclusive by itself.
            if (!radioPanel) {
                radioPanel = new QWidget(parent);
                auto* panelRow = new QHBoxLayout(radioPanel);
                panelRow->setContentsMargins(0, 0, 0, 0);
                area->addWidget(radioPanel);
            }
            radioPanel->layout()->addWidget(makeControl(c, radioPanel));
            continue;
        }
        if (isZoneOrSetField(c))
            area->addWidget(new QLabel(c.caption, parent));
        QWidget* w = makeControl(c, parent);
        if (spec.syntax == Syntax::Comparison) {
            area->addWidget(new QLabel(kPositionNames[static_cast<std::size_t>(spec.param / 10)], parent));
            area->addWidget(w);
            area->addWidget(new QLabel(kPositionNames[static_cast<std::size_t>(spec.param % 10)], parent));
        } else if (spec.syntax == Syntax::History) {
            area->addWidget(new QLabel(QStringLiteral("排除近"), parent));
            area->addWidget(w);
            area->addWidget(new QLabel(QStringLiteral("期"), parent));
        } else {
            area->addWidget(w, c.kind == ControlKind::Edit && !isZoneOrSetField(c) ? 1 : 0);
            if (c.name == QStringLiteral("cmbSTotalWrongMin"))
                area->addWidget(new QLabel(QStringLiteral(" ≤ 容错总数 ≤"), parent));
        }
    }
    area->addStretch(spec.valueField.isEmpty() ? 1 : 0);
}

void FilterPages::addRow(QGridLayout* grid, int row, const ConditionSpec& spec, QWidget* box) {
    auto* area = new QHBoxLayout;
    area->setSpacing(4);
    if (spec.enableBox.isEmpty()) {
        // The set fields: the hint on its own line, then the fields and the generate button.
        grid->addWidget(new QLabel(spec.caption, box), row * 2, 0, 1, 4);
        fillValueArea(area, spec, box);
        grid->addLayout(area, row * 2 + 1, 0, 1, 2);
    } else {
        const ControlSpec* enable = spec.control(spec.enableBox);
        auto* enableBox = static_cast<QCheckBox*>(makeControl(*enable, box));
        fillValueArea(area, spec, box);
        const int span = spec.syntax == Syntax::Option ? 4 : 1;
        grid->addWidget(enableBox, row * 2, 0, 1, span);
        if (span == 1)
            grid->addLayout(area, row * 2, 1);
        else
            delete area;
        connect(enableBox, &QCheckBox::toggled, this, [this, &spec] { applyEnableRule(spec); });
    }
    if (!spec.button.isEmpty()) {
        auto* button = new QPushButton(spec.buttonCaption, box);
        button->setObjectName(spec.button);
        buttons_[spec.button] = button;
        grid->addWidget(button, spec.enableBox.isEmpty() ? row * 2 + 1 : row * 2, 2);
        if (spec.enableBox.isEmpty())
            connect(button, &QPushButton::clicked, this, [this, name = spec.button] { Q_EMIT generateRequested(name); });
        else
            connect(button, &QPushButton::clicked, this, [this, &spec] {
                if (openDialog_)
                    openDialog_(spec);
            });
    }
    if (!spec.toleranceBox.isEmpty())
        grid->addWidget(makeControl(*spec.control(spec.toleranceBox), box), row * 2, 3);
}

void FilterPages::applyEnableRule(const ConditionSpec& spec) {
    if (spec.enableBox.isEmpty())
        return;
    const bool on = static_cast<QCheckBox*>(controls_.at(spec.enableBox))->isChecked();
    for (const QString& name : spec.dependents()) {
        if (const auto b = buttons_.find(name); b != buttons_.end())
            b->second->setEnabled(on && openDialog_);
        else
            controls_.at(name)->setEnabled(on);
    }
}

void FilterPages::setDialogOpener(DialogOpener opener) {
    openDialog_ = std::move(opener);
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            applyEnableRule(c);
}

QWidget* FilterPages::control(const QString& name) const {
    if (const auto it = controls_.find(name); it != controls_.end())
        return it->second;
    const auto b = buttons_.find(name);
    return b == buttons_.end() ? nullptr : b->second;
}

void FilterPages::readInto(FilterState& state) const {
    for (const auto& [name, w] : controls_) {
        if (auto* box = qobject_cast<QAbstractButton*>(w))
            state.setChecked(name, box->isChecked());
        else if (auto* field = qobject_cast<QLineEdit*>(w))
            state.setText(name, field->text());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            state.setIndex(name, combo->currentIndex());
    }
}

void FilterPages::applyState(const FilterState& state) {
    for (const auto& [name, w] : controls_) {
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            if (state.checked(name))
                radio->setChecked(true);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->setChecked(state.checked(name));
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            field->setText(state.text(name));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(state.index(name));
        }
    }
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            applyEnableRule(c);
}
