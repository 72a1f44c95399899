#include "radiant/mrtform.h"
#include "radiant/tsurfcalcdialog.h"

#include "comfort/numbertext.h"

#include "messagecatcher.h"
#include "widgetlookup.h"

#include <QtTest>

namespace {

const char *const kOutputs[] = {"outputMRT",     "outputAsmFrBk",     "outputAsmLeRt",
                                "outputAsmClFlr", "outputPdFrBk",      "outputPdLeRt",
                                "outputPdClFlr",  "outputFrBkQuality", "outputLeRtQuality",
                                "outputClFlrQuality", "RadiationPoints"};

// Area check box and the five fields of its row, one row per surface.
struct AreaRow {
    const char *box;
    const char *fields[5];
};
const AreaRow kAreaRows[] = {
    {"checkBoxFW", {"inputFWT", "inputFWinL", "inputFWinR", "inputFWinCeil", "inputFWinFloor"}},
    {"checkBoxBW", {"inputBWT", "inputBWinL", "inputBWinR", "inputBWinCeil", "inputBWinFloor"}},
    {"checkBoxRW", {"inputRWT", "inputRWinL", "inputRWinR", "inputRWinCeil", "inputRWinFloor"}},
    {"checkBoxLW", {"inputLWT", "inputLWinL", "inputLWinR", "inputLWinCeil", "inputLWinFloor"}},
    {"checkBoxFloor",
     {"inputFloorHC", "inputFloorWinL", "inputFloorWinR", "inputFloorWinCeil", "inputFloorWinFloor"}},
    {"checkBoxCeil",
     {"inputCeilHC", "inputCeilWinL", "inputCeilWinR", "inputCeilWinCeil", "inputCeilWinFloor"}},
};

void set(QWidget &form, const char *name, const QString &text)
{
    child<QLineEdit>(form, name)->setText(text);
}

QString text(QWidget &form, const char *name)
{
    return child<QLineEdit>(form, name)->text();
}

void compute(QWidget &form)
{
    QTest::mouseClick(child<QPushButton>(form, "computeMRT"), Qt::LeftButton);
}

QStringList outputs(QWidget &form)
{
    QStringList texts;
    for (const char *name : kOutputs)
        texts << text(form, name);
    return texts;
}

// Room 5 × 6 × 3 m, occupant at (2, 2.5, 1.1) m, all surfaces 20 °C, a window of 10 °C in
// the front wall, 1 m from either side, 0.5 m below the ceiling and 0.8 m above the floor.
void enterWindowExample(QWidget &form)
{
    set(form, "inputWidth", "5");
    set(form, "inputDepth", "6");
    set(form, "inputHeight", "3");
    set(form, "inputXp", "2");
    set(form, "inputYp", "2,5");   // decimal comma
    child<QRadioButton>(form, "inputRadioOther")->click();
    set(form, "inputZp", "1.1");
    child<QCheckBox>(form, "checkBoxFW")->click();
    set(form, "inputFWT", "10");
    set(form, "inputFWinL", "1");
    set(form, "inputFWinR", "1");
    set(form, "inputFWinCeil", "0.5");
    set(form, "inputFWinFloor", "0.8");
}

}

class TestMrtForm : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void slotsInTheirOrder();
    void startStateGivesUniformRoom();
    void floorBoxRecomputesOnTicking_data();
    void floorBoxRecomputesOnTicking();
    void frontWindowExample();
    void surfaceMethodKeepsVerdictsAndPoints();
    void postureTexts_data();
    void postureTexts();
    void areaRowsFollowTheirBox();
    void untickedAreaIsNeitherUsedNorJudged();
    void impossibleGeometryIsNamed_data();
    void impossibleGeometryIsNamed();
    void areaEdgeAtFootPointIsValid();
    void badFieldIsNamed_data();
    void badFieldIsNamed();
    void surfaceTemperatureDialog();
    void infoButtonsOpenPictures();
};

void TestMrtForm::init()
{
    QTest::failOnWarning(QRegularExpression("connectSlotsByName"));
}

void TestMrtForm::slotsInTheirOrder()
{
    const QStringList expected = {
        "on_computeMRT_clicked()",        "on_checkBoxFW_toggled(bool)",
        "on_checkBoxBW_toggled(bool)",    "on_checkBoxRW_toggled(bool)",
        "on_checkBoxLW_toggled(bool)",    "on_checkBoxFloor_toggled(bool)",
        "on_checkBoxCeil_toggled(bool)",  "on_inputRadioStand_toggled(bool)",
        "on_inputRadioSit_toggled(bool)", "on_inputRadioOther_toggled(bool)",
        "on_TsurfCalcButton_clicked()",   "on_checkMrtSurface_toggled(bool)",
        "on_checkBoxFloorT_toggled(bool)", "on_InfoBuMRT1_clicked()",
        "on_InfoBuMRT2_clicked()",        "on_InfoBuMRT3_clicked()",
        "on_InfoBuMRT4_clicked()",        "on_InfoBuMRT5_clicked()"};
    const QMetaObject &meta = mrtForm::staticMetaObject;
    QStringList found;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        if (meta.method(i).methodType() == QMetaMethod::Slot)
            found << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(found, expected);
}

