// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/controls.h"

#include "controls/colours.h"
#include "controls/handler_guard.h"
#include "controls/twips.h"
#include "core/dalvo_error.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>

#include <cmath>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

namespace {

// What a widget keeps for its zoom: a control its twips, a window its client size in twips, its
// zoom, the origin of its controls and whether lines are drawn at their finest; a control with a
// font of its own the font's size at 100 %.
constexpr char Twips_Key[] = "dalvo_twips";
constexpr char Client_Key[] = "dalvo_client_twips";
constexpr char Zoom_Key[] = "dalvo_zoom";
constexpr char Origin_Key[] = "dalvo_origin";
constexpr char Fine_Lines_Key[] = "dalvo_fine_lines";
constexpr char Points_Key[] = "dalvo_points";
constexpr char Icon_Key[] = "dalvo_icon_size";

// A picture that remembers its vector source, so that it can be drawn afresh at any size.
class Drawn_Picture : public QPixmap
{
public:
    Drawn_Picture(const QPixmap &pixmap, const QString &source) : QPixmap(pixmap), source_(source)
    {
    }
    const QString &Source() const { return source_; }

private:
    QString source_;
};

QPixmap Draw_Svg(const QString &resource, QSize pixels)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return pixmap;
}

QRect Placed(const QWidget &control, const QRectF &twips)
{
    QRect rect =
        Twips::To_Pixels(twips.x(), twips.y(), twips.width(), twips.height(), Zoom_Of(&control));
    const QWidget *window = control.window();
    if (control.parentWidget() == window)
        rect.translate(window->property(Origin_Key).toPoint());
    return rect;
}

// A font set on the control itself takes its size at the zoom; inherited fonts follow their
// container.
void Scale_Font(QWidget &control, double zoom)
{
    if (!control.testAttribute(Qt::WA_SetFont))
        return;
    QVariant points = control.property(Points_Key);
    if (!points.isValid()) {
        if (zoom == 1.0)
            return;
        points = control.font().pointSizeF();
        control.setProperty(Points_Key, points);
    }
    QFont font = control.font();
    font.setPointSizeF(points.toDouble() * zoom);
    control.setFont(font);
}

// Lists and drop-down boxes show their items' icons at a size of their own, which grows with the
// zoom like the items' text.
void Scale_Icons(QWidget &control, double zoom)
{
    auto *view = qobject_cast<QAbstractItemView *>(&control);
    auto *combo = qobject_cast<QComboBox *>(&control);
    if (!view && !combo)
        return;
    QVariant kept = control.property(Icon_Key);
    if (!kept.isValid()) {
        if (zoom == 1.0)
            return;
        QSize size = view ? view->iconSize() : combo->iconSize();
        if (!size.isValid()) {
            const int small =
                control.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &control);
            size = QSize(small, small);
        }
        kept = size;
        control.setProperty(Icon_Key, kept);
    }
    const QSize size = kept.toSize() * zoom;
    if (view)
        view->setIconSize(size);
    else
        combo->setIconSize(size);
}

// The classic style, with the few sizes it gives in fixed pixels (a check box's box) grown with
// the zoom of the control's window.
class Zoomed_Style : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
            return widget ? qRound(size * Zoom_Of(widget)) : size;
        default:
            return size;
        }
    }
};

} // namespace

Picture Load_Picture(const QString &resource, QSize pixels)
{
    return std::make_shared<const Drawn_Picture>(Draw_Svg(resource, pixels), resource);
}

QPixmap Picture_At(const QPixmap &picture, QSize size, qreal ratio)
{
    if (picture.isNull() ||
        (picture.deviceIndependentSize() == QSizeF(size) && picture.devicePixelRatio() == ratio))
        return picture;
    const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
    const auto *drawn = dynamic_cast<const Drawn_Picture *>(&picture);
    QPixmap shown = drawn ? Draw_Svg(drawn->Source(), pixels)
                          : picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    return shown;
}

void Place(QWidget *control, double left, double top, double width, double height)
{
    const QRectF twips(left, top, width, height);
    if (control->property(Twips_Key).toRectF() != twips)
        control->setProperty(Twips_Key, twips);
    control->setGeometry(Placed(*control, twips));
}

void Set_Client_Size(QWidget &window, double width, double height)
{
    window.setProperty(Client_Key, QSizeF(width, height));
    window.setFixedSize(Client_Size(window, Zoom_Of(&window)));
}

QSize Client_Size(const QWidget &window, double zoom)
{
    const QVariant twips = window.property(Client_Key);
    if (!twips.isValid())
        return window.size();
    const QSizeF size = twips.toSizeF();
    return QSize(Twips::To_Pixels(size.width(), zoom), Twips::To_Pixels(size.height(), zoom));
}

