#include "zendary/readings/palm.h"

namespace zendary {

#include "resources/zendary/palm_texts.inc"

static const char* const kPalmCaption = "PALM READING";

bool PalmReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges())
        return false;
    const shell::Answer knows =
        z.ui.message(kPalmCaption, "Before we begin I have to ask you a question. Do you know what Palmistry is?",
                     shell::Icon::Question, shell::Buttons::YesNoCancel);
    if (knows == shell::Answer::Cancel)
        return false;
    if (knows == shell::Answer::No)
        z.ui.info(kPalmCaption, kPalmistryExplanation);
    z.ui.info(kPalmCaption, "Now, please put your right hand in front of you and let's begin our journey!");
    for (const PalmLine& line : kPalmLines)
        z.ui.info(line.caption, line.text);
    z.ui.info(kPalmCaption, kPalmCareers);
    return true;
}

}  // namespace zendary
