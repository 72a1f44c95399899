#include "comfort/pmvtab.h"

#include "comfort/pmvform.h"

#include <QVBoxLayout>

PMVtab::PMVtab(pmvForm *form, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
}
