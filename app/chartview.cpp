#include "app/chartview.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

namespace {

// Point sizes that keep the title, the axes and the legend readable at the window's minimum size.
constexpr int kTitlePointSize = 9;
constexpr int kTextPointSize = 8;

QFont chartFont(int pointSize, bool bold = false)
{
    QFont f;
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

}

ChartView::ChartView(QWidget *parent)
    : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(160);
    QChart *c = chart();
    c->setTitleFont(chartFont(kTitlePointSize, true));
    c->legend()->setFont(chartFont(kTextPointSize));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(2, 2, 2, 2));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setBackgroundRoundness(0);
}

void ChartView::clearChart()
{
    chart()->removeAllSeries();
    const QList<QAbstractAxis *> axes = chart()->axes();
    for (QAbstractAxis *a : axes) {
        chart()->removeAxis(a);
        delete a;
    }
}

QValueAxis *ChartView::addValueAxis(Qt::Alignment side, const QString &title, double min, double max)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleFont(chartFont(kTextPointSize));
    axis->setLabelsFont(chartFont(kTextPointSize));
    axis->setRange(min, max);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%g"));
    chart()->addAxis(axis, side);
    return axis;
}

void ChartView::addSeries(QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    chart()->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

void ChartView::hideLegendMarker(QAbstractSeries *series)
{
    const QList<QLegendMarker *> markers = chart()->legend()->markers(series);
    for (QLegendMarker *m : markers)
        m->setVisible(false);
}

void ChartView::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("Save as PNG…"), this, &ChartView::savePng);
    menu.addAction(tr("Save as SVG…"), this, &ChartView::saveSvg);
    menu.exec(event->globalPos());
}

QString ChartView::askSaveFileName(const QString &caption, const QString &filter)
{
    return QFileDialog::getSaveFileName(this, caption, QString(), filter);
}

void ChartView::savePng()
{
    const QString fileName = askSaveFileName(tr("Save as PNG"), tr("PNG picture (*.png)"));
    if (!fileName.isEmpty())
        saveAsPng(fileName);
}

void ChartView::saveSvg()
{
    const QString fileName = askSaveFileName(tr("Save as SVG"), tr("SVG picture (*.svg)"));
    if (!fileName.isEmpty())
        saveAsSvg(fileName);
}

bool ChartView::saveAsPng(const QString &fileName)
{
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && grab().save(&file, "PNG") && file.commit();
    if (!written)
        showWriteError(fileName, file.errorString());
    return written;
}

bool ChartView::saveAsSvg(const QString &fileName)
{
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size());
        svg.setViewBox(rect());
        svg.setTitle(chart()->title());
        QPainter painter;
        written = painter.begin(&svg);
        if (written) {
            render(&painter);
            written = painter.end();
        }
        written = written && file.commit();
    }
    if (!written)
        showWriteError(fileName, file.errorString());
    return written;
}

void ChartView::showWriteError(const QString &fileName, const QString &error)
{
    QMessageBox::warning(this, tr("Save Chart"),
                         tr("Cannot write file %1:\n%2.").arg(QDir::toNativeSeparators(fileName), error));
}
