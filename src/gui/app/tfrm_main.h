#pragma once

#include "app/app_settings.h"
#include "app/data_home.h"
#include "store/draw_store.h"
#include "store/period_range.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <vector>

class FilterPanel;
class PeriodSelectors;
class QComboBox;
class QLabel;
class QRadioButton;
class QStackedWidget;
class TfrmProcess;
class TfrmWait;

// The main window: toolbar, menu, status bar and the eight panels in one stacked area, the
// run state (current panel, current-view code) and the dispatch that rebuilds the view in
// front after any change.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Panels by their current-panel code.
    enum Panel {
        kPanelGridData = 1, kPanelGraphData, kPanelFuture, kPanelMiss, kPanelSelect, kPanelAd,
        kPanelCX, kPanelCool
    };
    static constexpr int kViewCodeCount = 125;
    enum class DrawChange { PeriodsAdded, DigitsChanged };
    using ViewBuilder = std::function<void(QObject* sender)>;

    explicit TfrmMain(const pentad::app::DataPaths& paths, QWidget* parent = nullptr);

    const pentad::app::DataPaths& paths() const { return paths_; }
    pentad::app::AppSettings& settings() { return settings_; }
    pentad::store::DrawStore& store() { return store_; }
    PeriodSelectors& periodSelectors() { return *periodSelectors_; }
    TfrmProcess& processWindow() { return *process_; }
    TfrmWait& waitWindow() { return *wait_; }
    QWidget* panel(int code) const { return panels_.at(code); }
    FilterPanel& filterPanel() const { return *filterPanel_; }

    int currentPanel() const { return currentPanel_; }
    int currentViewCode() const { return currentViewCode_; }
    void setCurrentViewCode(int code) { currentViewCode_ = code; }
    int periodsPerTrendPage() const { return periodsPerTrendPage_; }

    // Views register their builder by code, and their radio button with the panel in the
    // order the panel switch tests them.
    void registerView(int code, ViewBuilder builder);
    void registerViewRadio(int panel, QRadioButton* radio, int code);
    // What "保存(&S)" does while the panel is in front; the item is disabled for panels
    // without one.
    void registerSaver(int panel, std::function<void()> save);

    void RefreshCurrentView(QObject* sender);
    void ReloadDraws(DrawChange change);
    void FillPeriodLists();
    void setStatusRangeText(const QString& text);
    QString statusText(int panel) const;

    // Panel switches.
    void SBtnGridDataClick();
    void SBtnGraphDataClick();
    void SBFutureDataClick();
    void SBMissDataClick();
    void SBAdDataClick();
    void SBSelectClick();
    void SBCXClick();
    void SBCoolClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPanels();
    void buildToolBar();
    void buildMenu();
    void buildStatusBar();
    void applyGeometry(const pentad::app::WindowGeometry& geometry);
    void writeGeometry();
    void connectStore();
    void fillBetPeriods();
    void showPanel(int panel, bool clearRangeText);
    void selectCheckedView(int panel);
    void rangeChanged(pentad::store::RangePair pair);

    // Menu and toolbar handlers without a panel of their own.
    void mnuSaveClick();
    void mnuImportClick();
    void mnuJiaoClick();
    void mnuHelpClick();
    void mnuGovWebClick();
    void mnuWebClick();
    void mnuAboutClick();

    pentad::app::DataPaths paths_;
    pentad::app::AppSettings settings_;
    pentad::store::DrawStore store_;
    PeriodSelectors* periodSelectors_ = nullptr;
    TfrmProcess* process_ = nullptr;
    TfrmWait* wait_ = nullptr;
    QStackedWidget* views_ = nullptr;
    std::map<int, QWidget*> panels_;
    std::array<QLabel*, 3> statusPanels_{};
    FilterPanel* filterPanel_ = nullptr;
    QComboBox* cmbSItem_ = nullptr; // on the filter panel
    QLabel* labZSPC_ = nullptr;

    int currentPanel_ = kPanelGridData;
    int currentViewCode_ = 47;
    int periodsPerTrendPage_ = 60;
    bool shownOnce_ = false;
    bool destroyed_ = false;
    std::array<ViewBuilder, kViewCodeCount> viewBuilders_{};
    std::map<int, std::vector<std::pair<QRadioButton*, int>>> viewRadios_;
    std::map<int, std::function<void()>> savers_;
};
