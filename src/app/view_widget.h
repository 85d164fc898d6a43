#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/audio.h"
#include "app/frame.h"
#include "app/nmea_output.h"

namespace vel {

// The one view: its paint handler runs the frame; input handlers only change
// fields and ask for the next frame.
class ViewWidget : public QWidget, private FrameHost {
    Q_OBJECT
public:
    ViewWidget(Game& game, int startupScreenHeight, QWidget* parent = nullptr);

    // Schedules a frame (after any input that leaves the picture unfrozen).
    void requestFrame();
    void setMenuBarHeight(int h) { menuBarHeight_ = h; }
    NmeaSender& nmea() { return nmea_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    uint32_t tickCount() override;
    uint32_t wallClockSeed() override;
    bool cursor(int32_t& x, int32_t& y) override;
    void playSounds(const std::vector<SoundRequest>& requests) override;
    void sendNmea(const std::vector<std::string>& sentences) override;

    QPoint toFrame(QPointF widgetPos) const;
    QRect pictureRect() const;
    void afterInput();

    Game& game_;
    FrameDriver driver_;
    QImage picture_;
    QElapsedTimer clock_;
    QTimer nextFrame_;
    AudioDevice audio_;
    NmeaSender nmea_;
    int menuBarHeight_ = 20;
};

}  // namespace vel
