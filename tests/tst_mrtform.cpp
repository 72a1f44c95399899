#include "radiant/mrtform.h"
#include "radiant/mrt.h"
#include "radiant/tsurfcalcdialog.h"

#include "comfort/numbertext.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

const QStringList kOutputs = {"outputMRT", "outputAsmFrBk", "outputAsmLeRt", "outputAsmClFlr", "outputPdFrBk", "outputPdLeRt",
                              "outputPdClFlr", "outputFrBkQuality", "outputLeRtQuality", "outputClFlrQuality", "RadiationPoints"};

// Each surface's area check box and the five fields of its row.
const QStringList kAreaRows = {"FW FWT FWinL FWinR FWinCeil FWinFloor", "BW BWT BWinL BWinR BWinCeil BWinFloor",
                               "RW RWT RWinL RWinR RWinCeil RWinFloor", "LW LWT LWinL LWinR LWinCeil LWinFloor",
                               "Floor FloorHC FloorWinL FloorWinR FloorWinCeil FloorWinFloor",
                               "Ceil CeilHC CeilWinL CeilWinR CeilWinCeil CeilWinFloor"};

QStringList areaFields(const QString &row)
{
    QStringList fields = row.split(' ').mid(1);
    for (QString &field : fields)
        field.prepend("input");
    return fields;
}

// MRT, three asymmetries, three PDs, three verdicts and the points, space-separated.
QString outputs(QWidget &form)
{
    return texts(form, kOutputs);
}

// Room 5 × 6 × 3 m, occupant at (2, 2.5, 1.1) m, all surfaces 20 °C, a window of 10 °C in
// the front wall, 1 m from either side, 0.5 m below the ceiling and 0.8 m above the floor.
void enterWindowExample(QWidget &form)
{
    const QStringList entries = {"inputWidth=5", "inputDepth=6", "inputHeight=3", "inputXp=2",
                                 "inputYp=2,5", "inputZp=1.1",  "inputFWT=10",   "inputFWinL=1",
                                 "inputFWinR=1", "inputFWinCeil=0.5", "inputFWinFloor=0.8"};
    click(form, "inputRadioOther");
    click(form, "checkBoxFW");
    enter(form, entries);
}

}

class TestMrtForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { QTest::failOnWarning(QRegularExpression("connectSlotsByName")); }
    void startStateAndUntickedAreas();
    void floorBoxRecomputesOnTicking();
    void surfaceMethodKeepsVerdictsAndPoints();
    void postureTexts();
    void areaRowsFollowTheirBox();
    void eachSurfaceItsOwnTemperature();
    void badInputIsNamedAndOutputsCleared_data();
    void badInputIsNamedAndOutputsCleared();
    void surfaceTemperatureDialog();
    void infoButtonsOpenPictures();
};

void TestMrtForm::startStateAndUntickedAreas()
{
    mrtForm form(true, nullptr);
    QCOMPARE(text(form, "inputZp"), "0.6");
    QVERIFY(!enabled(form, "inputZp"));
    QVERIFY(child<QRadioButton>(form, "inputRadioSit")->isChecked());
    QVERIFY(child<QRadioButton>(form, "checkMrtPlane")->isChecked());
    for (const QString &row : kAreaRows)
        for (const QString &field : areaFields(row))
            QVERIFY2(!enabled(form, field), qPrintable(field));
    QCOMPARE(outputs(form), QString(10, ' '));
    // A window too large for its wall and a field that holds no number, both in rows whose
    // box is not ticked: neither used nor judged, the room computes as a plain one.
    click(form, "checkBoxFW");
    enter(form, {"inputFWT=-10", "inputFWinL=5", "inputFWinR=5"});
    click(form, "checkBoxFW");
    click(form, "checkBoxCeil");
    setText(form, "inputCeilHC", "warm");
    click(form, "checkBoxCeil");
    MessageCatcher catcher;
    click(form, "computeMRT");
    QCOMPARE(catcher.count, 0);
    QCOMPARE(outputs(form), "20.00 0.00 0.00 0.00 0.00 0.00 0.00 Pass Pass Pass 0");
}

void TestMrtForm::floorBoxRecomputesOnTicking()
{
    mrtForm summer(true, nullptr);   // also the PMV tool's instance
    click(summer, "checkBoxFloorT");  // no Compute pressed: ticking computes
    QCOMPARE(outputs(summer), "20.00 0.00 0.00 0.00 0.00 0.00 0.00 Pass Pass Pass 10");
    click(summer, "checkBoxFloorT");  // unticking does not judge again
    QCOMPARE(text(summer, "RadiationPoints"), "10");
    click(summer, "computeMRT");
    QCOMPARE(text(summer, "RadiationPoints"), "0");
    mrtForm winter(false, nullptr);
    enterWindowExample(winter);
    click(winter, "checkBoxFloorT");
    QCOMPARE(outputs(winter), "19.44 1.71 0.23 0.33 0.24 0.00 0.00 Pass Pass Pass 20");
}