void TestMrtForm::startStateGivesUniformRoom()
{
    mrtForm form(true, nullptr);
    QCOMPARE(text(form, "inputZp"), "0.6");
    QVERIFY(!child<QLineEdit>(form, "inputZp")->isEnabled());
    QVERIFY(child<QRadioButton>(form, "inputRadioSit")->isChecked());
    QVERIFY(child<QRadioButton>(form, "checkMrtPlane")->isChecked());
    QVERIFY(child<QGroupBox>(form, "groupRadiationAsm")->isEnabled());
    for (const AreaRow &row : kAreaRows)
        for (const char *field : row.fields)
            QVERIFY2(!child<QLineEdit>(form, field)->isEnabled(), field);
    for (const char *name : kOutputs)
        QVERIFY2(text(form, name).isEmpty(), name);

    compute(form);
    QCOMPARE(outputs(form), QStringList({"20.00", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00",
                                         "Pass", "Pass", "Pass", "0"}));
}

void TestMrtForm::floorBoxRecomputesOnTicking_data()
{
    QTest::addColumn<bool>("summerInstance");
    QTest::addColumn<QString>("points");
    QTest::newRow("summer and PMV tool") << true << "10";
    QTest::newRow("winter") << false << "20";
}

void TestMrtForm::floorBoxRecomputesOnTicking()
{
    QFETCH(bool, summerInstance);
    mrtForm form(summerInstance, nullptr);
    auto *floorBox = child<QCheckBox>(form, "checkBoxFloorT");
    floorBox->click();                      // no Compute pressed: ticking computes
    QCOMPARE(text(form, "outputMRT"), "20.00");
    QTEST(text(form, "RadiationPoints"), "points");
    floorBox->click();                      // unticking does not judge again
    QTEST(text(form, "RadiationPoints"), "points");
    compute(form);
    QCOMPARE(text(form, "RadiationPoints"), "0");
}

void TestMrtForm::frontWindowExample()
{
    mrtForm form(false, nullptr);
    enterWindowExample(form);
    child<QCheckBox>(form, "checkBoxFloorT")->click();
    QCOMPARE(outputs(form), QStringList({"19.44", "1.71", "0.23", "0.33", "0.24", "0.00", "0.00",
                                         "Pass", "Pass", "Pass", "20"}));
    // A window at -20 °C: the cool-wall PD exceeds its 1 % limit.
    set(form, "inputFWT", "-20");
    compute(form);
    QCOMPARE(text(form, "outputFrBkQuality"), "Fail");
    QCOMPARE(text(form, "RadiationPoints"), "0");
}

void TestMrtForm::surfaceMethodKeepsVerdictsAndPoints()
{
    mrtForm form(true, nullptr);
    enterWindowExample(form);
    set(form, "inputFWT", "-20");
    child<QCheckBox>(form, "checkBoxFloorT")->click();
    const QStringList plane = outputs(form);
    QCOMPARE(plane.mid(7), QStringList({"Fail", "Pass", "Pass", "0"}));

    child<QRadioButton>(form, "checkMrtSurface")->click();
    QVERIFY(!child<QGroupBox>(form, "groupRadiationAsm")->isEnabled());
    set(form, "inputFWT", "10");            // now all would pass under the plane method
    compute(form);
    const QStringList surface = outputs(form);
    QCOMPARE(surface.mid(1, 6), QStringList(6, "N.A"));
    QCOMPARE(surface.mid(7), plane.mid(7));
    double mrt = 0;
    QVERIFY(parseFieldNumber(surface.first(), mrt));
    QVERIFY(mrt > 10 && mrt < 20);
    QVERIFY(surface.first() != plane.first());

    child<QRadioButton>(form, "checkMrtPlane")->click();
    QVERIFY(child<QGroupBox>(form, "groupRadiationAsm")->isEnabled());
}

