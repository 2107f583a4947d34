// The two drop-down lists of the past-lives group.
#include "zendary/lists.h"

namespace zendary {

// Shown in alphabetical order, as the list box sorts them.
static const char* const kOccupations[] = {
    "athlete",   "cook",     "doctor",  "engineer", "explorer", "farmer",     "housekeeper", "merchant",
    "musician",  "nobility", "none",    "nurse",    "painter",  "politician", "priest",      "sailor",
    "scientist", "slave",    "soldier", "student",  "tailor",   "teacher",    "writer",
};

// Shown in this order.
static const char* const kClues[] = {
    "death",  "blood", "birth", "wedding", "funeral", "parent", "relative", "friend", "enemy", "god",      "devil",
    "sea",    "ocean", "water", "knife",   "sword",   "gun",    "war",      "desert", "sand",  "mountain", "stone",
    "cat",    "dog",   "wolf",  "rat",     "mouse",   "horse",  "cow",      "sheep",  "crow",  "hawk",     "bee",
    "animal", "bird",  "fish",  "insect",  "flower",  "tree",   "sky",      "sun",    "moon",  "snow",     "rain",
    "house",  "field", "ship",  "train",   "plane",   "car",    "none",
};

std::span<const char* const> occupationList()
{
    return kOccupations;
}

std::span<const char* const> clueList()
{
    return kClues;
}

}  // namespace zendary
