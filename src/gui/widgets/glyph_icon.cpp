#include "widgets/glyph_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon glyphIcon(QChar glyph, const QColor& tile) {
    QIcon icon;
    for (int side : {24, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tile);
        painter.drawRoundedRect(QRectF(1, 1, side - 2, side - 2), side / 5.0, side / 5.0);
        QFont font = painter.font();
        font.setPixelSize(side * 3 / 5);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(glyph));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
