#pragma once

#include "filter/catalogue.h"
#include "filter/filter_state.h"

#include <QTabWidget>

#include <functional>
#include <map>

class QAbstractButton;
class QGridLayout;
class QHBoxLayout;

// The ten filter pages ("过滤1" .. "过滤10"), built from the catalogue: every group box with
// its caption, every condition with its controls named as the catalogue names them. The
// widgets hold the values; state() and applyState() turn them into a FilterState and back.
class FilterPages : public QTabWidget {
    Q_OBJECT
public:
    explicit FilterPages(QWidget* parent);

    // The condition controls (not the pads) as a state, and back. Applying runs the enable
    // rule as a user's own ticks would.
    void readInto(pentad::filter::FilterState& state) const;
    void applyState(const pentad::filter::FilterState& state);

    QWidget* control(const QString& name) const;

    // What a row's "设置" button opens. Without an opener the buttons stay disabled.
    using DialogOpener = std::function<void(const pentad::filter::ConditionSpec&)>;
    void setDialogOpener(DialogOpener opener);

Q_SIGNALS:
    // A generate button (cmdSLGC / cmdSFGZ) was pressed.
    void generateRequested(const QString& buttonName);

private:
    QWidget* buildPage(int page);
    void addRow(QGridLayout* grid, int row, const pentad::filter::ConditionSpec& spec, QWidget* box);
    QWidget* makeControl(const pentad::filter::ControlSpec& spec, QWidget* parent);
    void fillValueArea(QHBoxLayout* area, const pentad::filter::ConditionSpec& spec, QWidget* parent);
    void applyEnableRule(const pentad::filter::ConditionSpec& spec);

    std::map<QString, QWidget*> controls_;
    std::map<QString, QAbstractButton*> buttons_;
    DialogOpener openDialog_;
};
