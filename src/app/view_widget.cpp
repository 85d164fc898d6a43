#include "app/view_widget.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <ctime>

#include "app/keymap.h"
#include "shell/input.h"

namespace vel {
namespace {
// A modern machine would otherwise run the simulation many times faster
// than it was tuned for.
constexpr int kMinFrameMs = 16;
}  // namespace

ViewWidget::ViewWidget(Game& game, int startupScreenHeight, QWidget* parent)
    : QWidget(parent), game_(game), driver_(startupScreenHeight) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(640, 440);
    clock_.start();
    nextFrame_.setSingleShot(true);
    connect(&nextFrame_, &QTimer::timeout, this, [this] { update(); });
}

void ViewWidget::requestFrame() {
    if (!nextFrame_.isActive()) update();
}

void ViewWidget::paintEvent(QPaintEvent*) {
    const uint32_t start = tickCount();
    Display display;
    display.width = width();
    display.height = height();
    display.menuBarHeight = menuBarHeight_;
    FrameResult r = driver_.run(game_, *this, display);
    picture_ = r.picture->image();

    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(pictureRect(), picture_);

    if (r.invalidate) {
        const uint32_t now = tickCount();
        const int32_t untilDue = static_cast<int32_t>(r.notBefore - now);
        const int32_t untilCap = kMinFrameMs - static_cast<int32_t>(now - start);
        nextFrame_.start(std::max({0, untilDue, untilCap}));
    }
}

QRect ViewWidget::pictureRect() const {
    if (picture_.isNull()) return rect();
    // Scale up to fill the client area, keeping the picture's proportions.
    const double k = std::max(1.0, std::min(static_cast<double>(width()) / picture_.width(),
                                            static_cast<double>(height()) / picture_.height()));
    const int w = static_cast<int>(picture_.width() * k), h = static_cast<int>(picture_.height() * k);
    return QRect((width() - w) / 2, (height() - h) / 2, w, h);
}

QPoint ViewWidget::toFrame(QPointF pos) const {
    const QRect r = pictureRect();
    if (picture_.isNull() || r.width() == 0 || r.height() == 0) return pos.toPoint();
    return QPoint(static_cast<int>((pos.x() - r.left()) * picture_.width() / r.width()),
                  static_cast<int>((pos.y() - r.top()) * picture_.height() / r.height()));
}

void ViewWidget::afterInput() {
    if (game_.screenState.frozen == 0) requestFrame();
}

void ViewWidget::keyPressEvent(QKeyEvent* e) {
    const int32_t key = VirtualKeyFor(e->key());
    if (key == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    OnKeyDown(game_, key);
    afterInput();
}

void ViewWidget::mousePressEvent(QMouseEvent* e) {
    const QPoint p = toFrame(e->position());
    if (e->button() == Qt::LeftButton) OnLButtonDown(game_, p.x(), p.y());
    if (e->button() == Qt::RightButton) OnRButtonDown(game_, p.x(), p.y());
    afterInput();
}

void ViewWidget::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = toFrame(e->position());
    if (e->button() == Qt::LeftButton) OnLButtonDblClk(game_, p.x(), p.y());
    afterInput();
}

void ViewWidget::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = toFrame(e->position());
    OnMouseMove(game_, p.x(), p.y());
}

void ViewWidget::wheelEvent(QWheelEvent* e) {
    OnMouseWheel(game_, e->angleDelta().y());
    afterInput();
}

uint32_t ViewWidget::tickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

uint32_t ViewWidget::wallClockSeed() { return static_cast<uint32_t>(std::time(nullptr)); }

bool ViewWidget::cursor(int32_t& x, int32_t& y) {
    const QPoint p = toFrame(mapFromGlobal(QCursor::pos()));
    x = p.x();
    y = p.y();
    return true;
}

void ViewWidget::playSounds(const std::vector<SoundRequest>& requests) { audio_.play(requests, tickCount()); }

void ViewWidget::sendNmea(const std::vector<std::string>& sentences) {
    nmea_.send(game_.nmeaOutput.host, game_.nmeaOutput.port, sentences);
}

}  // namespace vel
