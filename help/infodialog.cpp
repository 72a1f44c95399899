#include "help/infodialog.h"

#include "ui_infodialog.h"

#include <QPixmap>

InfoDialog::InfoDialog(const QString &title, const QString &imageName, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InfoDialog)
{
    ui->setupUi(this);
    // A picture missing from the resources leaves the label empty. The dialog
    // cannot grow, so a larger picture is scaled down to fit.
    QPixmap picture(QStringLiteral(":/images/") + imageName);
    const QSize room(519, 425);   // the label's share of 531 × 470
    if (picture.width() > room.width() || picture.height() > room.height())
        picture = picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ui->label->setPixmap(picture);
    setWindowTitle(title);
    // Every click opens a further pop-up: a closed one goes at once instead of
    // piling up hidden until its form is destroyed.
    setAttribute(Qt::WA_DeleteOnClose);
}

InfoDialog::InfoDialog(const QString &title, const QString &text, bool openExternalLinks,
                       QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::InfoDialog)
{
    ui->setupUi(this);
    ui->label->setTextFormat(Qt::RichText);
    ui->label->setWordWrap(true);
    ui->label->setText(text);
    ui->label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                       | Qt::LinksAccessibleByKeyboard);
    ui->label->setOpenExternalLinks(openExternalLinks);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
}

InfoDialog::~InfoDialog()
{
    delete ui;
}

InfoDialog *InfoDialog::showPicture(const QString &title, const QString &imageName, QWidget *form)
{
    auto *dialog = new InfoDialog(title, imageName, form);
    dialog->show();
    return dialog;
}
