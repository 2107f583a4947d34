#include "lexivar/lexivar.h"

#include "numerology/dates.h"
#include "shell/date_checks.h"

namespace lexivar {

using numerology::DateColumns;
using numerology::DateDigit;
using numerology::LetterSum;

const char* const kClues[20] = {
    "message from a man",      "message from a woman",       "message from father",  "message from mother",
    "message from son",        "message from daughter",      "message from brother", "message from sister",
    "message from a relative", "message from husband",       "message from wife",    "message from boyfriend",
    "message from girlfriend", "message from a lawyer",      "message from police",  "message from judge",
    "message from a coworker", "message from a subordinate", "message from boss",    "message of unknown origin",
};

static const char* const kCaption = "LEXIVAR";

Names namesOf(const LexivarData& d)
{
    return {d.recipientFirst, d.senderFirst, d.recipientLast, d.senderLast};
}

int LexNumberDigit(int n)
{
    // Here a year digit of 100 and more outside the centuries counts as offset 0.
    if (n > kLastYear)
        return 1;
    return numerology::NumberDigit(n);
}

int ClueNumber(std::string_view clue, int ticks)
{
    return LexNumberDigit(LetterSum(clue) + ticks);
}

int NamesNumber(const LexivarData& d)
{
    const int sender = LexNumberDigit(LetterSum(d.senderFirst) + LetterSum(d.senderLast));
    const int recipient = LexNumberDigit(LetterSum(d.recipientFirst) + LetterSum(d.recipientLast));
    return LexNumberDigit(sender + recipient);
}

int BirthNumber(const Date& b)
{
    return numerology::BirthdayDigit(b.month, b.day, b.year);
}

int DateNumber(const Date& s)
{
    return DateDigit(numerology::YearDigit(s.year) + DateDigit(s.month) + DateDigit(s.day));
}

numerology::DecodingRule DecodingRuleFor(const LexivarData& d)
{
    int ticks = 0;
    for (bool flag : d.flags)
        ticks += flag;
    const numerology::SkipSteps steps{
        static_cast<unsigned>(ClueNumber(d.clue, ticks)), static_cast<unsigned>(NamesNumber(d)),
        static_cast<unsigned>(BirthNumber(d.birthday)), static_cast<unsigned>(DateNumber(d.selected))};
    return {3, steps, std::size_t(steps[0]) + steps[1] + steps[2] + steps[3], 1, {2, 2, 2, 2}};
}

std::string ConfirmationText(const LexivarData& d)
{
    return "Is this information accurate?\n\n"
           "First Individual's Name:\t" +
           d.recipientFirst + " " + d.recipientLast + "\n" + "First Individual's Birthday:\t" +
           DateColumns(d.birthday) + "\n" + "Second Individual's Name:\t" + d.senderFirst + " " + d.senderLast +
           "\n\n" + "Selected Date:\t\t" + DateColumns(d.selected) + "\n" + "Selected Clue:\t\t" + d.clue + "\n";
}

std::string ResultText(const LexivarData& d, const numerology::Decoding& decoding)
{
    const std::string rule = numerology::kDecodingRule;
    return "These readings are based on The Egyptian Book of Dead and The Cabala.        \n" + rule + "\n\n" +
           d.recipientFirst + " " + d.recipientLast + " received message from " + d.senderFirst + " " + d.senderLast +
           ".\n\n" + "Selected clue: " + d.clue + ".\n\n" + "Message Received on " +
           numerology::DateText(d.selected.month, d.selected.day, d.selected.year) + ".\n" + rule + "\n\n" +
           "Hidden Message:\t\t" + decoding.hiddenMessage + "\n\nDecoding Key:\t\t" + decoding.key + "\n\n" + rule +
           "\n\n" + numerology::kDecodingInstructions;
}

LexivarData startValues(const shell::DateTime& today)
{
    LexivarData d;
    d.selected = {today.month, today.day, today.year};
    return d;
}

Lexivar::Lexivar(shell::Services& s) : services(s), ui(s.ui), data(startValues(s.clock.now())) {}

bool Lexivar::DatesValid()
{
    return shell::datesValid(ui, "DATE ERROR", {&data.birthday, &data.selected});
}

bool Lexivar::refuse(const std::string& text)
{
    ui.stop(kCaption, text);
    showProgress(0);
    return false;
}

void Lexivar::progressStep(int before, int after)
{
    showProgress(before);
    services.pacer.pause(150);
    showProgress(after);
}

bool Lexivar::Decode()
{
    showProgress(0);
    if (!DatesValid()) {
        showProgress(0);
        return false;
    }
    const std::size_t length = numerology::CharacterCount(data.message);
    if (length == 0)
        return refuse("No message to decode! Please enter a message first!    ");
    if (length < 50)
        return refuse("Message is too short for decoding! Please enter another message!    ");
    if (length > 49900)
        return refuse("Message you have selected is too long for Lexivar to decode!\n"
                      "Please select a shorter message and try again.");
    if (data.recipientFirst.empty() || data.recipientLast.empty() || data.senderFirst.empty() ||
        data.senderLast.empty())
        return refuse("Please enter first and last names for both individuals!    ");
    progressStep(10, 20);

    if (data.clue.empty())
        return refuse("Please select a clue!    ");
    if ((data.flags[Personal] && data.flags[Business]) || (data.flags[Friend] && data.flags[Foe]))
        return refuse("Please note that you have indicated mutually exclusive properties about the origin of the "
                      "message such us: Friend and For or Personal and Business. Please correct it and then try "
                      "again.");
    progressStep(30, 40);

    // The names are remembered whatever the answer, so an unchanged retry does not ask again.
    if (namesOf(data) != confirmed) {
        confirmed = namesOf(data);
        if (!ui.askYesNo(kCaption, ConfirmationText(data)))
            return refuse("Please correct any mistakes and try again!    ");
    }
    const numerology::DecodingRule rule = DecodingRuleFor(data);
    progressStep(50, 60);
    progressStep(70, 80);
    const std::string text = ResultText(data, numerology::DecodeMessage(data.message, rule));
    progressStep(90, 100);
    ui.info(kCaption, text);
    showProgress(0);
    return true;
}

}  // namespace lexivar