void TestMrtForm::postureTexts_data()
{
    // Steps: a radio button's object name is clicked, "=x" types x into Zp.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("zp");
    QTest::addColumn<bool>("editable");
    QTest::newRow("standing") << QStringList{"inputRadioStand"} << "1.0" << false;
    QTest::newRow("standing, then other keeps 1.0")
        << QStringList{"inputRadioStand", "inputRadioOther"} << "1.0" << true;
    QTest::newRow("seated after standing, then other keeps 0.6")
        << QStringList{"inputRadioStand", "inputRadioSit", "inputRadioOther"} << "0.6" << true;
    QTest::newRow("own height kept while other")
        << QStringList{"inputRadioOther", "=1.35"} << "1.35" << true;
    QTest::newRow("own height replaced by standing")
        << QStringList{"inputRadioOther", "=1.35", "inputRadioStand"} << "1.0" << false;
}

void TestMrtForm::postureTexts()
{
    QFETCH(QStringList, steps);
    mrtForm form(true, nullptr);
    for (const QString &step : steps) {
        if (step.startsWith('='))
            set(form, "inputZp", step.mid(1));
        else
            child<QRadioButton>(form, step.toLatin1())->click();
    }
    QTEST(text(form, "inputZp"), "zp");
    QTEST(child<QLineEdit>(form, "inputZp")->isEnabled(), "editable");
}

void TestMrtForm::areaRowsFollowTheirBox()
{
    mrtForm form(true, nullptr);
    for (const AreaRow &row : kAreaRows) {
        auto *box = child<QCheckBox>(form, row.box);
        box->click();
        for (const AreaRow &other : kAreaRows)
            for (const char *field : other.fields)
                QCOMPARE(child<QLineEdit>(form, field)->isEnabled(), &other == &row);
        for (const char *field : row.fields)
            set(form, field, "0.25");
        box->click();
        for (const char *field : row.fields) {
            QVERIFY2(!child<QLineEdit>(form, field)->isEnabled(), field);
            QCOMPARE(text(form, field), "0.25");
        }
    }
}

void TestMrtForm::untickedAreaIsNeitherUsedNorJudged()
{
    // A window too large for its wall and a field that holds no number, both in rows whose
    // box is not ticked: the room computes as a plain one.
    mrtForm form(true, nullptr);
    child<QCheckBox>(form, "checkBoxFW")->click();
    set(form, "inputFWT", "-10");
    set(form, "inputFWinL", "5");
    set(form, "inputFWinR", "5");
    child<QCheckBox>(form, "checkBoxFW")->click();
    child<QCheckBox>(form, "checkBoxCeil")->click();
    set(form, "inputCeilHC", "warm");
    child<QCheckBox>(form, "checkBoxCeil")->click();
    MessageCatcher catcher;
    compute(form);
    QCOMPARE(catcher.count, 0);
    QCOMPARE(text(form, "outputMRT"), "20.00");
    QCOMPARE(text(form, "outputPdFrBk"), "0.00");
}

void TestMrtForm::impossibleGeometryIsNamed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    const QString occupant = "The occupant must stand inside the room: "
                             "0 < Xp < Width, 0 < Yp < Depth, 0 < Zp < Height.";
    const QString window = "The window of the Front wall does not fit on the wall: g1 + g2 must be "
                           "smaller than the wall's width and z1 + z2 smaller than its height; "
                           "no distance may be negative.";
    QTest::newRow("occupant outside the room") << "inputXp" << "5.5" << occupant;
    QTest::newRow("occupant on the front wall") << "inputYp" << "0" << occupant;
    QTest::newRow("occupant on the ceiling") << "inputZp" << "3" << occupant;
    QTest::newRow("room of zero width") << "inputWidth" << "0"
                                        << "Width, Depth and Height must be greater than 0.";
    QTest::newRow("window as wide as the wall") << "inputFWinR" << "4" << window;
    QTest::newRow("window as high as the wall") << "inputFWinFloor" << "2.5" << window;
    QTest::newRow("window edge outside the wall") << "inputFWinL" << "-0.1" << window;
}

void TestMrtForm::impossibleGeometryIsNamed()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    mrtForm form(false, nullptr);
    enterWindowExample(form);                // window g1 = g2 = 1 of W = 5, z1 + z2 = 1.3 of H = 3
    compute(form);
    const QStringList before = outputs(form);
    QCOMPARE(before.first(), "19.44");

    set(form, field.toLatin1(), value);
    MessageCatcher catcher;
    compute(form);
    QCOMPARE(catcher.count, 1);
    QCOMPARE(catcher.title, "Impossible room geometry");
    QVERIFY2(catcher.text.contains(message), qPrintable(catcher.text));
    QCOMPARE(outputs(form), before);
}

