// The daily report (NRR): the readings of the selected date and the astrological portrait
// of the user's sun sign, written as a text report and, on request, as an HTML page.
#pragma once
#include <string>

#include "numerology/numerology.h"
#include "report_html.h"
#include "sign_texts.h"
#include "zendary.h"

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

bool DailyReport(Zendary& z);  // NRR

}  // namespace zendary
