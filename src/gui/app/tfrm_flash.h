#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The splash window: opaque for 15 ticks of 40 ms, then fading by 4 of 255 per tick, gone
// after the 75th tick. Without its picture it draws a plain panel with the same texts.
class TfrmFlash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFlash(const QString& picturePath);

    // Starts the fade (the tick counter at 0).
    void startFade();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void timInitTimer();

    QPixmap picture_;
    QTimer timInit_;
    int ticks_ = 0;
    int opacity_ = 255;
};
