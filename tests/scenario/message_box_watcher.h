#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Answers the modal message boxes a test raises: from a timer polling every few milliseconds it
// records each box's title, text, icon and buttons and presses its first button.
class Message_Box_Watcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
    };

    Message_Box_Watcher()
    {
        connect(&timer_, &QTimer::timeout, this, &Message_Box_Watcher::Poll);
        timer_.start(3);
    }

    const QList<Box> &Boxes() const { return boxes_; }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Box &box : boxes_)
            texts << box.text;
        return texts;
    }
    void Clear() { boxes_.clear(); }

private:
    void Poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == answered_)
            return;
        answered_ = box; // a box is answered once, even if it takes a moment to close
        Box seen{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton *button : box->buttons())
            seen.buttons << box->standardButton(button);
        boxes_ << seen;
        if (!box->buttons().isEmpty())
            box->buttons().front()->click();
        else
            box->reject();
    }

    QTimer timer_;
    QList<Box> boxes_;
    QPointer<QMessageBox> answered_;
};
