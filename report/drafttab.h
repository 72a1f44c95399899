// The "2. Draft Risk" tab of the assessment window: a plain page holding the draft form.
#pragma once

#include <QWidget>

class draftForm;

class drafttab : public QWidget
{
    Q_OBJECT

public:
    drafttab(draftForm *form, QWidget *parent);
};
