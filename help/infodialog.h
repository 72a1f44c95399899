// The small fixed-size pop-up behind every "?" button: one help picture from
// the resources (":/images/<name>") or a short rich text.
#pragma once

#include <QDialog>

namespace Ui {
class InfoDialog;
}

class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    InfoDialog(const QString &title, const QString &imageName, QWidget *parent);
    InfoDialog(const QString &title, const QString &text, bool openExternalLinks, QWidget *parent);
    ~InfoDialog() override;

    // Opens a new, non-modal picture pop-up owned by the form: every click
    // gives a further dialog, destroyed when closed or together with the form.
    static InfoDialog *showPicture(const QString &title, const QString &imageName, QWidget *form);

private:
    Ui::InfoDialog *ui;
};