void TestMrtForm::surfaceMethodKeepsVerdictsAndPoints()
{
    mrtForm form(true, nullptr);
    enterWindowExample(form);
    setText(form, "inputFWT", "-20");   // the cool-wall PD exceeds its 1 % limit
    click(form, "checkBoxFloorT");
    const QString plane = outputs(form);
    QCOMPARE(plane.section(' ', 7), "Fail Pass Pass 0");
    click(form, "checkMrtSurface");
    QVERIFY(!enabled(form, "groupRadiationAsm"));
    setText(form, "inputFWT", "10");   // now all would pass under the plane method
    click(form, "computeMRT");
    const QString surface = outputs(form);
    QCOMPARE(surface.section(' ', 1), "N.A N.A N.A N.A N.A N.A " + plane.section(' ', 7));
    double mrt = 0;
    QVERIFY(parseFieldNumber(surface.section(' ', 0, 0), mrt) && mrt > 10 && mrt < 20);
    QVERIFY(surface.section(' ', 0, 0) != plane.section(' ', 0, 0));
    click(form, "checkMrtPlane");
    QVERIFY(enabled(form, "groupRadiationAsm"));
}

void TestMrtForm::postureTexts()
{
    // Standing and seated write their height; "other" keeps it and lets the user type.
    mrtForm form(true, nullptr);
    const QStringList steps = {"inputRadioStand 1.0 0", "inputRadioOther 1.0 1", "=1.35 1.35 1",
                               "inputRadioSit 0.6 0", "inputRadioOther 0.6 1", "inputRadioStand 1.0 0"};
    for (const QString &step : steps) {
        if (step.startsWith('='))
            setText(form, "inputZp", step.section(' ', 0, 0).mid(1));
        else
            click(form, step.section(' ', 0, 0));
        QVERIFY2(text(form, "inputZp") == step.section(' ', 1, 1), qPrintable(step));
        QVERIFY2(enabled(form, "inputZp") == (step.section(' ', 2) == "1"), qPrintable(step));
    }
}

void TestMrtForm::areaRowsFollowTheirBox()
{
    mrtForm form(true, nullptr);
    for (const QString &row : kAreaRows) {
        const QString box = "checkBox" + row.section(' ', 0, 0);
        click(form, box);
        for (const QString &other : kAreaRows)
            for (const QString &field : areaFields(other))
                QVERIFY2(enabled(form, field) == (other == row), qPrintable(field));
        for (const QString &field : areaFields(row))
            setText(form, field, "0.25");
        click(form, box);
        for (const QString &field : areaFields(row))
            QVERIFY2(!enabled(form, field) && text(form, field) == "0.25", qPrintable(field));
    }
}

void TestMrtForm::eachSurfaceItsOwnTemperature()
{
    // Six wall temperatures and an area in four surfaces, every one different, so that a
    // field read into the wrong surface (left for right, front for back, g1 for g2) moves
    // the results. The front window's left edge lies exactly above the occupant's foot
    // point (g1 = Xp) and the floor area's edge exactly below it: both are ordinary rooms.
    // Expected: the core functions on the room written out here.
    mrtForm form(false, nullptr);
    enterWindowExample(form);
    enter(form, {"inputFT=19", "inputBT=21", "inputRT=22", "inputLT=24", "inputFloorT=23", "inputCeilT=25",
                 "inputFWinL=2"});
    for (const char *box : {"checkBoxRW", "checkBoxFloor", "checkBoxCeil"})
        click(form, box);
    enter(form, {"inputRWT=14", "inputRWinL=0.5", "inputRWinR=3.5", "inputRWinCeil=0.4", "inputRWinFloor=1",
                 "inputFloorHC=28", "inputFloorWinL=2", "inputFloorWinR=0.5", "inputFloorWinCeil=2.5", "inputFloorWinFloor=1",
                 "inputCeilHC=17", "inputCeilWinL=0.3", "inputCeilWinR=2.2", "inputCeilWinCeil=0.6", "inputCeilWinFloor=3.1"});
    RoomRadiantInput r;
    r.W = 5, r.D = 6, r.H = 3, r.Xp = 2, r.Yp = 2.5, r.Zp = 1.1;
    const double T[6] = {19, 21, 22, 24, 23, 25};   // front, back, right, left, floor, ceiling
    for (int side = 0; side < 6; ++side)
        r.surface[side].T = T[side];
    r.surface[RoomSide::Front] = {19, 10, true, 2, 1, 0.5, 0.8};
    r.surface[RoomSide::Right] = {22, 14, true, 0.5, 3.5, 0.4, 1};
    r.surface[RoomSide::Floor] = {23, 28, true, 2, 0.5, 2.5, 1};
    r.surface[RoomSide::Ceiling] = {25, 17, true, 0.3, 2.2, 0.6, 3.1};
    std::array<double, 6> tr;
    AsymmetryResult a;
    QStringList expected{formatFixed(computeMrtPlane(r, tr, a))};
    for (double v : {a.dtFrontBack, a.dtLeftRight, a.dtFloorCeiling, a.pdFrontBack, a.pdLeftRight, a.pdFloorCeiling})
        expected << formatFixed(v);
    MessageCatcher catcher;
    click(form, "computeMRT");
    QCOMPARE(catcher.count, 0);
    QCOMPARE(outputs(form).section(' ', 0, 6), expected.join(' '));
    click(form, "checkMrtSurface");
    click(form, "computeMRT");
    QCOMPARE(text(form, "outputMRT"), formatFixed(computeMrtSurface(r)));
}

