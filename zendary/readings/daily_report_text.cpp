#include "zendary/readings/daily_report_text.h"

#include <string_view>

#include "numerology/dates.h"
#include "pair/pair_report.h"
#include "shell/files.h"
#include "zendary/readings/sign_couples.h"

namespace zendary {

DayVerdicts dayVerdicts(int d, const numerology::StarNumbers& s)
{
    if (d == s.s0 || d == s.s1 || d == s.s3)
        return {"Not susceptible to the Evil Eye.", "Decisions you make today can change your fate for the better.  ",
                "Just follow your normal daily routine."};
    if (d == s.s2)
        return {"Susceptible to the Evil Eye.", "Decisions you make today can change your fate for the worst.  ",
                "Please be careful today."};
    if (d == s.s4)
        return {"Someone put the Evil Eye on you.",
                "Decisions you make today can have catastrophic effect on your fate.  ",
                "Please be extremely careful today."};
    return {"Not susceptible to the Evil Eye.", "Decisions you make today can not affect your fate.  ",
            "Just follow your normal daily routine."};
}

static std::string associationsBlock(const SignAssociations& a)
{
    const bool several = std::string_view(a.colours).find(',') != std::string_view::npos;
    return std::string("Associations\n\n") + "Body area: \t" + a.bodyArea + "\n" +
           (several ? "Colors: \t" : "Colour: \t") + a.colours + "\n" + "Metal: \t\t" + a.metal + "\n" + "Stone: \t\t" +
           a.stone + "\n" + "Plants: \t" + a.plants + "\n" + "Countries: \t" + a.countries + "\n";
}

std::string signReport(Sign sign)
{
    const SignTexts& t = signTexts(sign);
    const std::string couples = couplesEntry(sign);
    return std::string(t.profile) + "\n" + t.love + "\n" + t.body + "\n\n" + t.food + "\n" + t.wealth + "\n" + t.links +
           "\n\n" + associationsBlock(t.associations) + t.traits + "\n\n" + t.positive + "\n" +
           couples.substr(couples.find('\n') + 1);
}

static std::string numbersForReport(const std::array<int, 3>& n)
{
    return std::to_string(n[0]) + "    " + std::to_string(n[1]) + "    " + std::to_string(n[2]);
}

std::string dailyReportText(const Zendary& z)
{
    const auto& sel = z.data.selected;
    const DayVerdicts verdicts = dayVerdicts(z.dayNumber, z.stars);
    std::string text = "NUMEROLOGICAL REPORT\n\nSTARS READING\n\n";
    text += numerology::DateText(sel.month, sel.day, sel.year);
    text += numerology::RatingText(numerology::DayRating(z.dayNumber, z.stars));
    text += std::string("\n\n\nEVIL EYE READING\n\n") + verdicts.evilEye + "\n\n\n";
    text += std::string("FATE READING\n\n") + verdicts.fate + "\n\n\nDEATH READING\n\n" + verdicts.advice;
    text += "\n\n\nLUCKY NUMBERS\n\n" + numbersForReport(z.lucky);
    text += "\n\n\nUNLUCKY NUMBERS\n\n" + numbersForReport(z.unlucky);
    text += "\n\nASTROLOGICAL REPORT\n\n" + signReport(numerology::SunSign(z.data.own.month, z.data.own.day));
    return text;
}

std::string reportName(const numerology::Date& selected)
{
    return std::to_string(selected.month) + "-" + std::to_string(selected.day) + "-" + std::to_string(selected.year);
}

}  // namespace zendary
