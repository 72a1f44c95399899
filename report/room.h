// One room of a BNB thermal-comfort assessment: every input of the assessment window, as a room
// file holds it (report/roomfile.h) and as the whole assessment takes it (report/roomassessment.h).
// Defaults are those of the window's fields.
#pragma once

#include "assessment/humidity.h"
#include "assessment/operativetemperature.h"
#include "comfort/numbertext.h"
#include "comfort/translator.h"
#include "radiant/mrt.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

// Index of the winter and summer variants of a criterion.
enum Season : int { Winter = 0, Summer = 1 };

enum class ColumnSeparator { Semicolon, Comma, Space, Tab };
// ";", ",", " ", "\t".
QString separatorText(ColumnSeparator s);

// The year data file and how to read it (the data page's import fields).
struct YearDataInput {
    QString file;   // as the room file names it: relative to the room file's folder
    ColumnSeparator separator = ColumnSeparator::Semicolon;
    int headerLines = 1;
};

// The data page: time axis, working time and summer model.
struct DataPageInput {
    double interval = 1.0;      // data interval [h]
    CalendarDate startDate;     // of the first record, 01.01.2011
    int startHour = 0;          // [h], a whole hour
    int firstWeekday = 1;       // weekday of the first record, 1 = Sunday ... 7 = Saturday
    int workFrom = 8;           // working time [h], whole hours: a record at hour h works when
    int workTo = 18;            //   workFrom <= h <= workTo - interval
    bool withWeekends = false;
    SummerModel model = SummerModel::Fixed26;
    SummerRegion region = SummerRegion::A;   // DIN 4108-2 summer climate region
    double alpha = 0.8;         // weight of the running mean outdoor temperature, 0 <= α < 1
    bool dinCompliance = false; // the summer page's "DIN 4108 -2: Compliance" box
};

// One season of the draught page. Without mechanical ventilation nothing is computed.
struct DraughtInput {
    bool mechanical = false;
    bool window = true;
    std::optional<double> airTemperature;   // [°C]; empty: not entered
    std::optional<double> airVelocity;      // mean air velocity [m/s]
    std::optional<double> turbulence;       // turbulence intensity [%]
};

enum class Posture { Standing, Seated, Other };
enum class MrtMethod { Plane, Surface };
// The evaluation point's height of the standing and seated presets [m].
constexpr double kStandingHeight = 1.0;
constexpr double kSeatedHeight = 0.6;

// One radiation page (an MRT page): room, occupant and surfaces, method and the floor
// temperature box. The room's Zp follows the posture unless it is Other.
struct RadiationInput {
    RoomRadiantInput room;
    Posture posture = Posture::Seated;
    MrtMethod method = MrtMethod::Plane;
    bool floorTemperatureInRange = false;   // " 19 °C =< Floor Temperature =< 29 °C"
};
// 6 × 6 × 3 m, occupant seated at (3, 1), every surface 20 °C, no area ticked (areas 0).
RadiationInput defaultRadiationInput();

// The humidity calculator's fields; the spring/autumn values are not asked for ("-") unless given.
struct HumidityInput {
    HumidityParameters parameters;              // its spring fields are taken from below
    std::optional<double> springAirChange;      // [1/h]
    std::optional<double> springRecovery;       // [-]
    // The balance's parameters with the spring values not given as 0.
    HumidityParameters balanceParameters() const;
};

// The report's chapters in the order of the report.
enum class ReportChapter : int {
    WinterOperativeTemperature, WinterDraught, WinterRadiation, WinterHumidity,
    SummerOperativeTemperature, SummerDraught, SummerRadiation, SummerHumidity
};
constexpr int kReportChapters = 8;
inline Season chapterSeason(ReportChapter c) { return int(c) < 4 ? Winter : Summer; }

struct Room {
    YearDataInput year;
    DataPageInput data;
    std::array<DraughtInput, 2> draught;          // by Season
    std::array<RadiationInput, 2> radiation{defaultRadiationInput(), defaultRadiationInput()};
    HumidityInput humidity;
    std::array<bool, kReportChapters> chapters{}; // ticked chapters, by ReportChapter
};

// The values an input may take. Whole-hour inputs are checked for being whole as well.
namespace RoomRange {
constexpr ValueRange kInterval{0.0, 24.0, false, true};                 // [h]
constexpr ValueRange kHeaderLines{0.0, 1e6};
constexpr ValueRange kStartHour{0.0, 23.0};                             // [h]
constexpr ValueRange kWorkingHour{0.0, 24.0};                           // [h]
constexpr ValueRange kAlpha{0.0, 1.0, true, false};
constexpr ValueRange kAirVelocity{0.0};                                 // [m/s]
constexpr ValueRange kTurbulence{0.0, 100.0};                           // [%]
constexpr ValueRange kPositive{0.0, std::numeric_limits<double>::infinity(), false};
constexpr ValueRange kNonNegative{0.0};
constexpr ValueRange kRecovery{0.0, 1.0};                               // 1 = 100 %
}

// What is wrong with an input: the room file's key that holds it and an English source text
// (translation context "Room") with %1 the key and %2 ... the arguments; without a key (a
// problem of the whole file) the arguments start at %1.
struct RoomProblem {
    RoomProblem() = default;
    RoomProblem(QString k, const char *t, QStringList a = {}) : key(std::move(k)), text(t), args(std::move(a)) {}
    QString key;
    const char *text = nullptr;
    QStringList args;
    QString message(const TextTranslator &tr = {}) const;
};

// The first value outside its range or rule, in the room file's order of keys. complete: also
// every value the assessment needs is given (the draught inputs with mechanical ventilation),
// so that none is missing for assessRoom; the season boundaries are checked with the year data.
// A room saved while a value is still missing is a valid room file.
std::optional<RoomProblem> checkRoomValues(const Room &room, bool complete = false);
// The same for the parts of one page, with the room file's keys (prefix "draught.winter" ...).
std::optional<RoomProblem> checkDataPage(const DataPageInput &d);
std::optional<RoomProblem> checkDraught(const DraughtInput &d, Season s, bool complete = false);
std::optional<RoomProblem> checkRadiation(const RadiationInput &r, Season s);
std::optional<RoomProblem> checkHumidity(const HumidityInput &h);

// A number as an input field shows it and a room file's reader gets it back exactly:
// "0.15", "100000", "1e-07".
QString formatInputNumber(double value);
