#include "radiant/mrtform.h"

#include "app/fieldreader.h"
#include "comfort/numbertext.h"
#include "comfort/trace.h"
#include "help/infodialog.h"
#include "radiant/asymmetry.h"
#include "radiant/mrt.h"
#include "radiant/tsurfcalcdialog.h"
#include "report/assessmenttexts.h"
#include "app/resulttext.h"

#include <QMessageBox>

mrtForm::mrtForm(bool summerInstance, QWidget *parent)
    : QWidget(parent)
    , summerInstance(summerInstance)
{
    ui.setupUi(this);
    //: Plan picture of the room in this language (resources/imgMRT/).
    ui.labelImage->setPixmap(QPixmap(QStringLiteral(":/imgMRT/") + tr("Position_DE_Small.png")));
}

std::array<mrtForm::SurfaceRow, 6> mrtForm::surfaceRows() const
{
    std::array<SurfaceRow, 6> rows;
    rows[RoomSide::Front] = {ui.labelFront, ui.inputFT, ui.checkBoxFW, ui.inputFWT,
                             ui.inputFWinL, ui.inputFWinR, ui.inputFWinCeil, ui.inputFWinFloor};
    rows[RoomSide::Back] = {ui.labelBack, ui.inputBT, ui.checkBoxBW, ui.inputBWT,
                            ui.inputBWinL, ui.inputBWinR, ui.inputBWinCeil, ui.inputBWinFloor};
    rows[RoomSide::Right] = {ui.labelRight, ui.inputRT, ui.checkBoxRW, ui.inputRWT,
                             ui.inputRWinL, ui.inputRWinR, ui.inputRWinCeil, ui.inputRWinFloor};
    rows[RoomSide::Left] = {ui.labelLeft, ui.inputLT, ui.checkBoxLW, ui.inputLWT,
                            ui.inputLWinL, ui.inputLWinR, ui.inputLWinCeil, ui.inputLWinFloor};
    rows[RoomSide::Floor] = {ui.labelFloor, ui.inputFloorT, ui.checkBoxFloor, ui.inputFloorHC,
                             ui.inputFloorWinL, ui.inputFloorWinR, ui.inputFloorWinCeil,
                             ui.inputFloorWinFloor};
    rows[RoomSide::Ceiling] = {ui.labelCeiling, ui.inputCeilT, ui.checkBoxCeil, ui.inputCeilHC,
                               ui.inputCeilWinL, ui.inputCeilWinR, ui.inputCeilWinCeil,
                               ui.inputCeilWinFloor};
    return rows;
}

// Only the fields the computation uses are checked: an unticked area's row is disabled and
// neither used nor judged.
bool mrtForm::readInput(RadiationInput &in)
{
    const std::array<SurfaceRow, 6> rows = surfaceRows();
    FieldReader reader(this);
    RoomRadiantInput &room = in.room;
    const QString wallColumn = FieldReader::fieldName(ui.labelWallTemperature->text());
    const QString areaColumn = FieldReader::fieldName(ui.labelAreaTemperature->text());
    // An unticked area's field is kept when it holds a number, else read as 0.
    const auto unused = [](QLineEdit *field) {
        double v = 0.0;
        return parseFieldNumber(field->text(), v) ? v : 0.0;
    };
    for (int side = 0; side < RoomSide::Count; ++side) {
        const SurfaceRow &row = rows[side];
        const QString surface = FieldReader::fieldName(row.name->text());
        RoomSurfaceInput &s = room.surface[side];
        s.T = reader.number(row.temperature, tr("%1: %2").arg(surface, wallColumn), kPhysicalTemperature);
        s.hasArea = row.hasArea->isChecked();
        if (s.hasArea)
            s.Tarea = reader.number(row.areaTemperature, tr("%1 cold/hot area: %2").arg(surface, areaColumn),
                                    kPhysicalTemperature);
        else
            s.Tarea = unused(row.areaTemperature);
    }
    room.W = reader.number(ui.inputWidth, ui.labelWidth);
    room.D = reader.number(ui.inputDepth, ui.labelDepth);
    room.H = reader.number(ui.inputHeight, ui.labelHeight);
    room.Xp = reader.number(ui.inputXp, ui.labelXp);
    room.Yp = reader.number(ui.inputYp, ui.labelYp);
    room.Zp = reader.number(ui.inputZp, ui.labelZp);
    for (int side : {RoomSide::Front, RoomSide::Back, RoomSide::Left, RoomSide::Right,
                     RoomSide::Floor, RoomSide::Ceiling}) {
        const SurfaceRow &row = rows[side];
        RoomSurfaceInput &s = room.surface[side];
        double *const distances[4] = {&s.g1, &s.g2, &s.z1, &s.z2};
        QLineEdit *const fields[4] = {row.g1, row.g2, row.z1, row.z2};
        const QLabel *const labels[4] = {ui.labelG1, ui.labelG2, ui.labelZ1, ui.labelZ2};
        const QString area = tr("%1 cold/hot area: %2").arg(FieldReader::fieldName(row.name->text()));
        for (int i = 0; i < 4; ++i)
            *distances[i] = s.hasArea ? reader.number(fields[i], area.arg(labels[i]->text())) : unused(fields[i]);
    }
    in.posture = ui.inputRadioStand->isChecked() ? Posture::Standing
                 : ui.inputRadioSit->isChecked() ? Posture::Seated
                                                 : Posture::Other;
    in.method = ui.checkMrtPlane->isChecked() ? MrtMethod::Plane : MrtMethod::Surface;
    in.floorTemperatureInRange = ui.checkBoxFloorT->isChecked();
    return reader.ok();
}

