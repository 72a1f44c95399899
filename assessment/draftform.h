// Draught risk of a winter and a summer design condition (ISO 7730 draught model, BNB points).
#pragma once

#include "ui_draftform.h"

#include <QWidget>

class draftForm : public QWidget
{
    Q_OBJECT

public:
    explicit draftForm(QWidget *parent = nullptr);

private slots:
    void on_w_checkMech_toggled(bool checked);
    void on_s_checkMech_toggled(bool checked);
    void on_w_checkWindow_toggled(bool checked);
    void on_s_checkWindow_toggled(bool checked);
    void computeSummerDraft();
    void computeWinterDraft();
    void on_InfoBuDR_clicked();

private:
    struct Season {
        QLabel *season;
        QLineEdit *ta, *va, *tu;
        QLabel *labelTa, *labelVa, *labelTu;
        QCheckBox *window;
        QLineEdit *dr, *verdict, *points;
        double pointsScale;   // winter 1 (0-20 points), summer 0.5 (0-10)
    };
    void computeDraft(const Season &s);

    Ui::draftForm ui;
};
