// Tab page of the PMV tool that holds the given pmvForm.
#pragma once

#include <QWidget>

class pmvForm;

class PMVtab : public QWidget
{
    Q_OBJECT

public:
    PMVtab(pmvForm *form, QWidget *parent);
};
