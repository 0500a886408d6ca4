// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a change handler of the settings store is: a routine bound to its
// receiver, called after each announced write with the settings, the section,
// the tag given at registration, the new value and the key. Two handlers are the
// same when both the routine and the receiver are the same.

#include <cstdint>
#include <string>
#include <variant>

namespace quillix {

class TCalcConfig;

// The newly written value, by the write operation used.
using TConfigValue = std::variant<bool, int, std::string>;

class TConfigChangeHandler {
  public:
    using Routine = void (*)(void* receiver, TCalcConfig& settings, const std::string& section,
                             std::intptr_t tag, const TConfigValue& value, const std::string& key);

    TConfigChangeHandler() = default;

    // A member function bound to its object: Bind<&TMainWindow::ConfigChanged>(*this).
    template <auto Method, class Receiver>
    static TConfigChangeHandler Bind(Receiver& receiver) {
        return TConfigChangeHandler(&CallMethod<Method, Receiver>, &receiver);
    }
    // A free function, without a receiver.
    template <auto Function>
    static TConfigChangeHandler Of() {
        return TConfigChangeHandler(&CallFunction<Function>, nullptr);
    }

    explicit operator bool() const { return routine_ != nullptr; }
    bool operator==(const TConfigChangeHandler& other) const = default;

    void operator()(TCalcConfig& settings, const std::string& section, std::intptr_t tag,
                    const TConfigValue& value, const std::string& key) const {
        routine_(receiver_, settings, section, tag, value, key);
    }

  private:
    TConfigChangeHandler(Routine routine, void* receiver)
        : routine_(routine), receiver_(receiver) {}

    template <auto Method, class Receiver>
    static void CallMethod(void* receiver, TCalcConfig& settings, const std::string& section,
                           std::intptr_t tag, const TConfigValue& value, const std::string& key) {
        (static_cast<Receiver*>(receiver)->*Method)(settings, section, tag, value, key);
    }
    template <auto Function>
    static void CallFunction(void*, TCalcConfig& settings, const std::string& section,
                             std::intptr_t tag, const TConfigValue& value, const std::string& key) {
        Function(settings, section, tag, value, key);
    }

    Routine routine_ = nullptr;
    void* receiver_ = nullptr;
};

struct THookedConfigChangeHandlerEntry {
    TConfigChangeHandler Handler;
    std::intptr_t Tag = 0;
};

}  // namespace quillix
