#include "radiant/mrtform.h"

#include "app/fieldreader.h"
#include "comfort/numbertext.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

// Until the room geometry form is built, the mean radiant temperature is typed in.
mrtForm::mrtForm(bool summerInstance, QWidget *parent)
    : QWidget(parent)
    , summerInstance(summerInstance)
{
    inputMRT = new QLineEdit(QStringLiteral("20"));
    inputMRT->setObjectName(QStringLiteral("typedMRT"));
    computeMRT = new QPushButton(tr("Compute MRT"));
    computeMRT->setObjectName(QStringLiteral("computeMRT"));
    outputMRT = new QLineEdit;
    outputMRT->setObjectName(QStringLiteral("outputMRT"));
    outputMRT->setReadOnly(true);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Mean Radiant Temperature [°C]"), inputMRT);
    layout->addRow(computeMRT);
    layout->addRow(tr("Mean Radiant \nTemperature [°C]"), outputMRT);
    QMetaObject::connectSlotsByName(this);
}

void mrtForm::on_computeMRT_clicked()
{
    FieldReader in(this);
    const double t = in.number(inputMRT, tr("Mean Radiant Temperature [°C]"));
    if (in.ok())
        outputMRT->setText(formatFixed(t));
}
