// The BNB assessment window: the data page, the result pages and the radiation
// pages in nested tabs. It computes nothing itself; it carries the results of
// the data page's Compute into the winter and summer pages.
#pragma once

#include "ui_bnbmenuform.h"

#include <QWidget>

class QTabWidget;
class bnbForm;
class mrtForm;
class summerBNBForm;
class winterBNBForm;

class bnbMenuForm : public QWidget
{
    Q_OBJECT

public:
    explicit bnbMenuForm(QWidget *parent);

private slots:
    // Shows the summer page again when the DIN compliance box becomes checked.
    void recompute(bool v);
    void winterUpdate();
    void summerUpdate();
    // The summer page's charts from the series of the data page's Compute.
    void summerChartsUpdate();
    // humidityUpdate() follows here with the humidity pages, then the report's slots.

private:
    // Data interval [h] as typed on the data page; 0 when it holds no number.
    double dataInterval() const;

    Ui::bnbMenuForm ui;
    bnbForm *bnb;
    winterBNBForm *winterPage;
    summerBNBForm *summerPage;
    // The humidity calculator and its two assessment pages are created here, after the summer page.
    mrtForm *mrtSummer;
    mrtForm *mrtWinter;
    // The draft form is created here, after the radiation pages.
    QTabWidget *outerTabs;
    QTabWidget *operativeTabs;
    QTabWidget *radiationTabs;
    // The humidity tab widget joins the inner tab widgets.
};
