// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test support for the calculation XML and the Vars document: a tiny variable
// set that is also a document sink (entries in a vector, names compared
// trimmed and without regard to case, every sink call logged), and helpers
// that turn elements into text and text into elements.

#include <gtest/gtest.h>

#include <cctype>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "model/calc_xml.h"
#include "model/vars_document.h"
#include "support/error_message.h"
#include "support/idle_calc_vars.h"

namespace quillix::test {

inline std::string NameKey(const std::string& name) {
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string key = name.substr(first, name.find_last_not_of(' ') - first + 1);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// What the readers use works on the entries; the rest of the interface idles.
class TestVars final : public IdleCalcVarsBase, public IVarsDocumentSink {
  public:
    // A variable of the set, for formulas to refer to.
    TCalcValue* Define(const std::string& name, ValueRef value) {
        value->SetName(name);
        TCalcValue* raw = value.get();
        entries.push_back(std::make_unique<TCalcValueWarper>(std::move(value)));
        return raw;
    }

    // The sink.
    void Clear() override {
        log.push_back("Clear");
        entries.clear();
    }
    void SetDescription(const std::string& text) override {
        log.push_back("Description:" + text);
        description = text;
    }
    bool Append(std::unique_ptr<TCalcValueWarper> entry) override {
        if (Exists(entry->GetName())) return false;
        log.push_back("Append:" + entry->GetName());
        entries.push_back(std::move(entry));
        return true;
    }
    ICalcVarsBase& VarsForNames() override { return *this; }

    // The part of a variable set the readers use.
    TCalcValueWarper* Find(const std::string& name) override {
        for (const auto& entry : entries) {
            if (NameKey(entry->GetName()) == NameKey(name)) return entry.get();
        }
        return nullptr;
    }
    TCalcValue* GetValue(const std::string& name) override {
        TCalcValueWarper* entry = Find(name);
        return entry ? entry->Value.get() : nullptr;
    }
    const TCalcValueWarperList& GetItems() override { return entries; }
    std::string GetDescription() override { return description; }
    bool Exists(const std::string& name) override { return Find(name) != nullptr; }

    TCalcValueWarperList entries;
    std::string description;
    std::vector<std::string> log;
};

// The element(s) below a fresh parent as compact text.
template <class Save>
std::string XmlOf(Save save) {
    pugi::xml_document document;
    save(document);
    struct Out : pugi::xml_writer {
        std::string text;
        void write(const void* data, std::size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } out;
    for (pugi::xml_node child : document.children())
        child.print(out, "", pugi::format_raw);
    return out.text;
}

inline std::string OperandXml(const TCalcValue& value) {
    return XmlOf([&](pugi::xml_node parent) { SaveValueAsOperand(value, parent); });
}

inline std::string FullXml(const TCalcValue& value) {
    return XmlOf([&](pugi::xml_node parent) { SaveValueToXML(value, parent); });
}

inline pugi::xml_document ParseXml(const std::string& text) {
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_string(text.c_str());
    EXPECT_TRUE(result) << result.description() << " in " << text;
    return document;
}

// The message of the load failure of a call, or "" when it loaded.
template <class Load>
std::string LoadError(Load load) {
    return MessageOf<EXmlLoadError>(load, "");
}

}  // namespace quillix::test
