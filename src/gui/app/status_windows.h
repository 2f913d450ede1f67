#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress window of long loops: a text and a percentage bar, always on top, centred
// over its owner.
class TfrmProcess : public QDialog {
    Q_OBJECT
public:
    explicit TfrmProcess(QWidget* owner);

    void setState(const QString& text);
    void setPercent(int percent);
    // Shows the window over its owner and lets it paint.
    void showOver();

private:
    QLabel* labState_;
    QProgressBar* prgBar_;
};

// The wait window shown while a result file is read.
class TfrmWait : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWait(QWidget* owner);
    void showOver();
};
