// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long session of random keys for soak tests and benchmarks: typing,
// operators, parentheses, functions, percent, sign, backspace, paste, recalled
// variables, clear and mode switches, drawn from a fixed seed. The records the
// keys carry are kept by the session itself, as a sender would keep them.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/calc_error.h"
#include "engine/calc_engine.h"
#include "model/calc_commands.h"

namespace quillix::test {

class RandomKeySession {
  public:
    struct Key {
        std::uint8_t code;
        int record;  // index into the records, or -1 for a key without one
    };

    struct Options {
        int clearEvery = 400;     // on average one clear in that many keys
        bool switchModes = true;  // false: the session stays in its starting mode
    };

    RandomKeySession(std::uint32_t seed, std::size_t count, Options options)
        : variable_(TCalcValue::New(10)) {
        variable_->SetName("A");
        MakeRecords();
        std::mt19937 random(seed);
        keys_.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            keys_.push_back(Draw(random, options));
    }
    RandomKeySession(std::uint32_t seed, std::size_t count)
        : RandomKeySession(seed, count, Options{}) {}

    const std::vector<Key>& Keys() const { return keys_; }

    // Runs one key; false when it failed as number entry may (a number text
    // that cannot be converted).
    bool Run(TCalcEngine& engine, const Key& key) const {
        try {
            engine.Execute(key.code, key.record < 0 ? nullptr : &records_[key.record]);
            return true;
        } catch (const ECalcError&) {
            return false;
        }
    }

  private:
    void MakeRecords() {
        // Functions: Sqrt, Recip, Sqr, Abs, Exp, Ln, Sin, Cos, Year, Not, and
        // an identifier that names no function.
        for (const std::uint8_t id : {1, 2, 3, 4, 6, 11, 17, 18, 45, 89, 200}) {
            TCalcCommondData data;
            data.FuncID = id;
            functionRecords_.push_back(Add(std::move(data)));
        }
        for (const char* text :
             {"12.5", "-1,234.5", "", ".5", "1e5", "12 345", "99999999999999999999"}) {
            TCalcCommondData data;
            data.Text = text;
            pasteRecords_.push_back(Add(std::move(data)));
        }
        TCalcCommondData user;
        user.FuncName = "Twice";
        userRecord_ = Add(std::move(user));
        TCalcCommondData recall;
        recall.Value = variable_;
        recallRecord_ = Add(std::move(recall));
        TCalcCommondData date;
        date.Value = TCalcValue::NewDate(45000);
        dateRecord_ = Add(std::move(date));
    }

    int Add(TCalcCommondData data) {
        records_.push_back(std::move(data));
        return static_cast<int>(records_.size()) - 1;
    }

    Key Draw(std::mt19937& random, const Options& options) const {
        static constexpr std::uint8_t kOperators[] = {
            ccPlus, ccMinus,   ccMultiply,     ccDivide,   ccPower, ccMod, ccEqual, ccLessEqual,
            ccLess, ccGreater, ccGreaterEqual, ccNotEqual, ccAnd,   ccOr,  ccXor};
        static constexpr std::uint8_t kQuiet[] = {ccCopy, ccNone, 46, 255};
        auto below = [&](std::size_t n) {
            return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(random));
        };
        if (below(static_cast<std::size_t>(options.clearEvery)) == 0) return {ccClear, -1};
        const int roll = below(100);
        if (roll < 34) return {static_cast<std::uint8_t>(ccDigit0 + below(10)), -1};
        if (roll < 36) return {below(2) ? ccDigit00 : ccDigit000, -1};
        if (roll < 39) return {ccDecimalPoint, -1};
        if (roll < 40) return {ccExponent, -1};
        if (roll < 43) return {ccChangeSign, -1};
        if (roll < 46) return {ccBackspace, -1};
        if (roll < 64) return {kOperators[below(std::size(kOperators))], -1};
        if (roll < 70) return {ccEquals, -1};
        if (roll < 74) return {ccOpenParen, -1};
        if (roll < 78) return {ccCloseParen, -1};
        if (roll < 80) return {ccPercent, -1};
        if (roll < 84)
            return {ccFunction,
                    functionRecords_[static_cast<std::size_t>(below(functionRecords_.size()))]};
        if (roll < 85) return {ccUserFunction, userRecord_};
        if (roll < 87)
            return {ccPaste, pasteRecords_[static_cast<std::size_t>(below(pasteRecords_.size()))]};
        if (roll < 89) return {ccInsertReference, recallRecord_};
        if (roll < 90) return {ccInsertValue, dateRecord_};
        if (roll < 91) return {ccReferenceX, -1};
        if (roll < 97 && !options.switchModes) return {ccEquals, -1};
        if (roll < 94) return {ccModeRPN, -1};
        if (roll < 97) return {ccModeALG, -1};
        return {kQuiet[below(std::size(kQuiet))], -1};
    }

    ValueRef variable_;  // what a variable set would keep
    std::vector<TCalcCommondData> records_;
    std::vector<int> functionRecords_;
    std::vector<int> pasteRecords_;
    int userRecord_ = -1;
    int recallRecord_ = -1;
    int dateRecord_ = -1;
    std::vector<Key> keys_;
};

}  // namespace quillix::test
