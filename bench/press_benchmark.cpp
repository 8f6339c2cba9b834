// The work of one press of "Számol", apart from the window: calculate the ticket and word the
// answer.

#include "calc/result_message.h"
#include "calc/trade_figures.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velomar;

const NumberFormat kHungarian{","};

void press(benchmark::State& state, const TradeTicket& ticket)
{
    for (auto _ : state) {
        const auto outcome = calculateTrade(ticket, kHungarian);
        std::string message =
            outcome ? composeResultMessage(*outcome) : composeFailureMessage(outcome.error());
        benchmark::DoNotOptimize(message);
    }
}

} // namespace

BENCHMARK_CAPTURE(press, default_long, TradeTicket{"5", "15620", "15700", "15580", "Long"});
BENCHMARK_CAPTURE(press, short_swapped, TradeTicket{"5", "15620", "15580", "15700", "Short"});
BENCHMARK_CAPTURE(press, missing_input, TradeTicket{"5", "15620", "", "15580", "Long"});
BENCHMARK_CAPTURE(press, failing_entry, TradeTicket{"5", "15620.5", "15700", "15580", "Long"});

BENCHMARK_MAIN();
