#pragma once

// The real draw history of the shared data, imported once into a temporary store.

#include "store/draw_import.h"
#include "store/draw_store.h"

#include <QFile>
#include <QTemporaryDir>

namespace bench {

inline const QString kHistoryFile = QStringLiteral(PENTAD_SHARED_DATA "/pl5_history.csv");

struct RealHistory {
    QTemporaryDir dir;
    pentad::store::DrawStore store;
    bool loaded = false;
    RealHistory() {
        loaded = QFile::exists(kHistoryFile) && store.open(dir.filePath(QStringLiteral("draws.db")), nullptr) &&
                 pentad::store::importDrawFile(store, kHistoryFile, nullptr).has_value();
    }
};

inline RealHistory& realHistory() {
    static RealHistory h;
    return h;
}

} // namespace bench