void mrtForm::on_computeMRT_clicked()
{
    RadiationInput in;
    const bool fieldsOk = readInput(in);   // names the bad fields
    const RoomGeometryCheck geometry = fieldsOk ? checkRoomGeometry(in.room) : RoomGeometryCheck();
    if (!fieldsOk || geometry.problem != RoomGeometryProblem::None) {
        // Refused: no earlier result may stand beside the new inputs.
        last.reset();
        for (QLineEdit *field : resultFields())
            field->clear();
        reportGeometry(geometry);
        return;
    }
    last = assessRadiation(in, summerInstance);
    traceLine(QStringLiteral(" Recv MRT "));
    showOutcome();
}

void mrtForm::showOutcome()
{
    const RadiationTexts t = radiationTexts(*last, assessmentWords());
    ui.outputMRT->setText(t.mrt);
    QLineEdit *const asymmetry[3] = {ui.outputAsmFrBk, ui.outputAsmLeRt, ui.outputAsmClFlr};
    QLineEdit *const pd[3] = {ui.outputPdFrBk, ui.outputPdLeRt, ui.outputPdClFlr};
    QLineEdit *const verdict[3] = {ui.outputFrBkQuality, ui.outputLeRtQuality, ui.outputClFlrQuality};
    for (size_t i = 0; i < 3; ++i) {
        asymmetry[i]->setText(t.asymmetry[i]);
        pd[i]->setText(t.pd[i]);
        verdict[i]->setText(t.verdict[i]);
    }
    ui.RadiationPoints->setText(t.points);
}

void mrtForm::setInput(const RadiationInput &in)
{
    const RoomRadiantInput &room = in.room;
    const std::array<SurfaceRow, 6> rows = surfaceRows();
    for (int side = 0; side < RoomSide::Count; ++side) {
        const RoomSurfaceInput &s = room.surface[side];
        const SurfaceRow &row = rows[side];
        row.temperature->setText(formatInputNumber(s.T));
        row.hasArea->setChecked(s.hasArea);
        row.areaTemperature->setText(formatInputNumber(s.Tarea));
        for (auto [field, value] : {std::pair(row.g1, s.g1), {row.g2, s.g2}, {row.z1, s.z1}, {row.z2, s.z2}})
            field->setText(formatInputNumber(value));
    }
    for (auto [field, value] : {std::pair(ui.inputWidth, room.W), {ui.inputDepth, room.D}, {ui.inputHeight, room.H},
                                {ui.inputXp, room.Xp}, {ui.inputYp, room.Yp}})
        field->setText(formatInputNumber(value));
    QRadioButton *posture = in.posture == Posture::Standing ? ui.inputRadioStand
                            : in.posture == Posture::Seated ? ui.inputRadioSit
                                                            : ui.inputRadioOther;
    posture->setChecked(true);
    if (in.posture == Posture::Other)
        ui.inputZp->setText(formatInputNumber(room.Zp));
    (in.method == MrtMethod::Plane ? ui.checkMrtPlane : ui.checkMrtSurface)->setChecked(true);
    const QSignalBlocker block(ui.checkBoxFloorT);   // filling computes nothing
    ui.checkBoxFloorT->setChecked(in.floorTemperatureInRange);
}

QList<QLineEdit *> mrtForm::resultFields() const
{
    return {ui.outputMRT,    ui.outputAsmFrBk,     ui.outputAsmLeRt,     ui.outputAsmClFlr,
            ui.outputPdFrBk, ui.outputPdLeRt,      ui.outputPdClFlr,     ui.outputFrBkQuality,
            ui.outputLeRtQuality, ui.outputClFlrQuality, ui.RadiationPoints};
}

