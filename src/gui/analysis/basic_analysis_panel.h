#pragma once

#include <QWidget>

#include <vector>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTabWidget;
class TableModel;
class TfrmMain;

// The basic-analysis panel: range, step and positions at the right, the report radios on
// two pages, and the grid tsGD showing the report built by the core.
class BasicAnalysisPanel : public QWidget {
    Q_OBJECT
public:
    BasicAnalysisPanel(TfrmMain& main, QWidget* parent);

    // Builds the report of a view code as a click on its radio button does.
    void buildReport(int code);
    // "保存(&S)" for this panel: the grid as a table file.
    void saveTable();

private:
    struct ReportRadio {
        QRadioButton* radio;
        int code;
    };
    QWidget* makeSettingsColumn();
    QWidget* makeReportPage(int page);
    void EnableGDPositions(int code);
    void UncheckOtherGDPages(int page);

    TfrmMain& main_;
    QSpinBox* txtGDNext_ = nullptr;
    QCheckBox* positions_[5] = {};
    QPushButton* cmdGDRefresh_ = nullptr;
    QTabWidget* pageGD_ = nullptr;
    QTableView* tsGD_ = nullptr;
    TableModel* model_ = nullptr;
    std::vector<ReportRadio> radios_;
};
