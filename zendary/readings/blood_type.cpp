#include "zendary/readings/blood_type.h"

namespace zendary {

static const char* const kBloodTypeCaption = "BLOOD TYPE READING";

bool BloodTypeReading(Zendary& z)
{
    if (!z.DatesValid() || !z.PastLifeFields() || !z.ParentsAges() ||
        !z.ConfirmationBox(kBloodTypeCaption, "", ConfirmForm::Short))
        return false;
    if (!z.ui.askYesNo(kBloodTypeCaption, "Do you know your blood type?")) {
        z.ui.warn(kBloodTypeCaption, "You need to know your blood type in order to receive your blood type reading.");
        return true;
    }
    static const struct {
        const char* question;
        const char* sketch;
    } kTypes[] = {
        {"Do you have Blood Type A?",
         "Blood Type A\n\nA person with blood type A is diligent, methodical, steady, and nervous."},
        {"Do you have Blood Type B?", "Blood Type B\n\nA person with blood type B has originality, but is fickle."},
        {"Do you have Blood Type AB?", "Blood Type AB\n\nA person with blood type AB is sociable and sensitive."},
        {"Do you have Blood Type O?", "Blood Type O\n\nA person with blood type O is durable and resolute."},
    };
    for (const auto& type : kTypes) {
        if (z.ui.askYesNo(kBloodTypeCaption, type.question)) {
            z.ui.info(kBloodTypeCaption, type.sketch);
            return true;
        }
    }
    z.ui.warn(kBloodTypeCaption, "You must indicate your blood type in order to receive your blood type reading!");
    return true;
}

}  // namespace zendary
