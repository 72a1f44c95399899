// Tab page of the PMV tool with its own inverse PMV form.
#pragma once

#include <QWidget>

class inversetab : public QWidget
{
    Q_OBJECT

public:
    explicit inversetab(QWidget *parent);
};
