// pentad-cli: the program's core without a window, for scripts, batch work and tests.

#include "app/allocator_tuning.h"
#include "cli_context.h"
#include "draw_commands.h"
#include "filter_commands.h"
#include "report_commands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const char* const kUsage = "用法：pentad-cli [--home DIR] COMMAND [ARGS]\n"
                           "  import FILE   导入开奖数据（文本或 CSV 文件）\n"
                           "  draws         列出已保存的开奖数据\n"
                           "  report basic --view CODE [--from P] [--to P] [--step N] [--positions 12345] [--csv FILE]\n"
                           "                基本分析报表\n"
                           "  filter --filter FILE.sfl [--with-failures] [--results FILE]\n"
                           "                按过滤条件文件过滤投注号码\n";

} // namespace

int main(int argc, char* argv[]) {
    pentad::app::keepLargeBlocksForReuse();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    QString optionError;
    const QString homeOption = pentad::app::takeHomeOption(args, &optionError);
    if (!optionError.isEmpty() || args.isEmpty()) {
        if (!optionError.isEmpty())
            err << optionError << Qt::endl;
        err << kUsage;
        return kExitUsage;
    }

    const std::map<QString, std::function<int(CliContext&)>> commands = {
        {QStringLiteral("import"), runImport},
        {QStringLiteral("draws"), runDraws},
        {QStringLiteral("report"), runReport},
        {QStringLiteral("filter"), runFilterCommand},
    };
    const auto command = commands.find(args.takeFirst());
    if (command == commands.end()) {
        err << kUsage;
        return kExitUsage;
    }
    const QString home = pentad::app::resolveDataHome(QCoreApplication::applicationDirPath(), homeOption);
    CliContext context{args, pentad::app::DataPaths(home), out, err};
    return command->second(context);
}
