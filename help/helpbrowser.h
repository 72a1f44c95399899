// The user documentation window: an HTML page from the folder beside the
// program, or from the copy compiled into the resources (":/doc").
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace Ui {
class HelpBrowser;
}

class HelpBrowser : public QDialog
{
    Q_OBJECT

public:
    HelpBrowser(const QString &path, const QString &page, QWidget *parent);
    ~HelpBrowser() override;

private slots:
    // The title stays "Klimaro v0.3 Documentation" whatever page is shown.
    void updateWindowTitle();

private:
    Ui::HelpBrowser *ui;
    QTextBrowser *textBrowser;
    QPushButton *homeButton;
    QPushButton *backButton;
    QPushButton *closeButton;
};
