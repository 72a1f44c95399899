// Room and moisture-source data of the hourly indoor humidity calculation, and its hourly table.
#pragma once

#include "ui_humidityform.h"

#include <QWidget>

#include <vector>

struct HumidityParameters;
struct IndoorHumidity;

class humidityForm : public QWidget
{
    Q_OBJECT

public:
    explicit humidityForm(QWidget *parent = nullptr);

    // Reads the thirteen parameters. A field without a number, a volume or a pressure
    // not above 0 is named in a message; then false and nothing may be computed.
    // The disabled "Spring / Autumn" fields hold "-", which reads as 0.
    bool readParameters(HumidityParameters &p);

    // The hourly table: one row per record, ten columns, in one pass; enables Write CSV.
    void showHourly(const std::vector<double> &to, const std::vector<double> &rho,
                    const std::vector<double> &ti, const IndoorHumidity &h);

    // The table as shown, every cell followed by ";", after a product line and the
    // headers; through QSaveFile. A failure is named in a message; returns false.
    bool writeCsv(const QString &fileName);

signals:
    void getDataBNBtoHumid();

private slots:
    void on_computeHumid_clicked();
    void on_writeButton_clicked();
    void on_InfoBuHu1_clicked();

private:
    Ui::humidityForm ui;
};
