// Draught risk of a winter and a summer design condition (ISO 7730 draught model, BNB points).
#pragma once

#include "report/roomassessment.h"
#include "ui_draftform.h"

#include <QWidget>

#include <array>
#include <optional>

class draftForm : public QWidget
{
    Q_OBJECT

public:
    explicit draftForm(QWidget *parent = nullptr);

    // The season's result as shown: without mechanical ventilation full points at once, with it
    // the last Compute; empty when mechanical ventilation is ticked and not computed yet.
    const std::optional<DraughtOutcome> &outcome(Season s) const { return last[s]; }
    // The season's fields as a room holds them (an empty field: not entered); false after naming
    // a field that holds no number.
    bool readInput(Season s, DraughtInput &in);
    // Fills the season's fields and, where nothing needs computing or the values are complete,
    // shows its result.
    void setInput(Season s, const DraughtInput &in);

private slots:
    void on_w_checkMech_toggled(bool checked);
    void on_s_checkMech_toggled(bool checked);
    void on_w_checkWindow_toggled(bool checked);
    void on_s_checkWindow_toggled(bool checked);
    void computeSummerDraft();
    void computeWinterDraft();
    void on_InfoBuDR_clicked();

private:
    struct SeasonWidgets {
        QLabel *season;
        QCheckBox *mechanical, *window;
        QLineEdit *ta, *va, *tu;
        QLabel *labelTa, *labelVa, *labelTu;
        QGroupBox *input, *compute;
        QLineEdit *dr, *verdict, *points;
    };
    SeasonWidgets widgets(Season s) const;
    // complete: every field must hold a number (to compute), else an empty one is not entered.
    bool readFields(Season s, DraughtInput &in, bool complete);
    void computeDraft(Season s);
    // After a ventilation box changed: without mechanical ventilation full points; with it the
    // last computation again with the new window flag, or nothing until Compute.
    void ventilationChanged(Season s);
    void show(Season s);

    Ui::draftForm ui;
    std::array<std::optional<DraughtOutcome>, 2> last;
};
