#include "draw_commands.h"

#include "store/draw_import.h"
#include "store/draw_store.h"

#include <ranges>

using namespace pentad;

bool openStore(CliContext& context, store::DrawStore& store) {
    QString error;
    if (store.open(context.paths.drawsFile, &error))
        return true;
    context.err << error << Qt::endl;
    return false;
}

int runImport(CliContext& context) {
    if (context.args.size() != 1) {
        context.err << "用法：pentad-cli import FILE" << Qt::endl;
        return kExitUsage;
    }
    store::DrawStore store;
    if (!openStore(context, store))
        return kExitFailed;
    QString error;
    const auto report = store::importDrawFile(store, context.args.front(), &error);
    if (!report) {
        context.err << error << Qt::endl;
        return kExitFailed;
    }
    context.out << store::describeImport(*report) << Qt::endl;
    return kExitOk;
}

int runDraws(CliContext& context) {
    if (!context.args.isEmpty()) {
        context.err << "用法：pentad-cli draws" << Qt::endl;
        return kExitUsage;
    }
    store::DrawStore store;
    if (!openStore(context, store))
        return kExitFailed;
    context.out << "period,d1,d2,d3,d4,d5\n";
    for (const store::Draw& draw : store.newestFirst() | std::views::reverse) {
        context.out << draw.period;
        for (auto digit : draw.digits)
            context.out << ',' << int(digit);
        context.out << '\n';
    }
    context.out.flush();
    return kExitOk;
}
