// The items of the main window's drop-down lists.
#include "zendary/lists.h"

namespace zendary {

// Past lives: shown in alphabetical order, as the list box sorts them.
static const char* const kOccupations[] = {
    "athlete",   "cook",     "doctor",  "engineer", "explorer", "farmer",     "housekeeper", "merchant",
    "musician",  "nobility", "none",    "nurse",    "painter",  "politician", "priest",      "sailor",
    "scientist", "slave",    "soldier", "student",  "tailor",   "teacher",    "writer",
};

// Past lives: shown in this order.
static const char* const kClues[] = {
    "death",  "blood", "birth", "wedding", "funeral", "parent", "relative", "friend", "enemy", "god",      "devil",
    "sea",    "ocean", "water", "knife",   "sword",   "gun",    "war",      "desert", "sand",  "mountain", "stone",
    "cat",    "dog",   "wolf",  "rat",     "mouse",   "horse",  "cow",      "sheep",  "crow",  "hawk",     "bee",
    "animal", "bird",  "fish",  "insect",  "flower",  "tree",   "sky",      "sun",    "moon",  "snow",     "rain",
    "house",  "field", "ship",  "train",   "plane",   "car",    "none",
};

// Superstitions: shown in this order (not sorted).
static const char* const kSuperstitions[] = {
    "bed",       "beggar",   "broom",         "cat",        "chimney",       "clothes", "clover",  "eyelashes",
    "garters",   "hay-cart", "horseshoe",     "ivy",        "knock on wood", "ladder",  "ladybug", "mirror",
    "number 13", "owl",      "rabbit's foot", "hare",       "salt",          "shoes",   "socks",   "swan",
    "sneeze",    "bird",     "crow",          "bee",        "cricket",       "spider",  "dog",     "squirrel",
    "hair",      "eyebrow",  "nails",         "stumbling",  "marriage",      "knife",   "bread",   "wine",
    "hat",       "fish",     "singing",       "whistle",    "friday",        "pin",     "mole",    "birthmark",
    "cheeks",    "itching",  "hand",          "name",       "milk",          "kiss",    "friend",  "umbrella",
    "bad luck",  "shadow",   "wedding ring",  "separation", "apple",         "seven",
};

// Mental powers.
static const char* const kNumbers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
static const char* const kColors[] = {"white", "yellow", "green", "red", "blue", "brown", "black"};
static const char* const kShapes[] = {"triangle", "square", "circle"};

std::span<const char* const> occupationList()
{
    return kOccupations;
}

std::span<const char* const> clueList()
{
    return kClues;
}

std::span<const char* const> superstitionList()
{
    return kSuperstitions;
}

std::span<const char* const> numberList()
{
    return kNumbers;
}

std::span<const char* const> colorList()
{
    return kColors;
}

std::span<const char* const> shapeList()
{
    return kShapes;
}

}  // namespace zendary
