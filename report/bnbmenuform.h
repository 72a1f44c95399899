// The BNB assessment window: the data page, the result pages, the draft page, the
// radiation pages and the humidity pages in nested tabs. It computes nothing itself
// but the humidity: it carries the results of the data page's Compute into the winter
// and summer pages, runs the humidity calculation on the data page's series, and
// gathers what the pages show for the report. Kept by the main window for the session;
// its work is unsaved once a field was edited or the data page's table holds data
// (ToolPage::hasUnsavedWork).
#pragma once

#include "app/toolpage.h"
#include "report/xmlreport.h"
#include "ui_bnbmenuform.h"

class QIODevice;
class QTabWidget;
class QXmlStreamWriter;
class bnbForm;
class draftForm;
class humidityAssmtForm;
class humidityForm;
class mrtForm;
class summerBNBForm;
class winterBNBForm;

class bnbMenuForm : public ToolPage
{
    Q_OBJECT

public:
    explicit bnbMenuForm(QWidget *parent);

    // Titles and captions of the report in the window's language.
    static QString reportText(const char *source);

private slots:
    // Shows the summer page again when the DIN compliance box becomes checked.
    void recompute(bool v);
    void winterUpdate();
    void summerUpdate();
    // The summer page's charts from the series of the data page's Compute.
    void summerChartsUpdate();
    // Before the data page has computed, a message asks for that and nothing happens.
    void humidityUpdate();
    // The report: the ticked chapters as XML with the stylesheet beside it.
    void exportBNB();
    void bnbExportXMLRow(int nr, QString title, vstring &row_items, QXmlStreamWriter &xml_stream, int sp);
    void bnbExportXMLRow(int nr, QString title, vstring &row_items, QXmlStreamWriter &xml_stream);
    // One chapter each: gathered from its page, then written; a page without
    // results shows the Export Error box.
    void exportWinterOperativeTemperature(QXmlStreamWriter &xml_stream);
    void exportWinterDraft(QXmlStreamWriter &xml_stream);
    void exportWinterMRT(QXmlStreamWriter &xml_stream);
    void exportWinterHumidity(QXmlStreamWriter &xml_stream);
    void exportSummerOperativeTemperature(QXmlStreamWriter &xml_stream);
    void exportSummerDraft(QXmlStreamWriter &xml_stream);
    void exportSummerMRT(QXmlStreamWriter &xml_stream);
    void exportSummerHumidity(QXmlStreamWriter &xml_stream);

public slots:
    // What the pages show, per criterion, appended to the caller's lists (never cleared).
    // false at the first missing table cell or required field; the lists then hold what
    // was appended before it.
    bool getSummerOperativeTemperatureAssessment(vstring &model_selection, vstring &operation_time,
                                                 vstring &operative_temperature_distribution,
                                                 vstring &times_niveau, vstring &points_discrete);
    bool getSummerDraftAssessment(vstring &mechanical_ventilation, vstring &window_ventilation,
                                  vstring &boundary_conditions, vstring &draft_rate,
                                  vstring &points_interpolated);
    bool getMRTAssessment(mrtForm *mrt, lvstring &position, lvstring &boundary_conditions,
                          lvstring &results, vstring &points_discrete);
    bool getSummerHumidityAssessment(vstring &boundary_conditions_1, vstring &boundary_conditions_2,
                                     vstring &distribution_AH, vstring &times_upper_limit,
                                     vstring &times_lower_limit, vstring &points_discrete);
    bool getWinterOperativeTemperatureAssessment(vstring &operative_temperature_distribution,
                                                 vstring &times_niveau, vstring &points_discrete);
    bool getWinterDraftAssessment(vstring &mechanical_ventilation, vstring &window_ventilation,
                                  vstring &boundary_conditions, vstring &draft_rate,
                                  vstring &points_interpolated);
    bool getWinterHumidityAssessment(vstring &boundary_conditions_1, vstring &boundary_conditions_2,
                                     vstring &distribution_AH, vstring &times_upper_limit,
                                     vstring &times_lower_limit, vstring &points_discrete);

private slots:
    // The same report laid out by the shipped stylesheet, as a PDF on A4.
    void exportPDF();

protected:
    // The report's file name, asked with the desktop's save dialog; empty when
    // the user cancels. Tests replace it to choose a file without a modal dialog.
    virtual QString askReportFileName(const QString &caption, const QString &filter);

private:
    // The Export Error box: true gives the chapter up (Abort also unticks the
    // box of the chapter code), false gathers again (Retry).
    bool exportErrorDialog(const QString &message, int chapter);
    template<typename Lists, typename Gather>
    void exportChapter(QXmlStreamWriter &xml, Gather gather, const QString &message, int chapter,
                       void (*write)(QXmlStreamWriter &, const Lists &, const ReportTranslator &));
    // Declaration, stylesheet instruction and the ticked chapters in their order.
    void writeReport(QIODevice *device);
    void showWriteError(const QString &fileName, const QString &reason);
    // Data interval [h] as typed on the data page; 0 when it holds no number.
    double dataInterval() const;
    // One season of the draft page ("w_" or "s_" widgets) and of the humidity pages.
    bool draftAssessment(const char *season, const char *pointsField, vstring &mechanical,
                         vstring &window, vstring &conditions, vstring &draftRate, vstring &points);
    bool humidityAssessment(bool summer, vstring &conditions1, vstring &conditions2,
                            vstring &distribution, vstring &upper, vstring &lower, vstring &points);

    Ui::bnbMenuForm ui;
    bnbForm *bnb;
    winterBNBForm *winterPage;
    summerBNBForm *summerPage;
    humidityForm *humidityCalc;
    humidityAssmtForm *humiditySummer;
    humidityAssmtForm *humidityWinter;
    mrtForm *mrtSummer;
    mrtForm *mrtWinter;
    draftForm *draft;
    QTabWidget *outerTabs;
    QTabWidget *operativeTabs;
    QTabWidget *radiationTabs;
    QTabWidget *humidityTabs;
};
