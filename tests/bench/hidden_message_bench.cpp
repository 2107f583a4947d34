// Decoding the longest message Lexivar accepts (49,900 characters).
#include <benchmark/benchmark.h>

#include <string>

#include "numerology/hidden_message.h"

namespace {

// A message that reads like a letter: words of mixed case, blanks, punctuation and lines.
std::string letterLikeMessage(std::size_t length)
{
    static const char* const words[] = {"Dear",  "friend", "I",      "remember", "the",     "river",
                                        "where", "we",     "met",    "Tomorrow", "bring",   "your",
                                        "map",   "and",    "our",    "secret",   "Regards", "Ruth",
                                        "42",    "Zoe",    "travel", "north,",   "quietly."};
    std::string text;
    unsigned seed = 12345;
    while (text.size() < length) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % std::size(words)];
        text += (seed >> 8) % 11 == 0 ? '\n' : ' ';
    }
    text.resize(length);
    return text;
}

void decode(benchmark::State& state, numerology::DecodingRule rule)
{
    const std::string message = letterLikeMessage(49900);
    for (auto _ : state)
        benchmark::DoNotOptimize(numerology::DecodeMessage(message, rule));
}

}  // namespace

// Typical Lexivar numbers (clue 6, names 9, birth 1, date 3).
BENCHMARK_CAPTURE(decode, lexivar_typical, numerology::DecodingRule{3, {6, 9, 1, 3}, 19, 1, {2, 2, 2, 2}})
    ->Unit(benchmark::kMicrosecond);
// The smallest steps Lexivar can get: each pass drops only three letters.
BENCHMARK_CAPTURE(decode, lexivar_smallest_steps, numerology::DecodingRule{3, {1, 1, 1, 1}, 4, 1, {2, 2, 2, 2}})
    ->Unit(benchmark::kMicrosecond);
// A clue number of 0: passes that would grow the text.
BENCHMARK_CAPTURE(decode, lexivar_zero_step, numerology::DecodingRule{3, {0, 1, 1, 1}, 3, 1, {2, 2, 2, 2}})
    ->Unit(benchmark::kMicrosecond);
// Zendary's message box.
BENCHMARK_CAPTURE(decode, message_box, numerology::DecodingRule{1, {7, 8, 3, 7}, 18, 1, {1, 2, 2, 1}})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
