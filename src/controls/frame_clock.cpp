// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/frame_clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

constexpr double Fallback_Refresh_Hz = 60;

} // namespace

Frame_Clock::Frame_Clock(QWidget &window) : QObject(&window), window_(window)
{
    held_.setSingleShot(true);
    held_.setTimerType(Qt::PreciseTimer);
    connect(&held_, &QTimer::timeout, this, [this] {
        release_ = true;
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window_, &request);
    });
    window.installEventFilter(this);
}

Frame_Clock *Frame_Clock::Of(const QWidget &widget)
{
    return widget.window()->findChild<Frame_Clock *>(QString(), Qt::FindDirectChildrenOnly);
}

void Frame_Clock::Show_Now(const QWidget &window)
{
    if (Frame_Clock *clock = Of(window))
        clock->Release();
}

void Frame_Clock::Release()
{
    release_ = true;
    // A held request goes out as soon as the running handler returns; otherwise Qt's own next
    // request passes.
    if (held_.isActive()) {
        held_.stop();
        QCoreApplication::postEvent(&window_, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    }
}

qint64 Frame_Clock::Frame_Interval_Ns() const
{
    if (interval_ns_ > 0)
        return interval_ns_;
    const QScreen *screen = window_.screen();
    double hz = screen ? screen->refreshRate() : 0;
    if (!std::isfinite(hz) || hz < 1)
        hz = Fallback_Refresh_Hz;
    return std::llround(1e9 / hz);
}

bool Frame_Clock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_ || event->type() != QEvent::UpdateRequest)
        return false;
    const qint64 interval = Frame_Interval_Ns();
    const qint64 since = since_frame_.isValid() ? since_frame_.nsecsElapsed() : interval;
    if (release_ || since >= interval) {
        release_ = false;
        held_.stop();
        since_frame_.start();
        return false;
    }
    if (!held_.isActive())
        held_.start(static_cast<int>((interval - since + 999'999) / 1'000'000));
    return true;
}
