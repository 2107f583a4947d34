#include "duovell/lists.h"

namespace duovell {

std::span<const char* const> hairColours()
{
    static const char* const items[] = {"bald", "black", "blond", "brown", "brunet", "brunette", "red", "white"};
    return items;
}

std::span<const char* const> eyeColours()
{
    static const char* const items[] = {"blue", "brown", "green", "hazel"};
    return items;
}

std::span<const char* const> activities()
{
    static const char* const items[] = {
        "ask on a date",
        "start a relationship",
        "have an affair",
        "make love",
        "make a commitment",
        "move in together",
        "get married",
        "end a relationship",
        "end an affair",
        "move out",
        "get divorced",
        "go on a picnic with",
        "go to the park with",
        "go dancing with",
        "go on vacation with",
        "go to the movies with",
        "go shopping with",
        "go to a game with",
        "go to a party with",
        "go to a concert with",
        "go to a restaurant with",
        "take a walk with",
        "give a party with",
        "visit family with",
        "visit friends with",
        "visit inlaws with",
        "ask for money",
        "invest money with",
        "buy something with",
        "buy something from",
        "buy a house with",
        "buy a car with",
        "get a haircut from",
        "get medical aid from",
        "start a business with",
        "hire",
        "accept a job offer",
        "fire",
        "work together",
        "suck up to",
        "ask for time off",
        "ask for a raise",
        "be on the same team",
        "gamble with",
        "be afraid of",
        "stay away from",
        "start an argument with",
    };
    return items;
}

}  // namespace duovell
