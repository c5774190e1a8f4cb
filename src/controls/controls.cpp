#include "controls/controls.h"

#include "controls/colours.h"
#include "controls/handler_guard.h"
#include "controls/twips.h"
#include "core/dalvo_error.h"

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QSvgRenderer>

using Simulation::Dalvo_Error;
using Simulation::Error_Code;

Picture Load_Picture(const QString &resource, QSize pixels)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    return std::make_shared<const QPixmap>(pixmap);
}

void Place(QWidget *control, double left, double top, double width, double height)
{
    control->setGeometry(Twips::To_Pixels(left, top, width, height));
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
    QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (!classic)
        return;
    classic->setParent(&window);
    window.setStyle(classic);
    for (QWidget *control : window.findChildren<QWidget *>())
        control->setStyle(classic);
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
    drawn_.Forget();
    picture_ = std::move(picture);
    setIcon(picture_ ? QIcon(*picture_) : QIcon());
    if (picture_)
        setIconSize(picture_->size());
}

Image::Image(const QString &name, Picture picture, QWidget *parent)
    : QLabel(parent), picture_(std::move(picture))
{
    setObjectName(name);
    setScaledContents(true);
    if (picture_)
        setPixmap(*picture_);
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
