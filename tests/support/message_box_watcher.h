#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

// Answers the modal message boxes a test raises: polling every few milliseconds, it records each
// box's title, text, icon and buttons and presses its first button.
class Message_Box_Watcher : public QObject
{
public:
    struct Box
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
    };

    Message_Box_Watcher() { startTimer(3); }

    const QList<Box> &Boxes() const { return boxes_; }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Box &box : boxes_)
            texts << box.text;
        return texts;
    }
    void Clear() { boxes_.clear(); }

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == answered_)
            return;
        answered_ = box; // answered once, even if it takes a moment to close
        Box seen{box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton *button : box->buttons())
            seen.buttons << box->standardButton(button);
        boxes_ << seen;
        box->buttons().isEmpty() ? box->reject() : box->buttons().front()->click();
    }

private:
    QList<Box> boxes_;
    QPointer<QMessageBox> answered_;
};
