// Test helper: while alive, answers every modal message box (QMessageBox::warning
// and the like run their own event loop) and keeps the last text and the count.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

class MessageCatcher
{
public:
    MessageCatcher()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            text = box->text();
            title = box->windowTitle();
            ++count;
            box->done(QMessageBox::Ok);
        });
        timer.start();
    }

    QString text;
    QString title;
    int count = 0;

private:
    QTimer timer;
};
