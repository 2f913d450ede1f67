#pragma once

#include <QColor>
#include <QIcon>

// A picture for a toolbar button: one character on a rounded tile of the given colour.
QIcon glyphIcon(QChar glyph, const QColor& tile);
