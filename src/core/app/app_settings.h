#pragma once

#include "text/ini_file.h"

// Typed access to the settings file, with the program's defaults for absent keys.
namespace pentad::app {

enum class WindowState { Normal = 1, Minimised = 2, Maximised = 3 };

struct WindowGeometry {
    int top = 1;
    int left = 1;
    int width = 800;
    int height = 572;
    int state = 1; // 1 normal, 2 minimised, 3 maximised; other values leave the state alone
};

class AppSettings {
public:
    explicit AppSettings(const QString& path) : ini_(path) {}

    text::IniFile& ini() { return ini_; }

    WindowGeometry windowGeometry() const;
    bool setWindowGeometry(const WindowGeometry& geometry, QString* error = nullptr);

    // On only when the text is exactly "True".
    bool autoSaveFilter() const;
    bool setAutoSaveFilter(bool on, QString* error = nullptr);

    int futurePeriodsPerPage() const;
    bool setFuturePeriodsPerPage(int periods, QString* error = nullptr);

    int sFormat1() const;
    QString sFormat2() const;
    QString resultFileType() const;
    bool setResultFileType(const QString& type, QString* error = nullptr);

    int gameType() const;

private:
    text::IniFile ini_;
};

} // namespace pentad::app
