// Test helper: while alive, answers every modal message box (they run their own
// event loop) and keeps the last text and title and the count. A box is closed
// with Ok, or by pressing the next of `answers` while any is left.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class MessageCatcher
{
public:
    MessageCatcher()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                text = box->text();
                title = box->windowTitle();
                ++count;
                if (answers.isEmpty())
                    box->done(QMessageBox::Ok);
                else
                    box->button(answers.takeFirst())->click();
            }
        });
        timer.start(5);
    }

    QString text;
    QString title;
    int count = 0;
    QList<QMessageBox::StandardButton> answers;

private:
    QTimer timer;
};