void TestMrtForm::badInputIsNamedAndOutputsCleared_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString geometry = "Impossible room geometry";
    const QString occupant = "The occupant must stand inside the room: "
                             "0 < Xp < Width, 0 < Yp < Depth, 0 < Zp < Height.";
    const QString window = "The window of the Front wall does not fit on the wall: g1 + g2 must be "
                           "smaller than the wall's width and z1 + z2 smaller than its height; "
                           "no distance may be negative.";
    // The window example: g1 = g2 = 1 of W = 5, z1 + z2 = 1.3 of H = 3.
    QTest::newRow("occupant on the front wall") << "inputYp" << "0" << geometry << occupant;
    QTest::newRow("room of zero width") << "inputWidth" << "0" << geometry
                                        << "Width, Depth and Height must be greater than 0.";
    QTest::newRow("window as wide as the wall") << "inputFWinR" << "4" << geometry << window;
    QTest::newRow("window edge outside the wall") << "inputFWinL" << "-0.1" << geometry << window;
    QTest::newRow("room height a word") << "inputHeight" << "drei" << QString() << "Height (H): \"drei\"";
    QTest::newRow("empty wall temperature") << "inputRT" << "" << QString() << "Right: Temperature [°C]: empty";
    QTest::newRow("window below absolute zero") << "inputFWT" << "-274" << QString()
        << "Front cold/hot area: Temperature [°C]: -274 lies outside the allowed range ≥ -273.15";
}

void TestMrtForm::badInputIsNamedAndOutputsCleared()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, title);
    QFETCH(QString, message);
    mrtForm form(false, nullptr);
    enterWindowExample(form);
    click(form, "computeMRT");
    QVERIFY(outputs(form).startsWith("19.44 "));
    setText(form, field, value);
    MessageCatcher catcher;
    click(form, "computeMRT");
    QCOMPARE(catcher.count, 1);
    QVERIFY(title.isEmpty() || catcher.title == title);
    QVERIFY2(catcher.text.contains(message), qPrintable(catcher.text));
    QCOMPARE(outputs(form), QString(10, ' '));   // no old result beside the new inputs
    QCOMPARE(text(form, field), value);   // what the user typed stays
}

void TestMrtForm::surfaceTemperatureDialog()
{
    mrtForm form(true, nullptr);
    click(form, "TsurfCalcButton");
    QCOMPARE(form.findChildren<TsurfCalcDialog *>().size(), 1);
    TsurfCalcDialog *dialog = form.findChild<TsurfCalcDialog *>();
    QVERIFY(dialog->isVisible() && !dialog->isModal());
    // 20 - 25 × 0.13 × 1.3 = 15.775, just below the half in double precision.
    click(*dialog, "computeSurfaceT");
    QCOMPARE(text(*dialog, "outputTs"), "15.77");
    setText(*dialog, "inputTsUval", "0,7");
    click(*dialog, "computeSurfaceT");
    QCOMPARE(text(*dialog, "outputTs"), "17.73");
    setText(*dialog, "inputTsRsi", "-0.13");
    MessageCatcher catcher;
    click(*dialog, "computeSurfaceT");
    QVERIFY2(catcher.text.contains("-0.13 lies outside the allowed range ≥ 0"), qPrintable(catcher.text));
    QCOMPARE(text(*dialog, "outputTs"), "");
    child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog->isVisible());
    click(form, "TsurfCalcButton");   // the same dialog with its entries
    QCOMPARE(form.findChildren<TsurfCalcDialog *>(), QList<TsurfCalcDialog *>{dialog});
    QVERIFY(dialog->isVisible());
    QCOMPARE(text(*dialog, "inputTsUval"), "0,7");
}

void TestMrtForm::infoButtonsOpenPictures()
{
    mrtForm form(true, nullptr);
    for (const char *name : {"InfoBuMRT1", "InfoBuMRT2", "InfoBuMRT3", "InfoBuMRT4", "InfoBuMRT5"}) {
        const int before = form.findChildren<QDialog *>().size();
        click(form, name);
        const QList<QDialog *> dialogs = form.findChildren<QDialog *>();
        QCOMPARE(dialogs.size(), before + 1);
        auto *picture = dialogs.last()->findChild<QLabel *>();
        QVERIFY2(!dialogs.last()->isModal() && picture && !picture->pixmap().isNull(), name);
    }
}

QTEST_MAIN(TestMrtForm)
#include "tst_mrtform.moc"
