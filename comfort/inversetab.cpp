#include "comfort/inversetab.h"

#include "comfort/pmvinverseform.h"

#include <QVBoxLayout>

inversetab::inversetab(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new pmvInverseForm(nullptr));
}
