// The BNB assessment window: the data page, the result pages, the draft page, the radiation pages
// and the humidity pages in nested tabs. It carries the results of the data page's Compute into
// the winter and summer pages, runs the humidity calculation on the data page's series, saves and
// opens room files, and writes the report from what the pages computed (report/assessmenttexts.h,
// the same texts as a report of the core). Kept by the main window for the session.
#pragma once

#include "app/toolpage.h"
#include "report/roomassessment.h"
#include "report/xmlreport.h"
#include "ui_bnbmenuform.h"

#include <QWidget>

#include <optional>

class QAction;
class QIODevice;
class QMenu;
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

    // The room file shown ("office_room.json"), empty for a room never saved; fields, table or
    // results changed since the room was last saved or opened.
    QString roomFileName() const { return roomFile; }
    bool hasUnsavedWork() const override { return modified; }
    // Asks whether to save unsaved work: false when the user cancels (or saving failed).
    bool maybeSave();

public slots:
    // Fills every field from the room file, reads its year data and computes every page. A file
    // that cannot be used is named with what is wrong, and the window keeps what it showed.
    bool openRoom(const QString &fileName);
    // Writes the room through QSaveFile; false after a message naming the file and the reason.
    bool saveRoomAs(const QString &fileName);

signals:
    // The room file's name or its modified state changed: a title for the main window,
    // "office_room.json*" (empty for a new room without changes).
    void roomTitleChanged(const QString &title);

private slots:
    // Shows the summer page again when the DIN compliance box changes.
    void recompute(bool v);
    void winterUpdate();
    void summerUpdate();
    // The summer page's charts from the series of the data page's Compute.
    void summerChartsUpdate();
    // Before the data page has computed, a message asks for that and nothing happens.
    void humidityUpdate();
    // The report: the ticked chapters as XML with the stylesheet beside it.
    void exportBNB();
    // One chapter each: written from the page's last results; a page without results shows the
    // Export Error box.
    void exportWinterOperativeTemperature(QXmlStreamWriter &xml_stream);
    void exportWinterDraft(QXmlStreamWriter &xml_stream);
    void exportWinterMRT(QXmlStreamWriter &xml_stream);
    void exportWinterHumidity(QXmlStreamWriter &xml_stream);
    void exportSummerOperativeTemperature(QXmlStreamWriter &xml_stream);
    void exportSummerDraft(QXmlStreamWriter &xml_stream);
    void exportSummerMRT(QXmlStreamWriter &xml_stream);
    void exportSummerHumidity(QXmlStreamWriter &xml_stream);

public slots:
    // What the pages show, per criterion, appended to the caller's lists (never cleared); false
    // when the page has no results (nothing is appended then).
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
    void openRoomClicked();
    void saveRoomClicked();
    void markModified();

protected:
    // The file names of the report, of a room to open and of a room to save, asked with the
    // desktop's dialogs; empty when the user cancels. Tests replace them to choose a file
    // without a modal dialog.
    virtual QString askReportFileName(const QString &caption, const QString &filter);
    virtual QString askRoomFileName(bool save);

private:
    // The Export Error box: true gives the chapter up (Abort also unticks the box of the chapter
    // code), false gathers again (Retry).
    bool exportErrorDialog(const QString &message, int chapter);
    // The chapter's rows from the pages' last results, for the report and the gathering slots.
    std::optional<ReportRows> chapterRowsShown(ReportChapter chapter) const;
    bool appendChapter(ReportChapter chapter, std::initializer_list<vstring *> lists) const;
    bool appendHumidity(Season season, vstring &conditions1, vstring &conditions2, vstring &distribution,
                        vstring &upper, vstring &lower, vstring &points) const;
    void exportChapter(QXmlStreamWriter &xml, ReportChapter chapter);
    // Declaration, stylesheet instruction and the ticked chapters in their order.
    void writeReport(QIODevice *device);
    void showWriteError(const QString &fileName, const QString &reason);
    void showHumidity();
    void setModified(bool on);
    // The room of the window's fields now; false after a message naming what keeps it from
    // being a room file (a field without a number, a value outside its range).
    bool currentRoom(Room &room);
    // Save Room…: the room file's name asked, the table's year written beside it when it comes
    // from no file; false when cancelled or failed.
    bool saveRoom();
    void updateRecentRooms(const QString &added);

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
    QMenu *recentMenu;
    std::optional<HumidityOutcome> humidity;   // of the last humidity Compute
    QString roomFile;
    bool modified = false;
    bool loading = false;   // filling the fields from a room file: no change of the user's
};
