// Inverse PMV: which value of one parameter gives a wanted PMV.
#pragma once

#include <QWidget>

class pmvInverseForm : public QWidget
{
    Q_OBJECT

public:
    explicit pmvInverseForm(QWidget *parent);
};
