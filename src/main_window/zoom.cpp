// SPDX-License-Identifier: GPL-3.0-or-later
// The view's zoom and presentation mode: the keys, the window's size and its place on the screen.
#include "controls/handler_guard.h"
#include "main_window/frm_dalvo.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

using Handler_Guard::Run_Handler;

namespace {

// The window's controls at a zoom, and the chooser with them: it is not modal, so it may be open
// beside the window while the zoom changes.
void Zoom_Window(frm_dalvo &form, double zoom, QPoint origin = QPoint())
{
    Apply_Zoom(form, zoom, origin);
    if (frm_Dalvo_Files *files = Loaded_Dalvo_Files(form))
        files->Rezoom(zoom);
}

} // namespace

void frm_dalvo::Add_Zoom_Keys()
{
    const auto key = [this](const QKeySequence &keys, auto &&act) {
        auto *shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this,
                [act = std::forward<decltype(act)>(act)] { Run_Handler(act); });
        return shortcut;
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { Step_Zoom(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { Step_Zoom(1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { Step_Zoom(-1); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { Set_Zoom(100); });
    key(QKeySequence(Qt::Key_F11), [this] { Set_Presenting(!presenting_); });
    // Esc belongs to presentation mode only while it lasts.
    leave_presentation_ = key(QKeySequence(Qt::Key_Escape), [this] { Set_Presenting(false); });
    leave_presentation_->setEnabled(false);
}

int frm_dalvo::Zoom() const
{
    return qRound(Zoom_Of(this) * 100);
}

void frm_dalvo::Set_Zoom(int percent)
{
    Set_Presenting(false);
    Show_At_Zoom(std::clamp(percent, Min_Zoom, Max_Zoom) / 100.0);
}

// To the next step up or down; a zoom between steps goes to the nearest step that way.
void frm_dalvo::Step_Zoom(int steps)
{
    Set_Presenting(false);
    const double at = Zoom() / double(Zoom_Step);
    const double step = steps > 0 ? std::floor(at) + steps : std::ceil(at) + steps;
    Set_Zoom(static_cast<int>(step) * Zoom_Step);
}

void frm_dalvo::Show_At_Zoom(double zoom)
{
    const QSize margins = frameGeometry().size() - size();
    const QPoint place = pos();
    Zoom_Window(*this, zoom);
    setFixedSize(Client_Size(*this, zoom));
    // The window keeps its top left corner, unless it would then reach past the screen's edge.
    const QScreen *shown_on = screen();
    if (!shown_on)
        return;
    const QRect area = shown_on->availableGeometry();
    const QSize outer = size() + margins;
    move(std::max(area.left(), std::min(place.x(), area.right() + 1 - outer.width())),
         std::max(area.top(), std::min(place.y(), area.bottom() + 1 - outer.height())));
}

void frm_dalvo::Set_Presenting(bool on)
{
    if (on == presenting_)
        return;
    presenting_ = on;
    leave_presentation_->setEnabled(on);
    if (!on) {
        showNormal();
        Show_At_Zoom(zoom_before_presenting_);
        move(place_before_presenting_);
        return;
    }
    zoom_before_presenting_ = Zoom_Of(this);
    place_before_presenting_ = pos();
    Fill_Screen();
    showFullScreen();
}

void frm_dalvo::Fill_Screen()
{
    const QRect whole = screen() ? screen()->geometry() : geometry();
    const QSize client = Client_Size(*this, 1.0);
    double zoom =
        std::min(double(whole.width()) / client.width(), double(whole.height()) / client.height());
    // Rounded edges can reach one pixel further than the factor says.
    const auto fits = [&](double z) {
        const QSize size = Client_Size(*this, z);
        return size.width() <= whole.width() && size.height() <= whole.height();
    };
    while (zoom > 0.1 && !fits(zoom))
        zoom -= 0.001;
    const QSize shown = Client_Size(*this, zoom);
    // Placed on the screen as well, for a desktop without a window manager to do it.
    setFixedSize(whole.size());
    move(whole.topLeft());
    Zoom_Window(*this, zoom,
                QPoint((whole.width() - shown.width()) / 2, (whole.height() - shown.height()) / 2));
}
