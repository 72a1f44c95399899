// The room, occupant position and surface temperatures from which the mean radiant
// temperature, the radiation asymmetries and the BNB verdict are computed.
#pragma once

#include "report/roomassessment.h"
#include "ui_mrtform.h"

#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class TsurfCalcDialog;
struct RoomGeometryCheck;

class mrtForm : public QWidget
{
    Q_OBJECT

public:
    // summerInstance: the PMV tool's and the summer assessment's form (points "10"),
    // false for the winter assessment's form (points "20").
    mrtForm(bool summerInstance, QWidget *parent);

    // The last computation that computed; empty before and after a refused one.
    const std::optional<RadiationOutcome> &outcome() const { return last; }
    // The page's fields as a room holds them (an unticked area's fields that hold no number read
    // as 0); false after naming a field that holds no number.
    bool readInput(RadiationInput &in);
    // Fills the fields from a room; nothing is computed.
    void setInput(const RadiationInput &in);

private slots:
    void on_computeMRT_clicked();
    void on_checkBoxFW_toggled(bool checked);
    void on_checkBoxBW_toggled(bool checked);
    void on_checkBoxRW_toggled(bool checked);
    void on_checkBoxLW_toggled(bool checked);
    void on_checkBoxFloor_toggled(bool checked);
    void on_checkBoxCeil_toggled(bool checked);
    void on_inputRadioStand_toggled(bool checked);
    void on_inputRadioSit_toggled(bool checked);
    void on_inputRadioOther_toggled(bool checked);
    void on_TsurfCalcButton_clicked();
    void on_checkMrtSurface_toggled(bool checked);
    void on_checkBoxFloorT_toggled(bool checked);
    void on_InfoBuMRT1_clicked();
    void on_InfoBuMRT2_clicked();
    void on_InfoBuMRT3_clicked();
    void on_InfoBuMRT4_clicked();
    void on_InfoBuMRT5_clicked();

private:
    // The widgets of one surface's row, indexed by RoomSide.
    struct SurfaceRow {
        QLabel *name;
        QLineEdit *temperature;
        QCheckBox *hasArea;
        QLineEdit *areaTemperature;
        QLineEdit *g1, *g2, *z1, *z2;
    };
    std::array<SurfaceRow, 6> surfaceRows() const;
    void showOutcome();
    void setAreaRowEnabled(int side, bool enabled);
    // outputMRT, the six asymmetry and PD fields, the three verdicts and the points.
    QList<QLineEdit *> resultFields() const;
    // Names the impossible geometry in one warning and puts the focus on a field to mend.
    void reportGeometry(const RoomGeometryCheck &check);

    Ui::mrtForm ui;
    bool summerInstance;
    std::optional<RadiationOutcome> last;
    TsurfCalcDialog *tsurfDialog = nullptr;
};
