// Tab page of the PMV tool that holds the given clothingForm.
#pragma once

#include <QWidget>

class clothingForm;

class CLOtab : public QWidget
{
    Q_OBJECT

public:
    CLOtab(clothingForm *form, QWidget *parent);
};
