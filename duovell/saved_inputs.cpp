#include "duovell/saved_inputs.h"

#include <vector>

#include "shell/files.h"

namespace duovell {

using pairing::Individual;

const char* const kSavedInputsFile = "duo.ini";

namespace {

std::string flag(bool on)
{
    return on ? "1" : "0";
}

void takeNumber(const std::vector<std::string>& lines, std::size_t index, int& value, int low, int high)
{
    if (index >= lines.size())
        return;
    const int n = shell::settingsInt(lines[index], value);
    if (n >= low && n <= high)
        value = n;
}

void takeText(const std::vector<std::string>& lines, std::size_t index, std::string& value)
{
    if (index < lines.size())
        value = lines[index];
}

void takeFlag(const std::vector<std::string>& lines, std::size_t index, bool& value)
{
    if (index < lines.size())
        value = !lines[index].empty() && lines[index][0] == '1';
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

void LoadSavedInputs(const std::string& path, pairing::PairRecord& r)
{
    const std::vector<std::string> lines = shell::readWholeSettingsLines(path, 20);
    std::size_t i = 0;
    for (Individual* p : {&r.one, &r.two}) {
        takeNumber(lines, i++, p->birthday.month, 1, 12);
        takeNumber(lines, i++, p->birthday.day, 1, 31);
        takeNumber(lines, i++, p->birthday.year, kFirstYear, kLastYear);
    }
    takeText(lines, i++, r.one.firstName);
    takeText(lines, i++, r.one.lastName);
    takeText(lines, i++, r.two.firstName);
    takeText(lines, i++, r.two.lastName);
    for (Individual* p : {&r.one, &r.two}) {
        takeFlag(lines, i++, p->male);
        takeFlag(lines, i++, p->single);
        takeFlag(lines, i++, p->pets);
    }
    for (std::string* item : {&r.one.hair, &r.one.eyes, &r.two.hair, &r.two.eyes})
        takeText(lines, i++, *item);
}

}  // namespace duovell
