#include "filter/filter_file.h"

#include "app/product.h"
#include "filter/catalogue.h"
#include "text/gbk.h"
#include "text/line_file.h"

#include <QFile>
#include <QFileInfo>

namespace pentad::filter {

namespace {

const QString kTrue = QStringLiteral("True");

// Larger files are not filter files; refusing them keeps a stray pick from filling memory.
constexpr qint64 kMaxFilterFileBytes = 64 << 20;

QString radioLine(const FilterState& state, const QString& stem) {
    const QString first = QStringLiteral("rdoS") + stem + QStringLiteral("1");
    const QString chosen = state.checked(first) ? first : QStringLiteral("rdoS") + stem + QStringLiteral("2");
    return chosen + QStringLiteral(":") + kTrue;
}

void applyLine(FilterState& state, const QString& line) {
    const qsizetype colon = line.indexOf(u':');
    if (colon <= 0)
        return;
    const QString name = line.left(colon);
    const QString value = line.mid(colon + 1);
    const Catalogue& catalogue = Catalogue::instance();
    const ControlSpec* control = catalogue.control(name);
    if (name.contains(QStringLiteral("txt"))) {
        if (kPadFields.contains(name))
            state.pads[static_cast<std::size_t>(kPadFields.indexOf(name))] = cleanPadText(value);
        else if (control && control->kind == ControlKind::Edit)
            state.setText(name, value);
    } else if (name.contains(QStringLiteral("chk"))) {
        if (control && control->kind == ControlKind::CheckBox)
            state.setChecked(name, true);
    } else if (name.contains(QStringLiteral("rdo"))) {
        if (control && control->kind == ControlKind::Radio)
            selectRadio(state, name);
    } else if (name.contains(QStringLiteral("cmb"))) {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (control && control->kind == ControlKind::Combo && ok && index >= 0 && index < control->items.size())
            state.setIndex(name, index);
    }
}

} // namespace

QStringList filterFileLines(const FilterState& state) {
    QStringList lines{product::kTitle};
    for (std::size_t i = 0; i < 5; ++i)
        lines << kPadFields[static_cast<qsizetype>(i)] + QStringLiteral(":") + state.pads[i];
    for (const QString& stem : kRadioStems)
        lines << radioLine(state, stem);
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            for (const ControlSpec& control : c.controls) {
                switch (control.kind) {
                case ControlKind::CheckBox:
                    if (state.checked(control.name))
                        lines << control.name + QStringLiteral(":") + kTrue;
                    break;
                case ControlKind::Edit:
                    lines << control.name + QStringLiteral(":") + state.text(control.name);
                    break;
                case ControlKind::Combo:
                    lines << control.name + QStringLiteral(":") + QString::number(state.index(control.name));
                    break;
                case ControlKind::Radio: // they sit on panels of their own: lines 7-9 hold them
                    break;
                }
            }
    return lines;
}

bool applyFilterFileLines(FilterState& state, const QStringList& lines) {
    if (lines.size() < 6)
        return false;
    for (const GroupBoxSpec& g : Catalogue::instance().groupBoxes())
        for (const ConditionSpec& c : g.conditions)
            for (const ControlSpec& control : c.controls)
                if (control.kind == ControlKind::CheckBox)
                    state.setChecked(control.name, false);
    for (std::size_t i = 0; i < 5; ++i) {
        const QString& line = lines[static_cast<qsizetype>(i) + 1];
        const qsizetype colon = line.indexOf(u':');
        state.pads[i] = cleanPadText(colon < 0 ? QString() : line.mid(colon + 1));
    }
    for (qsizetype i = 6; i < lines.size(); ++i)
        if (lines[i].size() <= kMaxFilterValueLength + 64)
            applyLine(state, lines[i]);
    return true;
}

bool saveFilterFile(const QString& path, const FilterState& state, QString* error) {
    return text::writeGbkLines(path, filterFileLines(state), error);
}

bool openFilterFile(const QString& path, FilterState& state, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (QFileInfo(path).size() > kMaxFilterFileBytes)
        return fail(QStringLiteral("文件 %1 太大，不是过滤条件文件。").arg(path));
    QString readError;
    const auto read = text::readGbkLines(path, &readError);
    if (!read)
        return fail(QStringLiteral("无法读取文件 %1：%2").arg(path, readError));
    if (!read->valid)
        return fail(QStringLiteral("文件 %1 含有无法识别的字符，不是过滤条件文件。").arg(path));
    FilterState applied = state;
    if (!applyFilterFileLines(applied, read->lines))
        return fail(QStringLiteral("文件 %1 不足六行，不是过滤条件文件。").arg(path));
    state = std::move(applied);
    return true;
}

} // namespace pentad::filter
