#pragma once

#include "filter/filter_state.h"

#include <QWidget>

#include <array>
#include <memory>

class FilterPages;
class SettingDialogs;
class PositionPad;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;
class ResultModel;
class TfrmMain;

// The bet filter ("投注过滤"): the five position pads, the ten filter pages, the run and
// the result grid with its files.
class FilterPanel : public QWidget {
    Q_OBJECT
public:
    FilterPanel(TfrmMain& main, QWidget* parent);
    ~FilterPanel() override;

    QComboBox* betPeriods() const { return cmbSItem_; }
    ResultModel& results() const { return *results_; }

    // The whole filter setting as a value, and back.
    pentad::filter::FilterState state() const;
    void applyState(const pentad::filter::FilterState& state);
    void setAllPads();

    // The automatic filter file at start-up and exit (when AutoSaveFilter is "True").
    void openAutomaticFilter();
    void saveAutomaticFilter();

    void cmdSelectClick();
    void cmdSaveFltClick();
    void cmdOpenFltClick();
    void cmdClearClick();
    void cmdSaveResultClick();
    void munOpenResultClick();
    void cmdRandomClick();
    void pmnuDeleteClick();
    void generateSets(const QString& buttonName);

private:
    QWidget* buildPads();
    QWidget* buildResults();
    void showCount();

    TfrmMain& main_;
    std::array<PositionPad*, 5> pads_{};
    QCheckBox* chkSResult_ = nullptr;
    QComboBox* cmbSItem_ = nullptr;
    FilterPages* pages_ = nullptr;
    ResultModel* results_ = nullptr;
    QTableView* tsGDSelectResult_ = nullptr;
    QLabel* labSCount_ = nullptr;
    QLabel* labSCost_ = nullptr;
    QSpinBox* txtSRandomC_ = nullptr;
    std::unique_ptr<SettingDialogs> dialogs_;
};
