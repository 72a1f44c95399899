// Base of the result charts: a Qt Charts view with compact fonts for the result pages and a
// context menu that saves the chart as a PNG or SVG picture.
#pragma once

#include <QChartView>

class QAbstractAxis;
class QAbstractSeries;
class QValueAxis;

class QWidget;

// Places widget into the layout that holds anchor, right below it, with the given stretch;
// false when anchor lies in no box layout of its parent.
bool insertBelow(QWidget *anchor, QWidget *widget, int stretch);

class ChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ChartView(QWidget *parent);

    // The picture as the view shows it; false (after a message) when the file cannot be written.
    bool saveAsPng(const QString &fileName);
    bool saveAsSvg(const QString &fileName);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The file name for a picture, asked with the desktop's file dialog; empty when cancelled.
    virtual QString askSaveFileName(const QString &caption, const QString &filter);

    // Removes every series; the axes stay.
    void clearChart();
    // The value axis on that side (made at the first call) with a title and nice ticks over
    // min ... max.
    QValueAxis *addValueAxis(Qt::Alignment side, const QString &title, double min, double max);
    // Adds the series to the chart and attaches it to both axes.
    void addSeries(QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y);
    void hideLegendMarker(QAbstractSeries *series);

private slots:
    void savePng();
    void saveSvg();

private:
    void showWriteError(const QString &fileName, const QString &error);
};
