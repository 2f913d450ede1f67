#include "dialogs/setting_dialogs.h"

#include "dialogs/choice_dialogs.h"
#include "dialogs/number_set_dialogs.h"
#include "dialogs/value_list_dialog.h"

SettingDialogs::SettingDialogs(QWidget* owner)
    : sum_(new TfrmSum(owner)), patterns_(new TfrmJO(owner)), twoPositions_(new TfrmMWC(owner)),
      digitSum_(new TfrmADSum(owner)), remainders_(new TfrmTSH(owner)), frontThrees_(new TfrmLvP3(owner)),
      keepKill_(new TfrmLvChu(owner)), matching_(new TfrmPiPei(owner)), owner_(owner) {}

std::optional<QString> SettingDialogs::open(const pentad::filter::ConditionSpec& row, const QString& fieldText) {
    if (row.dialog == QStringLiteral("TfrmSum"))
        return sum_->edit(row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmJO"))
        return patterns_->edit(row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmMWC"))
        return twoPositions_->edit(row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmADSum"))
        return digitSum_->edit(fieldText);
    if (row.dialog == QStringLiteral("TfrmTSH"))
        return remainders_->edit(fieldText);
    if (row.dialog == QStringLiteral("TfrmWX"))
        return ChoiceListDialog::editValues(owner_, row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmSDZX"))
        return ChoiceListDialog::editGroups(owner_, row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("Tfrm012"))
        return Tfrm012::edit(owner_, row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmLvP3"))
        return frontThrees_->edit(fieldText);
    if (row.dialog == QStringLiteral("TfrmDMSet"))
        return TfrmDMSet::edit(owner_, fieldText);
    if (row.dialog == QStringLiteral("TfrmLvChu"))
        return keepKill_->edit(row.dialogKind, fieldText);
    if (row.dialog == QStringLiteral("TfrmPiPei"))
        return matching_->edit(fieldText);
    return std::nullopt;
}
