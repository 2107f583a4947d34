// The daily report's contents: the readings of the selected date and the astrological
// portrait of the user's sun sign as a text report, its file name and its HTML page.
#pragma once
#include <string>

#include "numerology/numerology.h"
#include "zendary/readings/report_html.h"
#include "zendary/readings/sign_texts.h"
#include "zendary/zendary.h"

namespace zendary {

struct DayVerdicts {
    const char* evilEye;
    const char* fate;
    const char* advice;
};

DayVerdicts dayVerdicts(int dayNumber, const numerology::StarNumbers& stars);

// The seven report texts of a sign: profile, love, body with food, wealth, links with
// associations, negative and positive traits, couples without their first line.
std::string signReport(Sign sign);

// The whole text report from the record, the computed numbers and the stored lucky and
// unlucky numbers.
std::string dailyReportText(const Zendary& z);

// "7-4-2001" for 4 July 2001.
std::string reportName(const numerology::Date& selected);

}  // namespace zendary
