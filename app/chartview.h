// Base of the result charts: a Qt Charts view with compact fonts for the result pages and a
// context menu that saves the chart as a PNG or SVG picture.
#pragma once

#include <QChartView>

class QAbstractAxis;
class QAbstractSeries;
class QValueAxis;

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

    // Removes every series and axis of the chart.
    void clearChart();
    // A value axis with a title and nice ticks over min ... max.
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
