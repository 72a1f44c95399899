// Mean radiant temperature at an occupant position in a box-shaped room.
#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

class mrtForm : public QWidget
{
    Q_OBJECT

public:
    mrtForm(bool summerInstance, QWidget *parent);

private slots:
    void on_computeMRT_clicked();

private:
    bool summerInstance;
    QLineEdit *inputMRT;
    QPushButton *computeMRT;
    QLineEdit *outputMRT;
};
