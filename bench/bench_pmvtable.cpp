// Import + batch + export of a PMV table through the calculator form, for a
// year of hourly rows and for 100,000 rows (air and globe temperature mode).
#include "comfort/pmvform.h"

#include <QtTest>

namespace {

class FileForm : public pmvForm
{
public:
    FileForm()
        : pmvForm(nullptr)
    {
        findChild<QCheckBox *>(QStringLiteral("checkBoxReadData"))->click();
    }
    QString openName, saveName;

protected:
    QString askOpenFileName() override { return openName; }
    QString askSaveFileName() override { return saveName; }
};

// Rows of Ta;Tg;rH;Va;clo with a daily and a yearly swing.
void writeInput(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    out << "Ta;Tg;rH;Va;clo\n";
    for (int i = 0; i < rows; ++i) {
        const double day = std::sin(i * 2 * M_PI / 24), year = std::sin(i * 2 * M_PI / 8760);
        out << QString::number(22 + 2 * day + 3 * year, 'f', 1) << ';'
            << QString::number(22.5 + 2 * day + 3 * year, 'f', 1) << ';'
            << QString::number(50 + 15 * year, 'f', 0) << ';' << (i % 3 == 0 ? "0.1" : "0.15") << ';'
            << (year < 0 ? "1" : "0.5") << '\n';
    }
}

}

class BenchPmvTable : public QObject
{
    Q_OBJECT
private slots:
    void importBatchExport_data();
    void importBatchExport();
};

void BenchPmvTable::importBatchExport_data()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("8760 rows (a year of hours)") << 8760;
    QTest::newRow("100000 rows") << 100000;
}

void BenchPmvTable::importBatchExport()
{
    QFETCH(int, rows);
    QTemporaryDir dir;
    FileForm form;
    form.openName = dir.filePath("in.csv");
    form.saveName = dir.filePath("pmvout.csv");
    writeInput(form.openName, rows);
    auto *read = form.findChild<QPushButton *>(QStringLiteral("readPreviewButton"));
    auto *compute = form.findChild<QPushButton *>(QStringLiteral("compute"));
    auto *write = form.findChild<QPushButton *>(QStringLiteral("CsvWriteButton"));

    qint64 importNs = 0, batchNs = 0, exportNs = 0;
    int passes = 0;
    QBENCHMARK {
        QElapsedTimer timer;
        timer.start();
        read->click();
        importNs += timer.nsecsElapsed();
        timer.restart();
        compute->click();
        batchNs += timer.nsecsElapsed();
        timer.restart();
        write->click();
        exportNs += timer.nsecsElapsed();
        ++passes;
    }
    QCOMPARE(form.findChild<QTableWidget *>()->rowCount(), rows);
    QFile out(form.saveName);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const double s = 1e-9 / passes;
    qInfo("%d rows: import %.3f s, batch %.3f s, export %.3f s, total %.3f s (%.2f µs per row)", rows,
          importNs * s, batchNs * s, exportNs * s, (importNs + batchNs + exportNs) * s,
          (importNs + batchNs + exportNs) * s * 1e6 / rows);
}

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchPmvTable bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_pmvtable.moc"