double Zoom_Of(const QWidget *control)
{
    if (!control)
        return 1.0;
    const QVariant zoom = control->window()->property(Zoom_Key);
    return zoom.isValid() ? zoom.toDouble() : 1.0;
}

void Apply_Zoom(QWidget &window, double zoom, QPoint origin)
{
    window.setProperty(Zoom_Key, zoom);
    window.setProperty(Origin_Key, origin);
    Scale_Font(window, zoom);
    // Every control, whatever its kind or whoever made it; a child window (the file chooser, a
    // message box) keeps the zoom it was made with.
    for (QWidget *control : window.findChildren<QWidget *>()) {
        if (control->window() != &window)
            continue;
        const QVariant twips = control->property(Twips_Key);
        if (twips.isValid())
            control->setGeometry(Placed(*control, twips.toRectF()));
        Scale_Font(*control, zoom);
        Scale_Icons(*control, zoom);
        if (auto *button = qobject_cast<CommandButton *>(control))
            button->Show_Picture();
        else if (auto *image = qobject_cast<Image *>(control))
            image->Show_Picture();
    }
}

QImage Render_At_Zoom(QWidget &window, double zoom)
{
    // The window's own size stays, so the desktop sees no change; its controls are laid out at
    // the zoom for the time of the drawing and put back before any of them is painted again.
    struct Restore
    {
        QWidget &window;
        double zoom;
        QPoint origin;
        ~Restore()
        {
            window.setProperty(Fine_Lines_Key, QVariant());
            Apply_Zoom(window, zoom, origin);
        }
    } restore{window, Zoom_Of(&window), window.property(Origin_Key).toPoint()};
    window.setProperty(Fine_Lines_Key, true);
    Apply_Zoom(window, zoom);
    QImage image(Client_Size(window, zoom), QImage::Format_ARGB32_Premultiplied);
    image.fill(window.palette().color(window.backgroundRole()));
    QPainter painter(&image);
    for (QObject *child : window.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && !control->isWindow() && control->isVisibleTo(&window))
            control->render(&painter, control->pos());
    }
    painter.end();
    return image;
}

double Line_Width(const QWidget *control)
{
    if (!control || control->window()->property(Fine_Lines_Key).toBool())
        return 1.0;
    return std::max(1.0, std::round(Zoom_Of(control)));
}

void Set_Text_Colour(QWidget *control, quint32 colour)
{
    if (auto *frame = qobject_cast<Frame *>(control)) {
        frame->Set_Caption_Colour(Colours::To_QColor(colour));
        return;
    }
    // Disabled text keeps the desktop's grey, so a disabled label reads as disabled.
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Colours::To_QColor(colour));
        palette.setColor(group, QPalette::ButtonText, Colours::To_QColor(colour));
    }
    control->setPalette(palette);
}

void Set_Background(QWidget *control, quint32 colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, Colours::To_QColor(colour));
    palette.setColor(QPalette::Window, Colours::To_QColor(colour));
    control->setPalette(palette);
}

