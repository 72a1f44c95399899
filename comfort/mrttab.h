// Tab page of the PMV tool that holds the given mrtForm.
#pragma once

#include <QWidget>

class mrtForm;

class MRTtab : public QWidget
{
    Q_OBJECT

public:
    MRTtab(mrtForm *form, QWidget *parent);
};
