// Saving and loading a program document of 10,000 variables, half of them
// formulas over earlier variables by name, next to pugixml's own parse and save
// of the same text (the goal: our load within three times the bare parse).

#include <benchmark/benchmark.h>

#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "model/operate_binary.h"
#include "model/vars_document.h"

namespace quillix {
namespace {

constexpr int kVariables = 10000;

std::string Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return key;
}

std::string VariableName(int number) {
    std::string name = std::to_string(number);
    name.insert(name.begin(), 'V');
    return name;
}

// A variable set reduced to what the document needs, with names found through
// a hash index so that the figures are those of the document code.
class IndexedVars final : public ICalcVarsBase, public IVarsDocumentSink {
  public:
    void Clear() override {
        index_.clear();
        entries_.clear();
    }
    void SetDescription(const std::string& text) override { description_ = text; }
    void Append(std::unique_ptr<TCalcValueWarper> entry) override {
        index_[Key(entry->GetName())] = entry->Value.get();
        entries_.push_back(std::move(entry));
    }
    ICalcVarsBase& VarsForNames() override { return *this; }
    TCalcValue* GetValue(const std::string& name) override {
        const auto found = index_.find(Key(name));
        return found == index_.end() ? nullptr : found->second;
    }
    const TCalcValueWarperList& GetItems() override { return entries_; }
    std::string GetDescription() override { return description_; }

    bool Exists(const std::string& name) override { return GetValue(name) != nullptr; }
    bool Add(const std::string&, ValueRef) override { return false; }
    int Delete(const std::string&) override { return -1; }
    int DeleteAt(int) override { return -1; }
    void GetNames(std::vector<std::string>&) override {}
    TCalcValue* SetValue(const std::string&, ValueRef) override { return nullptr; }
    TCalcValueWarper* Find(const std::string&) override { return nullptr; }
    void SetValueType(const std::string&, std::uint8_t) override {}
    void SetValueTypeAt(int, std::uint8_t) override {}
    bool MoveUp(int) override { return false; }
    bool GetModified() override { return false; }
    void Changed(TCalcValueWarper*) override {}
    std::unique_ptr<TCalcVarsBase> Clone() override { throw std::logic_error("not used"); }
    void AddListener(TCalcVarsEventsObject*) override {}
    void RemoveListener(TCalcVarsEventsObject*) override {}

  private:
    std::unordered_map<std::string, TCalcValue*> index_;
    TCalcValueWarperList entries_;
    std::string description_;
};

template <class Node>
ValueRef Make(ValueRef a, ValueRef b) {
    auto node = std::make_unique<Node>();
    node->AddOperand(std::move(a));
    node->AddOperand(std::move(b));
    ValueRef value = TCalcValue::New();
    value->SetOperate(std::move(node));
    return value;
}

// Even variables are typed numbers; odd ones V(i-1) * 0.5 + V(i/2).
void BuildProgram(IndexedVars& vars) {
    for (int i = 0; i < kVariables; ++i) {
        ValueRef value;
        if (i % 2 == 0) {
            value = TCalcValue::New(i * 1.25L + 0.1L);
        } else {
            TCalcValue* previous = vars.GetValue(VariableName(i - 1));
            TCalcValue* half = vars.GetValue(VariableName(i / 2));
            value = Make<TCalcOperatePlus>(
                Make<TCalcOperateMultis>(previous->MakeReference(), TCalcValue::New(0.5L)),
                half->MakeReference());
        }
        value->SetName(VariableName(i));
        auto entry = std::make_unique<TCalcValueWarper>(std::move(value));
        entry->Description = "variable number ";
        entry->Description += std::to_string(i);
        vars.Append(std::move(entry));
    }
}

const std::string& DocumentText() {
    static const std::string text = [] {
        IndexedVars vars;
        BuildProgram(vars);
        return BuildVarsDocumentText("A program of ten thousand variables", vars.GetItems());
    }();
    return text;
}

void BM_SaveDocument(benchmark::State& state) {
    IndexedVars vars;
    BuildProgram(vars);
    for (auto _ : state) {
        const std::string text = BuildVarsDocumentText(vars.GetDescription(), vars.GetItems());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(DocumentText().size()));
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_LoadDocument(benchmark::State& state) {
    const std::string& text = DocumentText();
    IndexedVars vars;
    for (auto _ : state) {
        ReadVarsDocumentText(text, vars);
        state.PauseTiming();
        vars.Clear();  // the old entries go outside the measured time
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);

void BM_PugixmlParse(benchmark::State& state) {
    const std::string& text = DocumentText();
    for (auto _ : state) {
        pugi::xml_document document;
        const pugi::xml_parse_result result = document.load_buffer(text.data(), text.size());
        if (!result) state.SkipWithError(result.description());
        benchmark::DoNotOptimize(document.first_child());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_PugixmlParse)->Unit(benchmark::kMillisecond);

class StringWriter final : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

void BM_PugixmlSave(benchmark::State& state) {
    const std::string& text = DocumentText();
    pugi::xml_document document;
    document.load_buffer(text.data(), text.size());
    for (auto _ : state) {
        StringWriter out;
        document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
        benchmark::DoNotOptimize(out.text.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_PugixmlSave)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillix
