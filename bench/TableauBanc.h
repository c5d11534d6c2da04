// What the benchmarks share: one stand-in host with the table plug-in started (its panel woken
// from the bundle's interface file), a table of R rows and C columns (double rules or not)
// set up as the current table, and the counters they report.
#pragma once

#include "Host.h"

#include <benchmark/benchmark.h>

#include <cstdint>

host::Host& Hote();

// The settings of a table of state.range(0) rows and state.range(1) columns, double rules
// and frame when state.range(2) is 1, 550 × 800 points, a title and a text in every cell.
void RegleLeTableau(const benchmark::State& state);
// Builds the table of those settings in a new group and makes it the current table.
void TraceLeTableauCourant();
// One rebuild of the current table: columns, rows, frame, texts.
ASErr Reconstruit();

struct Compte {
    int64_t groupes = 0, traits = 0, rectangles = 0, textes = 0;
    int64_t total() const { return groupes + traits + rectangles + textes; }
};
// What the current table is made of.
Compte CompteDuTableau();
// The objects one iteration makes, and the time per object.
void Rapporte(benchmark::State& state, const Compte& compte);

// Rows, columns, double rules: 3 × 4, 10 × 10, 30 × 30 and 100 × 100, single and double.
void Tailles(benchmark::internal::Benchmark* b);
