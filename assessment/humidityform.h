// Room and moisture-source data of the hourly indoor humidity calculation, and its hourly table.
#pragma once

#include "ui_humidityform.h"

#include <QStringList>
#include <QWidget>

#include <vector>

struct HumidityInput;

class humidityForm : public QWidget
{
    Q_OBJECT

public:
    explicit humidityForm(QWidget *parent = nullptr);

    // Reads the thirteen parameters. A field without a number or outside its range (a volume
    // or a pressure not above 0, a negative air change, a recovery beyond 0-1) is named in a
    // message; then false and nothing may be computed. The disabled "Spring / Autumn" fields
    // hold "-": not given.
    bool readInput(HumidityInput &in);
    void setInput(const HumidityInput &in);

    // The hourly table (report/assessmenttexts.h: humidityHourlyRows) in one pass; enables
    // Write CSV.
    void showHourly(std::vector<QStringList> rows);

    // The rows shown, every cell followed by ";", after a product line and the headers; through
    // QSaveFile. A failure is named in a message; returns false.
    bool writeCsv(const QString &fileName);

signals:
    void getDataBNBtoHumid();

private slots:
    void on_computeHumid_clicked();
    void on_writeButton_clicked();
    void on_InfoBuHu1_clicked();

private:
    Ui::humidityForm ui;
    std::vector<QStringList> hourlyRows;
};
