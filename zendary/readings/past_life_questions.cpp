// The questions of the past-life reading, in their fixed order. Every question is asked
// and awaited even when its answer sets nothing: the conversation is part of the reading.
#include "zendary/readings/past_life_questions.h"

#include <cstdlib>

namespace zendary {

namespace {

void traumaQuestions(const AskYesNo& ask, PastLifeFlags& f)
{
    if (!ask("Did you suffer a traumatic life event before having your experience?"))
        return;
    if (!ask("Did someone close to you pass away?") || !ask("Was it a relative?"))
        return;
    if (ask("Was it your mother or father?") || ask("Was it your husband, wife or child?"))
        f.loss = true;
}

void everydayQuestions(const AskYesNo& ask)
{
    if (ask("Do you remember if anyone has ever told you about an experience which they have had that is "
            "similar to yours?"))
        ask("Was your experience identical or very close to theirs?");
    else
        ask("Were you younger than 7 when you first had your experience?");
    if (ask("Do you remember what the weather was like just before you first had your experience?"))
        ask("Was it raining?");
    if (ask("Do you have any pets or animals?")) {
        ask("A cat or cats?");
        ask("A dog or dogs?");
        ask("A horse or horses?");
    }
}

void meetingQuestions(const AskYesNo& ask, PastLifeFlags& f, int birthYear, int selectedYear)
{
    // Only someone old enough to be married is asked about it.
    if (std::abs(static_cast<long long>(birthYear) - selectedYear) >= 21 && ask("Are you married?")) {
        ask("Have you ever had a feeling that you two have met before you knew each other?");
        f.loss = true;
        return;
    }
    ask("Have you ever had a feeling that you have met someone before you knew each other?");
}

// Returns false when the user wants a reading on numbers alone (no further questions).
bool classifyQuestions(const AskYesNo& ask, PastLifeFlags& f)
{
    if (ask("Could you classify your experience as a feeling of deja vu?")) {
        f.dejaVu = true;
        ask("Could you remember if the source of your deja vu experience was a particular place, thing or event?");
    } else if (ask("Could you classify your experience as a dream?")) {
        f.dream = true;
        ask("Could you remember if your dream was in color?");
    } else if (ask("Could you classify your experience as a vision?")) {
        f.vision = true;
        ask("Could you remember if there was a distinct smell before you had the vision?");
    } else if (ask("You have indicated that you couldn't classify your experience as either a feeling of deja "
                   "vu, a dream or a vision. Do you want your past life reading to be based entirely on "
                   "Numerology?")) {
        return false;
    }
    return true;
}

void detailQuestions(const AskYesNo& ask, PastLifeFlags& f)
{
    if (ask("Have you had this experience more than once?")) {
        f.repeated = true;
        ask("Have the same images always been present?");
    } else {
        ask("Could you classify your experience as traumatic?");
    }
    if (ask("Could you see yourself?") && !ask("Could you see what you were wearing?"))
        return;
    if (ask("Could you recognize anything or anyone?")) {
        f.recognised = f.named = true;
    } else if (ask("Could you hear any voice or voices?")) {
        f.recognised = true;
    } else if (ask("Could you see anything with someone's name on it?") ||
               ask("Could you see anything with a date on it?")) {
        f.recognised = f.named = true;
    }
}

}  // namespace

PastLifeFlags AskPastLifeQuestions(const AskYesNo& ask, int birthYear, int selectedYear)
{
    PastLifeFlags flags;
    traumaQuestions(ask, flags);
    everydayQuestions(ask);
    meetingQuestions(ask, flags, birthYear, selectedYear);
    ask("Do you think that your experience is something you would not want to share with other people?");
    if (classifyQuestions(ask, flags))
        detailQuestions(ask, flags);
    return flags;
}

}  // namespace zendary
