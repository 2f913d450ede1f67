#include "report_commands.h"

#include "analysis/basic_report.h"
#include "analysis/table_file.h"
#include "store/draw_store.h"

#include <QStringList>

#include <map>

using namespace pentad;

namespace {

const char* const kReportUsage =
    "用法：pentad-cli report basic --view CODE [--from P] [--to P] [--step N] [--positions 12345] "
    "[--csv FILE]";

// "--name value" pairs; false when a name has no value or is not one of `known`.
bool parseOptions(const QStringList& args, const QStringList& known, std::map<QString, QString>* options) {
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!known.contains(args[i]) || i + 1 >= args.size())
            return false;
        (*options)[args[i]] = args[i + 1];
    }
    return true;
}

void printTable(QTextStream& out, const analysis::Table& table) {
    for (int row = -1; row < table.rowCount(); ++row) {
        QStringList fields;
        for (int c = 0; c < table.columnCount(); ++c)
            if (table.column(c).visible)
                fields << (row < 0 ? table.column(c).heading : table.cell(row, c).text);
        out << fields.join(QLatin1Char('\t')) << '\n';
    }
    out.flush();
}

} // namespace

int runReport(CliContext& context) {
    std::map<QString, QString> options;
    const QStringList known = {QStringLiteral("--view"), QStringLiteral("--from"), QStringLiteral("--to"),
                               QStringLiteral("--step"), QStringLiteral("--positions"), QStringLiteral("--csv")};
    if (context.args.value(0) != QStringLiteral("basic") ||
        !parseOptions(context.args.mid(1), known, &options) || !options.contains(QStringLiteral("--view"))) {
        context.err << kReportUsage << Qt::endl;
        return kExitUsage;
    }
    analysis::BasicOptions basic;
    bool ok = false;
    basic.code = options[QStringLiteral("--view")].toInt(&ok);
    if (!ok || !analysis::isBasicViewCode(basic.code)) {
        context.err << "未知的报表代码：" << options[QStringLiteral("--view")] << Qt::endl;
        return kExitUsage;
    }
    if (options.contains(QStringLiteral("--step"))) {
        basic.step = options[QStringLiteral("--step")].toInt(&ok);
        if (!ok || basic.step < 1 || basic.step > 20) {
            context.err << "分析间隔应为 1 到 20。" << Qt::endl;
            return kExitUsage;
        }
    }
    if (options.contains(QStringLiteral("--positions"))) {
        basic.ticked = {};
        for (QChar c : options[QStringLiteral("--positions")]) {
            if (c < u'1' || c > u'5') {
                context.err << "位置应写作 1（万）到 5（个）的数字，如 12345。" << Qt::endl;
                return kExitUsage;
            }
            basic.ticked[static_cast<std::size_t>(c.unicode() - u'1')] = true;
        }
    }

    store::DrawStore store;
    if (!openStore(context, store))
        return kExitFailed;
    const QStringList periods = store.periodTextsOldestFirst();
    const auto defaults = store::defaultSelection(store::RangePair::Basic, periods);
    const QString from = options.contains(QStringLiteral("--from")) ? options[QStringLiteral("--from")]
                                                                    : periods.value(defaults.start);
    const QString to = options.contains(QStringLiteral("--to")) ? options[QStringLiteral("--to")]
                                                                : periods.value(defaults.end);
    QString message;
    const auto range = store::rangeFromTexts(from, to, &message);
    const auto table = range ? analysis::buildBasicReport(store, *range, basic, &message) : std::nullopt;
    if (!table) {
        context.err << message << Qt::endl;
        return kExitFailed;
    }
    if (options.contains(QStringLiteral("--csv"))) {
        QString error;
        if (!analysis::saveTableFile(*table, options[QStringLiteral("--csv")], &error)) {
            context.err << error << Qt::endl;
            return kExitFailed;
        }
        return kExitOk;
    }
    printTable(context.out, *table);
    return kExitOk;
}
