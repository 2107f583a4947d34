#include "duovell/saved_inputs.h"

#include <vector>

#include "shell/files.h"

namespace duovell {

using pairing::Individual;

namespace {

std::string flag(bool on)
{
    return on ? "1" : "0";
}

}  // namespace

std::string SavedInputsText(const pairing::PairRecord& r)
{
    std::string text;
    auto line = [&text](const std::string& value) { text += shell::oneLine(value) + "\n"; };
    for (const Individual* p : {&r.one, &r.two}) {
        line(std::to_string(p->birthday.month));
        line(std::to_string(p->birthday.day));
        line(std::to_string(p->birthday.year));
    }
    for (const std::string* name : {&r.one.firstName, &r.one.lastName, &r.two.firstName, &r.two.lastName})
        line(*name);
    for (const Individual* p : {&r.one, &r.two}) {
        line(flag(p->male));
        line(flag(p->single));
        line(flag(p->pets));
    }
    for (const std::string* item : {&r.one.hair, &r.one.eyes, &r.two.hair, &r.two.eyes})
        line(*item);
    return text;
}

void ApplySavedInputs(const std::vector<std::string>& lines, pairing::PairRecord& r)
{
    std::size_t i = 0;
    for (Individual* p : {&r.one, &r.two}) {
        shell::takeNumber(lines, i++, p->birthday.month, 1, 12);
        shell::takeNumber(lines, i++, p->birthday.day, 1, 31);
        shell::takeNumber(lines, i++, p->birthday.year, kFirstYear, kLastYear);
    }
    shell::takeText(lines, i++, r.one.firstName);
    shell::takeText(lines, i++, r.one.lastName);
    shell::takeText(lines, i++, r.two.firstName);
    shell::takeText(lines, i++, r.two.lastName);
    for (Individual* p : {&r.one, &r.two}) {
        shell::takeFlag(lines, i++, p->male);
        shell::takeFlag(lines, i++, p->single);
        shell::takeFlag(lines, i++, p->pets);
    }
    for (std::string* item : {&r.one.hair, &r.one.eyes, &r.two.hair, &r.two.eyes})
        shell::takeText(lines, i++, *item);
}

const shell::SavedInputs<pairing::PairRecord> kSavedInputs{"duo.ini", 20, ApplySavedInputs, SavedInputsText};

}  // namespace duovell
