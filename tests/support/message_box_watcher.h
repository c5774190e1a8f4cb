// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

// Answers the modal message boxes a test raises: polling every few milliseconds, it records each
// box's title, text, icon and buttons and presses the answer given for it, or, past the answers
// given or when the box lacks that button, its first button.
class Message_Box_Watcher : public QObject
{
public:
    struct Box
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        double point_size = 0;
        int width = 0;
        QColor face = QColor();
    };

    explicit Message_Box_Watcher(QList<QMessageBox::StandardButton> answers = {})
        : answers_(std::move(answers))
    {
        startTimer(3);
    }

    const QList<Box> &Boxes() const { return boxes_; }
    QStringList Texts() const
    {
        QStringList texts;
        for (const Box &box : boxes_)
            texts << box.text;
        return texts;
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == answered_)
            return;
        answered_ = box; // answered once, even if it takes a moment to close
        boxes_ << Box{box->windowTitle(),
                      box->text(),
                      box->icon(),
                      box->standardButtons(),
                      box->font().pointSizeF(),
                      box->width(),
                      box->palette().color(QPalette::Window)};
        QAbstractButton *answer =
            boxes_.size() <= answers_.size() ? box->button(answers_[boxes_.size() - 1]) : nullptr;
        if (!answer && !box->buttons().isEmpty())
            answer = box->buttons().front();
        answer ? answer->click() : box->reject();
    }

private:
    QList<QMessageBox::StandardButton> answers_;
    QList<Box> boxes_;
    QPointer<QMessageBox> answered_;
};
