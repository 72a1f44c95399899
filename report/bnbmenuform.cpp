#include "report/bnbmenuform.h"

#include <QLabel>
#include <QVBoxLayout>

bnbMenuForm::bnbMenuForm(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("<h3>BNB Assessment</h3><p>The assessment of a year of hourly room "
                                "data against the BNB thermal-comfort criterion is not part of this "
                                "version yet. Use the PMV tool from the Tools menu.</p>"));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(label);
}
