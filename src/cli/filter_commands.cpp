#include "filter_commands.h"

#include "filter/filter_file.h"
#include "filter/filter_request.h"
#include "filter/result_file.h"
#include "store/draw_store.h"

using namespace pentad;

namespace {

const char* const kFilterUsage = "用法：pentad-cli filter --filter FILE.sfl [--with-failures] [--results FILE]";

struct FilterOptions {
    QString filterFile;
    QString resultsFile;
    bool withFailures = false;
};

std::optional<FilterOptions> parseFilterOptions(const QStringList& args) {
    FilterOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QStringLiteral("--with-failures"))
            options.withFailures = true;
        else if (a == QStringLiteral("--filter") && i + 1 < args.size())
            options.filterFile = args[++i];
        else if (a == QStringLiteral("--results") && i + 1 < args.size())
            options.resultsFile = args[++i];
        else
            return std::nullopt;
    }
    if (options.filterFile.isEmpty())
        return std::nullopt;
    return options;
}

} // namespace

int runFilterCommand(CliContext& context) {
    const auto options = parseFilterOptions(context.args);
    if (!options) {
        context.err << kFilterUsage << Qt::endl;
        return kExitUsage;
    }
    filter::FilterRequest request;
    request.state = filter::defaultFilterState();
    QString error;
    if (!filter::openFilterFile(options->filterFile, request.state, &error)) {
        context.err << error << Qt::endl;
        return kExitFailed;
    }
    if (!options->resultsFile.isEmpty()) {
        const auto bets = filter::readResultFile(options->resultsFile, &error);
        if (!bets) {
            context.err << error << Qt::endl;
            return kExitFailed;
        }
        request.byResults = true;
        request.results = *bets;
    }
    store::DrawStore store;
    if (!openStore(context, store))
        return kExitFailed;
    request.draws = filter::historyOf(store.newestFirst());
    const filter::FilterOutcome outcome = filter::runFilterRequest(request);
    if (!outcome.refusal.isEmpty()) {
        context.err << outcome.refusal << Qt::endl;
        return kExitFailed;
    }
    for (const filter::FilterResult& r : outcome.run.results) {
        context.out << filter::betText(r.number);
        if (options->withFailures)
            context.out << '\t' << r.failures;
        context.out << '\n';
    }
    context.out.flush();
    return kExitOk;
}
