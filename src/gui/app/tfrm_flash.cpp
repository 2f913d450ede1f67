#include "app/tfrm_flash.h"

#include "app/product.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TfrmFlash::TfrmFlash(const QString& picturePath)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TfrmFlash"));
    setAttribute(Qt::WA_DeleteOnClose);
    picture_.load(picturePath);
    setFixedSize(picture_.isNull() ? QSize(280, 191) : picture_.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    timInit_.setInterval(40);
    connect(&timInit_, &QTimer::timeout, this, &TfrmFlash::timInitTimer);
}

void TfrmFlash::startFade() {
    ticks_ = 0;
    timInit_.start();
}

void TfrmFlash::timInitTimer() {
    if (ticks_ > 14) {
        opacity_ -= 4;
        setWindowOpacity(opacity_ / 255.0);
    }
    if (ticks_++ == 74) {
        timInit_.stop();
        close();
    }
}

void TfrmFlash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    } else {
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(46, 125, 50));
        fill.setColorAt(1, QColor(165, 214, 167));
        painter.fillRect(rect(), fill);
        painter.setPen(Qt::white);
        QFont title = font();
        title.setPointSize(18);
        title.setBold(true);
        painter.setFont(title);
        painter.drawText(rect(), Qt::AlignCenter, product::kTitle);
    }
    painter.setPen(Qt::white);
    painter.setFont(font());
    const QRect inner = rect().adjusted(8, 6, -8, -6);
    painter.drawText(inner, Qt::AlignTop | Qt::AlignRight, QStringLiteral("版本：1.63"));
    painter.drawText(inner, Qt::AlignTop | Qt::AlignLeft, product::kMaker);
    painter.drawText(inner, Qt::AlignBottom | Qt::AlignRight, product::kNotice);
}
