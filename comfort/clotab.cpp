#include "comfort/clotab.h"

#include "comfort/clothingform.h"

#include <QVBoxLayout>

CLOtab::CLOtab(clothingForm *form, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
}
