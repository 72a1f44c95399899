// Read & Preview, Compute with the adaptive model (the heaviest: running mean and
// the "Mean (EN)" column) and both result pages, through the real data page,
// for a year of hourly, 10-minute and 1-minute rows.
#include "assessment/bnbform.h"
#include "assessment/summerbnbform.h"
#include "assessment/winterbnbform.h"

#include "yeardata.h"

#include <QtTest>

namespace {

class FileForm : public bnbForm
{
public:
    FileForm() : bnbForm(nullptr) {}
    QString openName;

protected:
    QString askOpenFileName() override { return openName; }
};

}

class BenchBnbForm : public QObject
{
    Q_OBJECT
private slots:
    void importComputeShow_data();
    void importComputeShow();
};

void BenchBnbForm::importComputeShow_data()
{
    QTest::addColumn<int>("rowsPerHour");
    QTest::newRow("8760 rows (hourly year)") << 1;
    QTest::newRow("52560 rows (10-minute year)") << 6;
    QTest::newRow("525600 rows (1-minute year)") << 60;
}

// The pages are filled as the assessment window's winterUpdate and summerUpdate
// fill them after the data page's own Compute.
void BenchBnbForm::importComputeShow()
{
    QFETCH(int, rowsPerHour);
    QTemporaryDir dir;
    FileForm form;
    winterBNBForm winter(nullptr);
    summerBNBForm summer(nullptr);
    form.openName = dir.filePath("year.csv");
    {
        QFile file(form.openName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(yearFile(simulatedYear(8760 * rowsPerHour, 1.0 / rowsPerHour)));
    }
    const double dt = 1.0 / rowsPerHour;
    form.findChild<QLineEdit *>("dataIntervalHour")->setText(QString::number(dt, 'g', 17));
    DataPageInput summerInput;
    summerInput.interval = dt;
    summerInput.model = SummerModel::AdaptiveEN;
    auto *models = form.findChild<QComboBox *>("modelSelectBox");
    models->setCurrentIndex(1);
    auto *read = form.findChild<QPushButton *>("readPreviewButton");
    auto *compute = form.findChild<QPushButton *>("compButton");

    qint64 importNs = 0, computeNs = 0, pagesNs = 0;
    int passes = 0;
    QBENCHMARK {
        QElapsedTimer timer;
        timer.start();
        read->click();
        importNs += timer.nsecsElapsed();
        timer.restart();
        compute->click();
        computeNs += timer.nsecsElapsed();
        timer.restart();
        ResultArray w{}, s{};
        form.getWinterResults(w.data());
        winter.showResults(w, dt);
        form.getSummerResults(s.data());
        summer.showResults(s, summerInput);
        pagesNs += timer.nsecsElapsed();
        ++passes;
    }
    QVERIFY(form.lastComputeOk());
    QCOMPARE(form.findChild<QTableWidget *>("tableWidget")->columnCount(), 4);
    qInfo("per pass: import %.1f ms, compute %.1f ms, pages %.3f ms", importNs / 1e6 / passes,
          computeNs / 1e6 / passes, pagesNs / 1e6 / passes);
}

QTEST_MAIN(BenchBnbForm)
#include "bench_bnbform.moc"
