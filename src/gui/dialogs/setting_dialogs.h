#pragma once

#include "filter/catalogue.h"

#include <QString>

#include <optional>

class QWidget;
class TfrmADSum;
class TfrmJO;
class TfrmLvChu;
class TfrmLvP3;
class TfrmPiPei;
class TfrmMWC;
class TfrmSum;
class TfrmTSH;

// The setting dialogs behind the "设置" buttons of the filter pages, created once and kept
// for the program's life.
class SettingDialogs {
public:
    explicit SettingDialogs(QWidget* owner);

    // Opens the row's dialog on the field text: the new text on 确定, nothing on 取消.
    std::optional<QString> open(const pentad::filter::ConditionSpec& row, const QString& fieldText);

private:
    TfrmSum* sum_;
    TfrmJO* patterns_;
    TfrmMWC* twoPositions_;
    TfrmADSum* digitSum_;
    TfrmTSH* remainders_;
    TfrmLvP3* frontThrees_;
    TfrmLvChu* keepKill_;
    TfrmPiPei* matching_;
    QWidget* owner_;
};
