// The items of the superstition list, in the order they are shown (not sorted).
#include "zendary/lists.h"

namespace zendary {

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

std::span<const char* const> superstitionList()
{
    return kSuperstitions;
}

}  // namespace zendary
