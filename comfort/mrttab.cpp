#include "comfort/mrttab.h"

#include "radiant/mrtform.h"

#include <QVBoxLayout>

MRTtab::MRTtab(mrtForm *form, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(form);
}
