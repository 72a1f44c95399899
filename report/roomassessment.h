// The whole BNB thermal-comfort assessment of one room: operative temperature in winter and
// summer with the selected summer model, draught for both seasons, radiation asymmetry and
// floor temperature from both radiation pages, the hourly indoor humidity and its assessment.
// The assessment window computes each criterion through these same functions, page by page;
// assessRoom computes them all at once from a room and its year data.
#pragma once

#include "assessment/draft.h"
#include "assessment/humidity.h"
#include "assessment/operativetemperature.h"
#include "assessment/yearseries.h"
#include "radiant/asymmetry.h"
#include "report/room.h"

#include <array>
#include <optional>

// The data page's Compute: the time axis, masks and the winter and summer arrays.
struct OperativeOutcome {
    DataPageInput input;          // as computed: interval, model and region of the results
    OperativeAssessment result;   // result.ok false: result.missing names the absent boundary
    ResultArray winter() const { return result.winter; }
    // Slots 0-8 the summer distribution, 9-19 the model's.
    ResultArray summer() const { return combineSummerResults(result.summerDistribution, result.model); }
};

// The series must hold numbers only (yearSeriesGaps empty) and the input pass checkDataPage.
OperativeOutcome assessOperative(const DataPageInput &input, const YearSeries &year);

// One season of the draught criterion. Without mechanical ventilation nothing is computed and
// the season has full points; with it, DR after ISO 7730 and its points.
struct DraughtOutcome {
    DraughtInput input;
    bool computed = false;
    DraftResult rate;             // computed only
    double points = 0.0;          // winter 0-20, summer 0-10
};
// The input must pass checkDraught.
DraughtOutcome assessDraught(const DraughtInput &input, Season season);

// One radiation page: MRT by its method, and with the plane method the asymmetries, their
// verdicts and the points of the criterion (winter 20, summer 10).
struct RadiationOutcome {
    RadiationInput input;
    double mrt = 0.0;             // [°C]
    bool judged = false;          // plane method: asymmetries, verdicts and points below
    AsymmetryResult asymmetry;
    AsymmetryVerdicts verdicts;
    int points = 0;
};
// The input must pass checkRadiation. summerScale: the summer page's (and the PMV tool's) 10
// points instead of the winter page's 20.
RadiationOutcome assessRadiation(const RadiationInput &input, bool summerScale);

// The hourly moisture balance on the data page's series and masks, and its assessment.
struct HumidityOutcome {
    HumidityInput input;
    double interval = 1.0;        // [h], of the data page's Compute
    IndoorHumidity hourly;
    HumidityAssessment assessment;
};
// operative must have computed (result.ok) on the same series; the input must pass checkHumidity.
HumidityOutcome assessHumidity(const HumidityInput &input, const YearSeries &year,
                               const OperativeOutcome &operative);

// What keeps the year data from being assessed with the data page's inputs (key "data"): no
// record, cells without a number, a season boundary missing from the time axis.
std::optional<RoomProblem> checkYearData(const DataPageInput &input, const YearSeries &year);

// Everything at once. `problem` names the first input, gap or missing season boundary that
// stops the assessment; the criteria computed before it are kept.
struct RoomAssessment {
    Room room;
    std::optional<OperativeOutcome> operative;
    std::array<std::optional<DraughtOutcome>, 2> draught;       // by Season
    std::array<std::optional<RadiationOutcome>, 2> radiation;   // by Season
    std::optional<HumidityOutcome> humidity;
    std::optional<RoomProblem> problem;
};
RoomAssessment assessRoom(const Room &room, const YearSeries &year);
