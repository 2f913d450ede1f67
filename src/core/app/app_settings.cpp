#include "app/app_settings.h"

namespace pentad::app {

namespace {
const QString kWindows = QStringLiteral("WindowsState");
const QString kPSet = QStringLiteral("PSet");
const QString kProgram = QStringLiteral("ProgramState");
} // namespace

WindowGeometry AppSettings::windowGeometry() const {
    const WindowGeometry defaults;
    WindowGeometry g;
    g.top = ini_.intValue(kWindows, QStringLiteral("formTop"), defaults.top);
    g.left = ini_.intValue(kWindows, QStringLiteral("formLeft"), defaults.left);
    g.width = ini_.intValue(kWindows, QStringLiteral("formWidth"), defaults.width);
    g.height = ini_.intValue(kWindows, QStringLiteral("formHeight"), defaults.height);
    g.state = ini_.intValue(kWindows, QStringLiteral("formState"), defaults.state);
    return g;
}

bool AppSettings::setWindowGeometry(const WindowGeometry& g, QString* error) {
    return ini_.setIntValue(kWindows, QStringLiteral("formTop"), g.top, error) &&
           ini_.setIntValue(kWindows, QStringLiteral("formLeft"), g.left, error) &&
           ini_.setIntValue(kWindows, QStringLiteral("formWidth"), g.width, error) &&
           ini_.setIntValue(kWindows, QStringLiteral("formHeight"), g.height, error) &&
           ini_.setIntValue(kWindows, QStringLiteral("formState"), g.state, error);
}

bool AppSettings::autoSaveFilter() const {
    return ini_.value(kPSet, QStringLiteral("AutoSaveFilter"), QStringLiteral("False")) ==
           QStringLiteral("True");
}

bool AppSettings::setAutoSaveFilter(bool on, QString* error) {
    return ini_.setValue(kPSet, QStringLiteral("AutoSaveFilter"),
                         on ? QStringLiteral("True") : QStringLiteral("False"), error);
}

int AppSettings::futurePeriodsPerPage() const {
    return ini_.intValue(kPSet, QStringLiteral("FuturePPage"), 60);
}

bool AppSettings::setFuturePeriodsPerPage(int periods, QString* error) {
    return ini_.setIntValue(kPSet, QStringLiteral("FuturePPage"), periods, error);
}

int AppSettings::sFormat1() const { return ini_.intValue(kPSet, QStringLiteral("SFormat1"), 0); }

QString AppSettings::sFormat2() const {
    return ini_.value(kPSet, QStringLiteral("SFormat2"), QStringLiteral("* , *"));
}

QString AppSettings::resultFileType() const {
    return ini_.value(kPSet, QStringLiteral("RFileType"), QStringLiteral("txt"));
}

bool AppSettings::setResultFileType(const QString& type, QString* error) {
    return ini_.setValue(kPSet, QStringLiteral("RFileType"), type, error);
}

int AppSettings::gameType() const { return ini_.intValue(kProgram, QStringLiteral("CPType"), 1); }

} // namespace pentad::app
