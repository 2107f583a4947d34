#include "zendary/readings/past_life.h"

#include "zendary/readings/past_life_questions.h"
#include "zendary/readings/past_life_rules.h"

namespace zendary {

#include "resources/zendary/past_life_texts.inc"

static const char* const kPastLifeCaption = "PAST LIFE INTERPRETATION";
static const char* const kLegend =
    "PAST LIFE INTERPRETATION TABLE\n\n0   - 30%\tVERY LOW CHANCE\n31 - 64%\tLOW CHANCE\n65 - 90%\tMEDIUM "
    "CHANCE\n91 - 94%\tGOOD CHANCE\n95 - 99%\tVERY GOOD CHANCE\n\nCHANCE\trefers to the probability that you "
    "have experienced a past life event.";
static const char* const kNeedOccupation =
    "You must select an occupation in order for your past life reading to be accurate! If you are not sure "
    "about occupation please select 'none' from a drop down list box!";
static const char* const kNeedClue =
    "You must select a clue in order for your past life reading to be accurate! If you are not sure about the "
    "clue please select 'none' from the drop down list box!";
static const char* const kNeedAge =
    "You must indicate an age in order for your past life reading to be accurate! If you are not sure about "
    "age make your best guess!";

// A missing input: the message, then how to fill the group in.
static bool refuse(Zendary& z, const char* message)
{
    z.ui.stop(kPastLifeCaption, message);
    z.ui.info("PAST LIFE INTERPRETATION HELP", kPastLifeHelp);
    return false;
}

static void showResult(Zendary& z, const std::string& percent)
{
    z.ui.info(kPastLifeCaption, PastLifeResultText(percent));
    z.ui.info(kPastLifeCaption, kLegend);
}

bool PastLifeReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields())
        return false;
    const PersonalData& d = z.data;
    // The first two checks catch a list left empty, the third its old heading items.
    if (d.occupation.empty())
        return refuse(z, kNeedOccupation);
    if (d.clue.empty())
        return refuse(z, kNeedClue);
    if (d.occupation == "occupation")
        return refuse(z, kNeedOccupation);
    if (d.clue == " please select a clue")
        return refuse(z, kNeedClue);
    if (d.pastAge == 0)
        return refuse(z, kNeedAge);

    const std::string summary = "Is this information accurate?\n\nYEAR\t\t  " + std::to_string(d.pastYear) +
                                (z.era == Era::AD ? "  AD\n" : "  BC\n") + "AGE\t\t  " + std::to_string(d.pastAge) +
                                "\nOCCUPATION\t  " + d.occupation + "\nCLUE\t\t  " + d.clue;
    if (!z.confirm(kPastLifeCaption, summary))
        return false;
    const shell::Answer knows = z.ui.message(
        kPastLifeCaption,
        "Before we begin I have to ask you a few questions. Do you know what a past life reading is and how it "
        "differs from a past life regression?",
        shell::Icon::Question, shell::Buttons::YesNoCancel);
    if (knows == shell::Answer::Cancel)
        return false;
    if (knows == shell::Answer::No)
        z.ui.info(kPastLifeCaption, kPastLifeExplanation);
    z.ui.info(kPastLifeCaption, "Let us begin on our journey! Your past life interpretation awaits you!");

    const PastLifeInput input{z.era, d.pastYear, d.pastAge, d.occupation, d.clue, d.own.year, d.selected.year};
    PastLifeFlags flags =
        AskPastLifeQuestions([&z](const std::string& question) { return z.ui.askYesNo(kPastLifeCaption, question); },
                             input.birthYear, input.selectedYear);
    if (NamedByOccupation(input.occupation))
        flags.named = true;
    if (Implausible(input)) {
        showResult(z, "0");
    } else {
        const int distance = PastDistance(input.birthYear, input.year, input.age, input.era);
        showResult(z, PastLifePercent(distance, input.clue, flags));
    }
    return true;
}

}  // namespace zendary
