// The humidity Compute through the assessment window for a year of hourly rows: the moisture
// balance, the 8,760-row hourly table and both assessment pages.
#include "report/bnbmenuform.h"

#include "assessment/bnbform.h"

#include "../tests/yeardata.h"

#include <QClipboard>
#include <QtTest>

class BenchHumidityWindow : public QObject
{
    Q_OBJECT
private slots:
    void humidityCompute();
};

void BenchHumidityWindow::humidityCompute()
{
    bnbMenuForm window(nullptr);
    auto *data = window.findChild<bnbForm *>("bnbForm");
    QStringList lines;   // pasted as from a spreadsheet
    for (const QStringList &row : yearCells(simulatedYear(8760)))
        lines << row.join('\t');
    QApplication::clipboard()->setText(lines.join('\n'));
    data->findChild<QTableWidget *>("tableWidget")->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 0), true);
    data->actions().at(1)->trigger();
    data->findChild<QPushButton *>("compButton")->click();
    QVERIFY(data->lastComputeOk());
    auto *compute = window.findChild<QPushButton *>("computeHumid");
    QBENCHMARK {
        compute->click();
    }
    QVERIFY(window.findChild<QWidget *>("humidityForm")->findChild<QTableWidget *>("tableWidget")->item(8759, 9));
}

QTEST_MAIN(BenchHumidityWindow)
#include "bench_humiditywindow.moc"
