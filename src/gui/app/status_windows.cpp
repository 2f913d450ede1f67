#include "app/status_windows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr Qt::WindowFlags kStatusWindowFlags =
    Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

void centreOverOwnerAndShow(QDialog* window) {
    if (const QWidget* owner = window->parentWidget())
        window->move(owner->frameGeometry().center() - window->rect().center());
    window->show();
    window->raise();
    QCoreApplication::processEvents();
}

} // namespace

TfrmProcess::TfrmProcess(QWidget* owner)
    : QDialog(owner, kStatusWindowFlags), labState_(new QLabel(QStringLiteral("过滤进度："), this)),
      prgBar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("TfrmProcess"));
    setStyleSheet(QStringLiteral("TfrmProcess { border: 1px solid palette(dark); }"));
    labState_->setObjectName(QStringLiteral("labState"));
    prgBar_->setObjectName(QStringLiteral("prgBar"));
    prgBar_->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labState_);
    layout->addWidget(prgBar_);
    setFixedSize(410, 73);
}

void TfrmProcess::setState(const QString& text) { labState_->setText(text); }

void TfrmProcess::setPercent(int percent) {
    prgBar_->setValue(percent);
    QCoreApplication::processEvents();
}

void TfrmProcess::showOver() { centreOverOwnerAndShow(this); }

TfrmWait::TfrmWait(QWidget* owner) : QDialog(owner, kStatusWindowFlags) {
    setObjectName(QStringLiteral("TfrmWait"));
    setStyleSheet(QStringLiteral("TfrmWait { border: 1px solid palette(dark); }"));
    auto* label = new QLabel(QStringLiteral("正在处理中,请稍后..."), this);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: blue;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    setFixedSize(204, 47);
}

void TfrmWait::showOver() { centreOverOwnerAndShow(this); }
