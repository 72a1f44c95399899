#include "help/helpbrowser.h"

#include "app/datafolders.h"
#include "ui_helpbrowser.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpBrowser::HelpBrowser(const QString &path, const QString &page, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::HelpBrowser)
{
    ui->setupUi(this);
    // A top-level window of its own (no parent), independent of the main window.

    textBrowser = new QTextBrowser;
    homeButton = new QPushButton(tr("&Home"));
    backButton = new QPushButton(tr("&Back"));
    closeButton = new QPushButton(tr("Close"));
    closeButton->setShortcut(tr("Esc"));

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->addWidget(homeButton);
    buttonLayout->addWidget(backButton);
    buttonLayout->addStretch();
    buttonLayout->addWidget(closeButton);

    auto *mainLayout = new QVBoxLayout;
    mainLayout->addLayout(buttonLayout);
    mainLayout->addWidget(textBrowser);
    setLayout(mainLayout);

    connect(homeButton, &QPushButton::clicked, textBrowser, &QTextBrowser::home);
    connect(backButton, &QPushButton::clicked, textBrowser, &QTextBrowser::backward);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(textBrowser, &QTextBrowser::sourceChanged, this, &HelpBrowser::updateWindowTitle);

    // The folder above the program first, then the installed data folder, then
    // the copy in the resources, so the page is found wherever the program is started.
    textBrowser->setSearchPaths(documentationSearchPaths(path));
    textBrowser->setSource(QUrl(page));

    setWindowTitle(tr("Klimaro v0.3") + tr(" Documentation"));
}

HelpBrowser::~HelpBrowser()
{
    delete ui;
}

void HelpBrowser::updateWindowTitle()
{
}
