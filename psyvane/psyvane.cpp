#include "psyvane/psyvane.h"

#include <cstdlib>

namespace psyvane {

#include "resources/psyvane/texts.inc"

using numerology::NameValue;

static const char* const kCaption = "PSYVANE";
static const char* const kExerciseCaption = "PSYVANE EXERCISE";

const shell::HelpSpec kPsyvaneHelp = {"psyvane.hlp", "PSYVANE HELP", kUsageText};

numerology::PowerTips kTips = {
    "Do not practice right now. You are ready to use your intuition.    ",
    "Do not practice right now. You are ready to use your intuition.    ",
    "Practice shapes right now.",
    "Practice signs right now.",
    "Practice colors right now.",
    "Practice numbers right now.",
    "Practice colors and shapes right now.",
    "Practice numbers and signs right now.",
    "Practice numbers, colors and signs right now.",
    "Practice numbers, colors and shapes right now.",
};

int DateSumDigit(const Date& date)
{
    const int sum = date.year + date.month + date.day;
    // Past the century the sum counts as offset 0.
    return sum > kLastYear ? numerology::OffsetDigit(0) : numerology::YearDigit(sum);
}

int ChoiceDigit(const PsyvaneData& d)
{
    return numerology::OffsetDigit(numerology::NumberDigit(
        NameValue(d.type) + NameValue(d.number) + NameValue(d.color) + NameValue(d.shape) + NameValue(d.sign)));
}

int PowerDifference(const PsyvaneData& d)
{
    return std::abs(DateSumDigit(d.date) - ChoiceDigit(d));
}

std::string ConfirmationText(const PsyvaneData& d)
{
    return "Is this information correct?    \n\n"
           "Date:\t" +
           std::to_string(d.date.month) + " " + std::to_string(d.date.day) + " " + std::to_string(d.date.year) + "\n" +
           "Type:\t" + d.type + "\n" + "Number:\t" + d.number + "\n" + "Color:\t" + d.color + "\n" + "Shape:\t" +
           d.shape + "\n" + "Sign:\t" + d.sign + "\n";
}

std::string ExerciseResult(Exercise exercise, int v)
{
    const bool longer = exercise == Exercise::Numbers || exercise == Exercise::Colors;
    const char* picture = "Try to concentrate on the yellow picture.";
    if (exercise == Exercise::Colors)
        picture = "Try to concentrate on the green picture.";
    else if (exercise == Exercise::Shapes)
        picture = "Try to concentrate on one the blue picture.";
    else if (exercise == Exercise::Signs)
        picture = "Try to concentrate on one the red picture.";
    return numerology::ExerciseAnswer(exercise, v) + "\n\nPlease note that you should practice at least " +
           (longer ? "7" : "5") + " times at a time,    \nbut no more than 20 times in one session.\n\nTIP\n\n" +
           picture;
}

PsyvaneData startValues(const shell::DateTime& today)
{
    PsyvaneData d;
    d.date = {today.month, today.day, today.year};
    return d;
}

Psyvane::Psyvane(shell::Services& s) : services(s), ui(s.ui), data(startValues(s.clock.now())) {}

void Psyvane::animate()
{
    for (int position = 20; position <= 80; position += 20) {
        showProgress(position);
        services.pacer.pause(110);
    }
    showProgress(100);
}

void Psyvane::RunExercise(Exercise exercise)
{
    ui.message(kExerciseCaption, numerology::ExerciseInstruction(exercise), shell::Icon::Question);
    // The draw takes the second at which the user closed the instruction.
    const int v = numerology::ExerciseDigit(services.clock.now().second);
    animate();
    ui.info(kExerciseCaption, ExerciseResult(exercise, v));
    showProgress(0);
}

bool Psyvane::CheckIntuition()
{
    const struct {
        const std::string& value;
        const char* refusal;
    } selections[] = {
        {data.type, "Please select type.    "},   {data.number, "Please select number.    "},
        {data.color, "Please select color.    "}, {data.shape, "Please select shape.    "},
        {data.sign, "Please select sign.    "},
    };
    for (const auto& selection : selections) {
        if (selection.value.empty()) {
            ui.stop(kCaption, selection.refusal);
            return false;
        }
    }
    if (!ui.askYesNo(kCaption, ConfirmationText(data))) {
        ui.stop(kCaption, "Please correct any mistakes and try again.    ");
        return false;
    }
    const int d = PowerDifference(data);
    animate();
    const shell::DateTime t = services.clock.now();
    const std::string clock = numerology::ClockLine(t.year, t.month, t.day, t.hour, t.minute, t.second);
    ui.info("INTUITION POWER READING", numerology::PowerReading(clock, d, kTips));
    showProgress(0);
    return true;
}

void Psyvane::Develop()
{
    animate();
    ui.info(kCaption, kDevelopAdvice);
    showProgress(0);
}

void Psyvane::FineTune()
{
    animate();
    ui.info(kCaption, numerology::kFineTuneAdvice);
    showProgress(0);
}

void Psyvane::Help()
{
    shell::showHelp(services, kPsyvaneHelp);
}

void Psyvane::Secret()
{
    if (ui.askYesNo("TOP SECRET", kSecretQuestion))
        ui.info("PSYVANE ORIGINS", kOriginsStory);
}

}  // namespace psyvane
