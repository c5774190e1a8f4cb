// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Paces a window's painting to its screen. However often its widgets ask for a repaint (update()),
// the window paints at most once per refresh of the screen it is on, and then its latest state:
// Qt paints all that a window's widgets asked for at one update request of the window, and the
// clock holds back a request that comes sooner than one refresh after the last frame until that
// refresh is due. Only painting waits; the widgets' state changes at once, and a render, a grab or
// a print draws that state directly.
class Frame_Clock : public QObject
{
    Q_OBJECT

public:
    // Paces `window` (a top-level widget), whose child the clock becomes.
    explicit Frame_Clock(QWidget &window);

    // The window's next frame goes out at once, not at the next refresh: what a stopped animation
    // leaves is shown without delay. Nothing happens for a window without a clock.
    static void Show_Now(const QWidget &window);
    // The clock of the window a widget is on, or null.
    static Frame_Clock *Of(const QWidget &widget);

    // The time between two refreshes of the window's screen; 60 Hz where the platform does not
    // say.
    qint64 Frame_Interval_Ns() const;
    // Frames at this interval instead of the screen's refresh; 0 goes back to the screen's.
    void Set_Frame_Interval_Ns(qint64 interval) { interval_ns_ = interval; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Release();

    QWidget &window_;
    // Runs only while a request is held back, so an idle window is never woken.
    QTimer held_;
    QElapsedTimer since_frame_;
    bool release_ = false;
    qint64 interval_ns_ = 0;
};