void TestMrtForm::areaEdgeAtFootPointIsValid()
{
    // The window's left edge lies exactly above the occupant's foot point (g1 = Xp), and a
    // floor area's edge exactly below it: both are ordinary rooms.
    mrtForm form(false, nullptr);
    enterWindowExample(form);
    set(form, "inputFWinL", "2");
    child<QCheckBox>(form, "checkBoxFloor")->click();
    set(form, "inputFloorHC", "26");
    set(form, "inputFloorWinL", "2");
    set(form, "inputFloorWinCeil", "2.5");
    MessageCatcher catcher;
    compute(form);
    QCOMPARE(catcher.count, 0);
    for (const char *name : {"outputMRT", "outputAsmFrBk", "outputAsmClFlr", "outputPdFrBk"}) {
        double value = 0;
        QVERIFY2(parseFieldNumber(text(form, name), value), name);
    }
    double mrt = 0;
    parseFieldNumber(text(form, "outputMRT"), mrt);
    QVERIFY(mrt > 10 && mrt < 26);
}

void TestMrtForm::badFieldIsNamed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named");
    QTest::newRow("room height") << "inputHeight" << "drei" << "Height (H): \"drei\"";
    QTest::newRow("wall temperature") << "inputRT" << "" << "Right: Temperature [°C]: empty";
    QTest::newRow("window temperature") << "inputFWT" << "10 °C"
                                        << "Front cold/hot area: Temperature [°C]: \"10 °C\"";
    QTest::newRow("window edge") << "inputFWinCeil" << "0.5.1" << "Front cold/hot area: z1: \"0.5.1\"";
}

void TestMrtForm::badFieldIsNamed()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    mrtForm form(true, nullptr);
    enterWindowExample(form);
    compute(form);
    const QStringList before = outputs(form);
    set(form, field.toLatin1(), value);
    MessageCatcher catcher;
    compute(form);
    QCOMPARE(catcher.count, 1);
    QFETCH(QString, named);
    QVERIFY2(catcher.text.contains(named), qPrintable(catcher.text));
    QCOMPARE(outputs(form), before);
    QCOMPARE(text(form, field.toLatin1()), value);   // what the user typed stays
}

void TestMrtForm::surfaceTemperatureDialog()
{
    mrtForm form(true, nullptr);
    auto *open = child<QPushButton>(form, "TsurfCalcButton");
    QTest::mouseClick(open, Qt::LeftButton);
    const QList<TsurfCalcDialog *> dialogs = form.findChildren<TsurfCalcDialog *>();
    QCOMPARE(dialogs.size(), 1);
    TsurfCalcDialog *dialog = dialogs.first();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), "Tsurf Calculator");

    // 20 - 25 × 0.13 × 1.3 = 15.775, just below the half in double precision.
    QTest::mouseClick(child<QPushButton>(*dialog, "computeSurfaceT"), Qt::LeftButton);
    QCOMPARE(text(*dialog, "outputTs"), "15.77");
    set(*dialog, "inputTsUval", "0,7");
    QTest::mouseClick(child<QPushButton>(*dialog, "computeSurfaceT"), Qt::LeftButton);
    QCOMPARE(text(*dialog, "outputTs"), "17.73");

    set(*dialog, "inputTsTout", "");
    {
        MessageCatcher catcher;
        QTest::mouseClick(child<QPushButton>(*dialog, "computeSurfaceT"), Qt::LeftButton);
        QCOMPARE(catcher.count, 1);
        QVERIFY2(catcher.text.contains("Outdoor Temperature, [°C]: empty"), qPrintable(catcher.text));
        QCOMPARE(text(*dialog, "outputTs"), "17.73");
    }

    child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!dialog->isVisible());
    QTest::mouseClick(open, Qt::LeftButton);           // the same dialog with its entries
    QCOMPARE(form.findChildren<TsurfCalcDialog *>().size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(text(*dialog, "inputTsUval"), "0,7");
}

void TestMrtForm::infoButtonsOpenPictures()
{
    mrtForm form(true, nullptr);
    for (const char *name : {"InfoBuMRT1", "InfoBuMRT2", "InfoBuMRT3", "InfoBuMRT4", "InfoBuMRT5"}) {
        const int before = form.findChildren<QDialog *>().size();
        QTest::mouseClick(child<QPushButton>(form, name), Qt::LeftButton);
        const QList<QDialog *> dialogs = form.findChildren<QDialog *>();
        QCOMPARE(dialogs.size(), before + 1);
        QVERIFY(!dialogs.last()->isModal());
        QCOMPARE(dialogs.last()->windowTitle(), "Info about ...");
        auto *picture = dialogs.last()->findChild<QLabel *>();
        QVERIFY2(picture && !picture->pixmap().isNull(), name);
    }
}

QTEST_MAIN(TestMrtForm)
#include "tst_mrtform.moc"