QFont Window_Font(bool bold)
{
    // A sans-serif font of the classic dialog font's proportions, with Greek letters.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void Use_Classic_Style(QWidget &window)
{
    // Made after the controls, so the window deletes it after them.
    QStyle *windows = QStyleFactory::create(QStringLiteral("Windows"));
    if (!windows)
        return;
    auto *classic = new Zoomed_Style(windows);
    classic->setParent(&window);
    window.setStyle(classic);
    for (QWidget *control : window.findChildren<QWidget *>())
        control->setStyle(classic);
}

QPalette Classic_Palette()
{
    QPalette face;
    face.setColor(QPalette::Window, Colours::To_QColor(Colours::System + 15));
    face.setColor(QPalette::Button, Colours::To_QColor(Colours::System + 15));
    face.setColor(QPalette::WindowText, Qt::black);
    face.setColor(QPalette::ButtonText, Qt::black);
    face.setColor(QPalette::Base, Qt::white);
    face.setColor(QPalette::Text, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        face.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return face;
}

Label::Label(const QString &name, const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setObjectName(name);
    // A caption from a scenario file is shown as it stands, never as markup.
    setTextFormat(Qt::PlainText);
}

void Label::paintEvent(QPaintEvent *)
{
    if (drawn_text_ != text() || drawn_alignment_ != alignment()) {
        drawn_.Forget();
        drawn_text_ = text();
        drawn_alignment_ = alignment();
    }
    drawn_.Paint(*this, [this](QStylePainter &painter) {
        style()->drawItemText(&painter, contentsRect(),
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), text(), foregroundRole());
    });
}

bool Label::event(QEvent *event)
{
    drawn_.Watch(event);
    return QLabel::event(event);
}

void Label::Set_Geometry(double left, double top, double width, double height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place(this, left_, top_, width_, height_);
}

void Label::Set_Left(double left)
{
    Set_Geometry(left, top_, width_, height_);
}

void Label::Set_Top(double top)
{
    Set_Geometry(left_, top, width_, height_);
}

CheckBox::CheckBox(const QString &name, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    setTristate(true);
    connect(this, &QCheckBox::stateChanged, this, [this] { drawn_.Forget(); });
}

int CheckBox::Value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void CheckBox::Set_Value(int value)
{
    static constexpr Qt::CheckState States[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    if (value < 0 || value > 2)
        throw Dalvo_Error(Error_Code::Invalid_Property_Value,
                          QStringLiteral("Invalid property value"));
    Handler_Guard::Raise_Events([&] { setCheckState(States[value]); });
}

void CheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::paintEvent(QPaintEvent *)
{
    drawn_.Paint(*this, [this](QStylePainter &painter) {
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_CheckBox, option);
    });
}

bool CheckBox::event(QEvent *event)
{
    drawn_.Watch(event);
    return QCheckBox::event(event);
}

ScrollBar::ScrollBar(const QString &name, int min, int max, int value, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(name);
    setRange(min, max);
    setSingleStep(1);
    setPageStep(1);
    setValue(value);
    // A tab stop whose right arrow key and wheel-up raise the value, as on a classic desktop.
    setInvertedControls(false);
    setFocusPolicy(Qt::StrongFocus);
    // The thumb follows a drag, but the value (and so the Change handler) only moves when it is
    // let go; arrows, clicks in the track and keys change it at once.
    setTracking(false);
    // Qt's menu ("Scroll here", ...) would move the bar; a classic scroll bar has none.
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ScrollBar::sliderChange(SliderChange change)
{
    drawn_.Forget();
    QScrollBar::sliderChange(change);
}

void ScrollBar::paintEvent(QPaintEvent *event)
{
    if (pressed_) {
        QScrollBar::paintEvent(event);
        return;
    }
    drawn_.Paint(*this, [this](QStylePainter &painter) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        painter.drawComplexControl(QStyle::CC_ScrollBar, option);
    });
}

bool ScrollBar::event(QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress)
        pressed_ = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        pressed_ = false;
    drawn_.Watch(event);
    return QScrollBar::event(event);
}

void ScrollBar::Set_Value(int value)
{
    if (value < minimum() || value > maximum())
        throw Dalvo_Error(Error_Code::Invalid_Property_Value,
                          QStringLiteral("Invalid property value"));
    Handler_Guard::Raise_Events([&] { setValue(value); });
}

CommandButton::CommandButton(const QString &name, QWidget *parent) : QToolButton(parent)
{
    setObjectName(name);
    setAutoRaise(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    drawn_.Paint(*this, [this](QStylePainter &painter) {
        QStyleOptionToolButton option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
    });
}

bool CommandButton::event(QEvent *event)
{
    drawn_.Watch(event);
    return QToolButton::event(event);
}

void CommandButton::Set_Picture(Picture picture)
{
    picture_ = std::move(picture);
    Show_Picture();
}

void CommandButton::Show_Picture()
{
    drawn_.Forget();
    if (!picture_) {
        setIcon(QIcon());
        return;
    }
    // The picture object stays the button's; only what is shown is drawn at the zoom.
    const double zoom = Zoom_Of(this);
    const QSize size(qRound(picture_->deviceIndependentSize().width() * zoom),
                     qRound(picture_->deviceIndependentSize().height() * zoom));
    setIcon(QIcon(Picture_At(*picture_, size, devicePixelRatioF())));
    setIconSize(size);
}

Image::Image(const QString &name, Picture picture, QWidget *parent)
    : QLabel(parent), picture_(std::move(picture))
{
    setObjectName(name);
    setScaledContents(true);
    if (picture_)
        setPixmap(*picture_);
}

void Image::Show_Picture()
{
    if (picture_)
        setPixmap(Picture_At(*picture_, size(), devicePixelRatioF()));
}

Frame::Frame(const QString &name, QWidget *parent) : QGroupBox(parent)
{
    setObjectName(name);
}

void Frame::Set_Caption_Colour(const QColor &colour)
{
    caption_colour_ = colour;
    drawn_.Forget();
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    drawn_.Paint(*this, [this](QStylePainter &painter) {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        // A disabled frame's caption keeps the desktop's grey.
        if (caption_colour_.isValid() && isEnabled())
            option.textColor = caption_colour_;
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    });
}

bool Frame::event(QEvent *event)
{
    drawn_.Watch(event);
    return QGroupBox::event(event);
}
