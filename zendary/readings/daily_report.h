// The daily report (NRR): writes the text report of the selected date and, on request,
// its HTML page, and offers to show either.
#pragma once
#include "zendary/zendary.h"

namespace zendary {

bool DailyReport(Zendary& z);

}  // namespace zendary
