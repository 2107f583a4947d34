#include "zendary/readings/dream.h"

#include "zendary/readings/dream_table.h"

namespace zendary {

static const char* const kDreamCaption = "DREAM INTERPRETATION";

static void showDreamHelp(Zendary& z)
{
    z.ui.info("DREAM INTERPRETATION HELP",
              "For dream interpretation just enter in small letters only what you dreamed of. One object "
              "from your dream at a time and click on DRS button.\n\n"
              "A car is one object, and so is an ice cream. Your dream is explained no matter how many "
              "things you saw in it: look up each of them in turn.\n\n"
              "Different things can foretell the same outcome. Entering 'field', for example, may give an "
              "explanation that speaks of both 'rice' and 'field', because some of these explanations go "
              "back hundreds of years.");
}

bool DreamReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields())
        return false;
    if (z.data.dream.empty()) {
        z.ui.stop(kDreamCaption, "Please enter what you dreamed of!");
        showDreamHelp(z);
        return false;
    }
    if (!z.ParentsAges())
        return false;
    if (const auto meaning = InterpretDream(z.data.dream)) {
        z.ui.info(kDreamCaption, std::string(*meaning));
    } else {
        z.ui.stop(kDreamCaption, "No Interpretation Available! Please try synonyms!");
        showDreamHelp(z);
    }
    return true;
}

}  // namespace zendary
