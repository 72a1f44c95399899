// The BNB assessment window.
#pragma once

#include <QWidget>

class bnbMenuForm : public QWidget
{
    Q_OBJECT

public:
    explicit bnbMenuForm(QWidget *parent);
};
