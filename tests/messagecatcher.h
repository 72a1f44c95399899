// Test helper: while alive, answers every modal message box (they run their own
// event loop) and keeps the last text and title and the count.
#pragma once

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
                box->done(QMessageBox::Ok);
            }
        });
        timer.start(5);
    }

    QString text;
    QString title;
    int count = 0;

private:
    QTimer timer;
};
