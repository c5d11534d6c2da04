// What must hold after every step of a session, whatever the input. A check that fails says
// what broke on standard error and aborts, so that the fuzzer keeps the input as a finding.
#pragma once

#include "Host.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace fuzz {

// Says what broke and aborts.
[[noreturn]] void broken(const std::string& what);

// Whether a text shows "nan" or "inf" in any case: how a number that is not finite is written.
bool showsNonFinite(std::string text);

// Whether a text shows a number with an exponent ("1e+06", "2E5"): no field writes one.
bool showsExponent(const std::string& text);

// Every point of every path, every stroke width and every text anchor is finite; no art is
// reached twice, and each names its container as its parent. With `namesReliable` (no host
// failure was asked for), every table in a "Varo-Table" layer holds only its named sub-groups,
// each once, in their paint order: "Columns", "Lines", "Frame", "Title", "Text".
void checkDocument(const host::doc::Document& document, bool namesReliable);

// The preference file, when it differs from `before` (its bytes before the session; none when
// it had none): it parses, and holds only the plug-in's keys with their kinds, or keys the
// file held before with the kind they had.
void checkPreferenceFile(const std::filesystem::path& file, const std::optional<std::string>& before);

// No numeric field of the plug-in's windows shows "nan", "inf" or an exponent (its panel always, its other
// windows while the application runs); the fields in `typed` show what the session typed
// into them and are not looked at.
void checkFields(host::Host& host, const std::set<std::string>& typed);

} // namespace fuzz
