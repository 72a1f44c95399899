#include "report/drafttab.h"

#include "assessment/draftform.h"

#include <QVBoxLayout>

drafttab::drafttab(draftForm *form, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(form);
    setLayout(layout);
}
