#include "comfort/pmvinverseform.h"

#include <QLabel>
#include <QVBoxLayout>

pmvInverseForm::pmvInverseForm(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("The inverse PMV search follows in the next version.")));
}
