#include "app/chartview.h"

#include "app/lastfolder.h"

#include <QAbstractAxis>
#include <QBoxLayout>
#include <QAbstractSeries>
#include <QChart>
#include <QContextMenuEvent>
#include <QDir>
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
constexpr int kTitlePointSize = 8;
constexpr int kTextPointSize = 7;

QFont chartFont(int pointSize, bool bold = false)
{
    QFont f;
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

// The box layout among `layout` and its nested layouts that holds `anchor` directly.
QBoxLayout *boxHolding(QLayout *layout, QWidget *anchor)
{
    if (!layout)
        return nullptr;
    auto *box = qobject_cast<QBoxLayout *>(layout);
    if (box && box->indexOf(anchor) >= 0)
        return box;
    for (int i = 0; i < layout->count(); ++i)
        if (QBoxLayout *inner = boxHolding(layout->itemAt(i)->layout(), anchor))
            return inner;
    return nullptr;
}

}

bool insertBelow(QWidget *anchor, QWidget *widget, int stretch)
{
    QBoxLayout *box = boxHolding(anchor->parentWidget()->layout(), anchor);
    if (!box)
        return false;
    box->insertWidget(box->indexOf(anchor) + 1, widget, stretch);
    return true;
}

ChartView::ChartView(QWidget *parent)
    : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    // Series and axes are replaced at every Compute; a partial update left labels of the
    // removed axes on screen.
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setMinimumHeight(150);
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
}

// Qt Charts 6.4 leaves the labels of a removed axis on screen: an axis, once made, stays.
QValueAxis *ChartView::addValueAxis(Qt::Alignment side, const QString &title, double min, double max)
{
    QValueAxis *axis = nullptr;
    const QList<QAbstractAxis *> axes = chart()->axes();
    for (QAbstractAxis *a : axes)
        if (a->alignment() == side && (axis = qobject_cast<QValueAxis *>(a)))
            break;
    if (!axis) {
        axis = new QValueAxis;
        axis->setTitleFont(chartFont(kTextPointSize));
        axis->setLabelsFont(chartFont(kTextPointSize));
        axis->setLabelFormat(QStringLiteral("%g"));
        chart()->addAxis(axis, side);
    }
    axis->setTitleText(title);
    axis->setRange(min, max);
    axis->applyNiceNumbers();
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
    return askSaveFile(this, caption, FileKind::Chart, QString(), filter);
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