void mrtForm::reportGeometry(const RoomGeometryCheck &check)
{
    QString problem;
    QLineEdit *mend = nullptr;
    switch (check.problem) {
    case RoomGeometryProblem::NonPositiveDimension:
        problem = tr("The room must have a size: Width, Depth and Height must be greater than 0.");
        mend = ui.inputWidth;
        break;
    case RoomGeometryProblem::OccupantNotInside:
        problem = tr("The occupant must stand inside the room: "
                     "0 < Xp < Width, 0 < Yp < Depth, 0 < Zp < Height.");
        mend = ui.inputXp;
        break;
    case RoomGeometryProblem::AreaDoesNotFit:
        switch (check.side) {
        case RoomSide::Front:
            problem = tr("The window of the Front wall does not fit on the wall: g1 + g2 must be "
                         "smaller than the wall's width and z1 + z2 smaller than its height; "
                         "no distance may be negative.");
            break;
        case RoomSide::Back:
            problem = tr("The window of the Back wall does not fit on the wall: g1 + g2 must be "
                         "smaller than the wall's width and z1 + z2 smaller than its height; "
                         "no distance may be negative.");
            break;
        case RoomSide::Right:
            problem = tr("The window of the Right wall does not fit on the wall: g1 + g2 must be "
                         "smaller than the wall's width and z1 + z2 smaller than its height; "
                         "no distance may be negative.");
            break;
        case RoomSide::Left:
            problem = tr("The window of the Left wall does not fit on the wall: g1 + g2 must be "
                         "smaller than the wall's width and z1 + z2 smaller than its height; "
                         "no distance may be negative.");
            break;
        case RoomSide::Floor:
            problem = tr("The heated or cooled area of the Floor does not fit on the floor: g1 + g2 "
                         "must be smaller than the room's width and z1 + z2 smaller than its "
                         "depth; no distance may be negative.");
            break;
        default:
            problem = tr("The heated or cooled area of the Ceiling does not fit on the ceiling: "
                         "g1 + g2 must be smaller than the room's width and z1 + z2 smaller than "
                         "its depth; no distance may be negative.");
            break;
        }
        if (check.side >= 0 && check.side < RoomSide::Count)
            mend = surfaceRows()[check.side].g1;
        break;
    case RoomGeometryProblem::None:
        return;
    }
    if (mend && mend->isEnabled())
        mend->setFocus();
    QMessageBox::warning(this, tr("Impossible room geometry"),
                         problem + QStringLiteral("\n\n") + tr("Nothing was computed."));
}

void mrtForm::setAreaRowEnabled(int side, bool enabled)
{
    const SurfaceRow row = surfaceRows()[side];
    for (QLineEdit *field : {row.areaTemperature, row.g1, row.g2, row.z1, row.z2})
        field->setEnabled(enabled);
}

void mrtForm::on_checkBoxFW_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Front, checked);
}

void mrtForm::on_checkBoxBW_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Back, checked);
}

void mrtForm::on_checkBoxRW_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Right, checked);
}

void mrtForm::on_checkBoxLW_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Left, checked);
}

void mrtForm::on_checkBoxFloor_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Floor, checked);
}

void mrtForm::on_checkBoxCeil_toggled(bool checked)
{
    setAreaRowEnabled(RoomSide::Ceiling, checked);
}

// Standing and seated preset the height of the evaluation point [m]; the height also selects
// the posture of both methods. A preset writes its height whenever it changes state, so
// leaving it for "other" keeps its height as the start of the user's own value.
void mrtForm::on_inputRadioStand_toggled(bool checked)
{
    ui.inputZp->setText(QStringLiteral("1.0"));
    ui.inputZp->setEnabled(!checked);
}

void mrtForm::on_inputRadioSit_toggled(bool checked)
{
    ui.inputZp->setText(QStringLiteral("0.6"));
    ui.inputZp->setEnabled(!checked);
}

void mrtForm::on_inputRadioOther_toggled(bool checked)
{
    ui.inputZp->setEnabled(checked);
}

void mrtForm::on_TsurfCalcButton_clicked()
{
    if (!tsurfDialog)
        tsurfDialog = new TsurfCalcDialog(this);
    tsurfDialog->show();
    tsurfDialog->raise();
    tsurfDialog->activateWindow();
}

void mrtForm::on_checkMrtSurface_toggled(bool checked)
{
    ui.groupRadiationAsm->setEnabled(!checked);
}

// The floor temperature box decides the points: they follow it at once, in both directions, from
// the last computation; ticked before any, it computes.
void mrtForm::on_checkBoxFloorT_toggled(bool checked)
{
    if (!last) {
        if (checked)
            on_computeMRT_clicked();
        return;
    }
    RadiationInput in = last->input;
    in.floorTemperatureInRange = checked;
    last = assessRadiation(in, summerInstance);
    showOutcome();
}

void mrtForm::on_InfoBuMRT1_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuMRT1.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void mrtForm::on_InfoBuMRT2_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuMRT2.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void mrtForm::on_InfoBuMRT3_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuMRT3.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void mrtForm::on_InfoBuMRT4_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuMRT4.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}

void mrtForm::on_InfoBuMRT5_clicked()
{
    //: Help picture in this language (resources/images/).
    const QString picture = tr("InfoBuMRT5.png");
    InfoDialog::showPicture(tr("Info about ..."), picture, this);
}
