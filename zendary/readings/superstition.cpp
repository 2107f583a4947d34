#include "zendary/readings/superstition.h"

#include "zendary/readings/superstition_table.h"

namespace zendary {

static const char* const kSuperstitionCaption = "SUPERSTITIONS";

static void showSuperstitionHelp(Zendary& z)
{
    z.ui.info("SUPERSTITIONS HELP",
              "For superstitions just select a superstition from the drop down list box and click on SUS button.");
}

bool SuperstitionReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields())
        return false;
    if (z.data.superstition.empty()) {
        z.ui.stop(kSuperstitionCaption, "Please select a superstition from the list!");
        showSuperstitionHelp(z);
        return false;
    }
    if (const auto belief = LookUpSuperstition(z.data.superstition)) {
        z.ui.info(kSuperstitionCaption, std::string(*belief));
    } else {
        z.ui.stop(kSuperstitionCaption, "No interpretation available! Please choose another clue or try a synonym!");
        showSuperstitionHelp(z);
    }
    return false;  // the record is not written back
}

}  // namespace zendary
