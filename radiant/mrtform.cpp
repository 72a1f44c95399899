#include "radiant/mrtform.h"

#include "app/fieldreader.h"
#include "comfort/numbertext.h"
#include "comfort/trace.h"
#include "help/infodialog.h"
#include "radiant/asymmetry.h"
#include "radiant/mrt.h"
#include "radiant/tsurfcalcdialog.h"

#include <QMessageBox>

mrtForm::mrtForm(bool summerInstance, QWidget *parent)
    : QWidget(parent)
    , summerInstance(summerInstance)
{
    ui.setupUi(this);
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

// Only the fields the computation uses are read: an unticked area's row is disabled and
// neither used nor judged.
void mrtForm::on_computeMRT_clicked()
{
    const std::array<SurfaceRow, 6> rows = surfaceRows();
    for (int side = 0; side < RoomSide::Count; ++side)
        areaTicked[side] = rows[side].hasArea->isChecked();

    FieldReader in(this);
    RoomRadiantInput room;
    const QString wallColumn = FieldReader::fieldName(ui.labelWallTemperature->text());
    const QString areaColumn = FieldReader::fieldName(ui.labelAreaTemperature->text());
    for (int side = 0; side < RoomSide::Count; ++side) {
        const SurfaceRow &row = rows[side];
        const QString surface = FieldReader::fieldName(row.name->text());
        RoomSurfaceInput &s = room.surface[side];
        s.T = in.number(row.temperature, tr("%1: %2").arg(surface, wallColumn),
                        kPhysicalTemperature);
        s.hasArea = areaTicked[side];
        if (s.hasArea)
            s.Tarea = in.number(row.areaTemperature, tr("%1 cold/hot area: %2").arg(surface, areaColumn),
                                kPhysicalTemperature);
    }
    room.W = in.number(ui.inputWidth, ui.labelWidth);
    room.D = in.number(ui.inputDepth, ui.labelDepth);
    room.H = in.number(ui.inputHeight, ui.labelHeight);
    room.Xp = in.number(ui.inputXp, ui.labelXp);
    room.Yp = in.number(ui.inputYp, ui.labelYp);
    room.Zp = in.number(ui.inputZp, ui.labelZp);
    for (int side : {RoomSide::Front, RoomSide::Back, RoomSide::Left, RoomSide::Right,
                     RoomSide::Floor, RoomSide::Ceiling}) {
        if (!areaTicked[side])
            continue;
        const SurfaceRow &row = rows[side];
        const QString area = tr("%1 cold/hot area: %2").arg(FieldReader::fieldName(row.name->text()));
        RoomSurfaceInput &s = room.surface[side];
        s.g1 = in.number(row.g1, area.arg(ui.labelG1->text()));
        s.g2 = in.number(row.g2, area.arg(ui.labelG2->text()));
        s.z1 = in.number(row.z1, area.arg(ui.labelZ1->text()));
        s.z2 = in.number(row.z2, area.arg(ui.labelZ2->text()));
    }
    const bool fieldsOk = in.ok();   // names the bad fields
    const RoomGeometryCheck geometry = fieldsOk ? checkRoomGeometry(room) : RoomGeometryCheck();
    if (!fieldsOk || geometry.problem != RoomGeometryProblem::None) {
        // Refused: no earlier result may stand beside the new inputs.
        for (QLineEdit *field : resultFields())
            field->clear();
        reportGeometry(geometry);
        return;
    }

    double mrt = 0.0;
    if (ui.checkMrtPlane->isChecked()) {
        std::array<double, RoomSide::Count> trSpc{};
        AsymmetryResult asymmetry;
        mrt = computeMrtPlane(room, trSpc, asymmetry);
        ui.outputAsmFrBk->setText(formatFixed(asymmetry.dtFrontBack));
        ui.outputAsmLeRt->setText(formatFixed(asymmetry.dtLeftRight));
        ui.outputAsmClFlr->setText(formatFixed(asymmetry.dtFloorCeiling));
        ui.outputPdFrBk->setText(formatFixed(asymmetry.pdFrontBack));
        ui.outputPdLeRt->setText(formatFixed(asymmetry.pdLeftRight));
        ui.outputPdClFlr->setText(formatFixed(asymmetry.pdFloorCeiling));
        const AsymmetryVerdicts verdicts = judgeAsymmetry(asymmetry, room);
        const auto verdict = [](bool pass) { return pass ? tr("Pass") : tr("Fail"); };
        ui.outputFrBkQuality->setText(verdict(verdicts.frontBack));
        ui.outputLeRtQuality->setText(verdict(verdicts.leftRight));
        ui.outputClFlrQuality->setText(verdict(verdicts.floorCeiling));
        ui.RadiationPoints->setText(QString::number(
            radiationPoints(verdicts, ui.checkBoxFloorT->isChecked(), summerInstance)));
    } else {
        // The surface method gives no asymmetry; verdicts and points stay as they were.
        mrt = computeMrtSurface(room);
        for (QLineEdit *field : resultFields().mid(1, 6))
            field->setText(tr("N.A"));
    }
    traceLine(QStringLiteral(" Recv MRT "));
    ui.outputMRT->setText(formatFixed(mrt));
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

// The floor temperature box decides the points: ticking it judges again at once.
void mrtForm::on_checkBoxFloorT_toggled(bool checked)
{
    if (checked)
        on_computeMRT_clicked();
}

void mrtForm::on_InfoBuMRT1_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuMRT1.png"), this);
}

void mrtForm::on_InfoBuMRT2_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuMRT2.png"), this);
}

void mrtForm::on_InfoBuMRT3_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuMRT3.png"), this);
}

void mrtForm::on_InfoBuMRT4_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuMRT4.png"), this);
}

void mrtForm::on_InfoBuMRT5_clicked()
{
    InfoDialog::showPicture(tr("Info about ..."), QStringLiteral("InfoBuMRT5.png"), this);
}
