// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How quillix-cli shows a calc value: its plain display text, and the VALUE
// object of the JSON output {"number", "kind", "text", "formula"}. Every
// subcommand that prints a value goes through here, so all of them show the
// same thing in the current display format.

#include <string>

#include "cli_context.h"
#include "json_writer.h"
#include "model/value_texts.h"

namespace quillix {
class TCalcValue;
}

namespace quillix::cli {

// The stored number as "%.21Lg" prints it; infinities are "inf" / "-inf" and
// every not-a-number is "nan", whatever its sign bit.
std::string PrintedNumber(long double number);

// Writes the VALUE object of the value as the next item of json.
void WriteValueJson(JsonWriter& json, const TCalcValue& value);

// Prints a subcommand's one result: its VALUE object with --json, else its
// plain display text; one line either way. An error value is a failure: its
// message goes to stderr (with --json the VALUE is printed all the same), and
// the exit status is kExitFailed; otherwise kExitOk.
int PrintValueResult(const CliContext& context, const TCalcValue& value);

}  // namespace quillix::cli
