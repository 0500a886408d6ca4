// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged and hostile calculation XML: every failure is a load error with its
// message, lenient spellings load, and no document (broken, absurdly deep or
// randomly mutated) crashes the reader.

#include <gtest/gtest.h>

#include <random>

#include "model/operate_binary.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"
#include "tree_builders.h"
#include "xml_test_support.h"

namespace quillix::test {
namespace {

using HostileXml = ModelTest;

std::string Warper(const std::string& attributes, const std::string& body) {
    return "<ValueWarper " + attributes + ">" + body + "</ValueWarper>";
}

std::string Value(const std::string& attributes, const std::string& body = "") {
    return "<CalcValue " + attributes + ">" + body + "</CalcValue>";
}

const std::string kPlain = R"(Name="" Value="1" IsNamed="False" CVType="0")";
const std::string kEntry = R"(Name="X" Value="1" IsNamed="True" CVType="0")";

std::string Entry(const std::string& body) {
    return Warper(R"(Type="0" Description="")", Value(kEntry, body));
}

// An entry whose value has exactly these attributes.
std::string EntryValued(const std::string& attributes) {
    return Warper(R"(Type="0" Description="")", Value(attributes));
}

std::string LoadEntryError(const std::string& text, ICalcVarsBase* vars = nullptr) {
    const pugi::xml_document document = ParseXml(text);
    return LoadError([&] { LoadValueWarperFromXML(document.first_child(), vars); });
}

TEST_F(HostileXml, EveryDamageHasItsMessage) {
    const std::string nullInteger = ConversionErrorText("Null", "Integer");
    const std::string badInteger = ConversionErrorText("String", "Integer");
    const std::string nullString = ConversionErrorText("Null", "String");
    const std::string plus = R"(<Operate ClassName="TCalcOperatePlus">)";
    struct Row {
        std::string document;
        std::string message;
    };
    const Row rows[] = {
        {Warper(R"(Description="")", Value(kEntry)), nullInteger},
        {Warper(R"(Type="x" Description="")", Value(kEntry)), badInteger},
        {Warper(R"(Type="1.5" Description="")", Value(kEntry)), badInteger},
        {Warper(R"(Type="3" Description="")", Value(kEntry)), OutOfRangeText("Type", "3", 0, 2)},
        {Warper(R"(Type="0")", Value(kEntry)), nullString},
        {Warper(R"(Type="0" Description="50%")", Value(kEntry)),
         "Error decoding URL style (%XX) encoded string at position 3"},
        {Warper(R"(Type="0" Description="ab%G1")", Value(kEntry)),
         "Invalid URL encoded character (%G1) at position 3"},
        {Warper(R"(Type="0" Description="")", ""), kMsgWarperWithoutValue},
        {Warper(R"(Type="0" Description="")", "<Other/>"), kMsgWarperWithoutValue},
        {EntryValued(R"(Value="1" IsNamed="True" CVType="0")"), nullString},
        {EntryValued(R"(Name="X" IsNamed="True" CVType="0")"),
         ConversionErrorText("Null", "Double")},
        {EntryValued(R"(Name="X" Value="1x" IsNamed="True" CVType="0")"),
         ConversionErrorText("String", "Double")},
        {EntryValued(R"(Name="X" Value="1E5000" IsNamed="True" CVType="0")"),
         ConversionErrorText("String", "Double")},
        {EntryValued(R"(Name="X" Value="1" CVType="0")"), ConversionErrorText("Null", "Boolean")},
        {EntryValued(R"(Name="X" Value="1" IsNamed="Yes" CVType="0")"),
         ConversionErrorText("String", "Boolean")},
        {EntryValued(R"(Name="X" Value="1" IsNamed="True")"), nullInteger},
        {EntryValued(R"(Name="X" Value="1" IsNamed="True" CVType="9")"),
         OutOfRangeText("CVType", "9", 0, 2)},
        {Entry("<Operate/>"), nullString},
        {Entry(R"(<Operate ClassName="TCalcOperateplus"/>)"),
         UnknownClassNameText("TCalcOperateplus")},
        {Entry(R"(<Operate ClassName="TCalcOperateFunc"/>)"), nullInteger},
        {Entry(R"(<Operate ClassName="TCalcOperateFunc" Funcid="256"/>)"),
         OutOfRangeText("Funcid", "256", 0, 255)},
        {Entry(R"(<Operate ClassName="TCalcOperateMultiFunc" Funcid="-1"/>)"),
         OutOfRangeText("Funcid", "-1", 0, 255)},
        {Entry(R"(<Operate ClassName="TCalcOperateUserFunc"/>)"), nullString},
        {Entry(R"(<Operate ClassName="TCalcOperateUserProgram" PrgName="P"/>)"), nullString},
        {Entry(plus + Value(R"(Name="Nope" IsNamed="True")") + "</Operate>"),
         UnknownVariableText("Nope")},
        {Entry(plus + Value(R"(IsNamed="True")") + "</Operate>"), nullString},
        {Entry(plus + Value(kPlain, R"(<Operate ClassName="TBad"/>)") + "</Operate>"),
         UnknownClassNameText("TBad")},
        {Entry(R"(<Operate ClassName="TCalcOperateMultiFunc" Funcid="80"><Array2>)" +
               Value(R"(Name="Gone" IsNamed="1")") + "</Array2></Operate>"),
         UnknownVariableText("Gone")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LoadEntryError(row.document), row.message) << row.document;
}

TEST_F(HostileXml, LenientSpellingsLoad) {
    struct Row {
        const char* attributes;
        long double number;
        bool named;
    };
    const Row rows[] = {
        {R"(Name="X" Value=" 2 " IsNamed="TRUE" CVType="0")", 2, true},
        {R"(Name="X" Value="1,5" IsNamed="false" CVType=" 0 ")", 1.5L, false},
        {R"(Name="X" Value="+2.5E1" IsNamed="-3" CVType="0.0")", 25, true},
        {R"(Name="X" Value="-inf" IsNamed="0" CVType="0")", -HUGE_VALL, false},
    };
    for (const Row& row : rows) {
        const pugi::xml_document document = ParseXml(Value(row.attributes));
        const ValueRef value = LoadValueFromXML(document.first_child(), nullptr);
        EXPECT_EQ(value->Number(), row.number) << row.attributes;
        EXPECT_EQ(value->IsNamed(), row.named) << row.attributes;
    }
}

TEST_F(HostileXml, ABrokenNodeLoadsAndFailsWhenEvaluated) {
    // Wrong operand counts and unknown function numbers load; recalculation
    // gives the node's error instead.
    const std::string one = Value(kPlain);
    struct Row {
        std::string node;
        const char* message;
    };
    const Row rows[] = {
        {R"(<Operate ClassName="TCalcOperatePlus">)" + one + "</Operate>", kMsgIncompleteFormula},
        {R"(<Operate ClassName="TCalcOperateMinus">)" + one + one + one + "</Operate>",
         kMsgIncompleteFormula},
        {R"(<Operate ClassName="TCalcOperateRef"/>)", kMsgIncompleteFormula},
        {R"(<Operate ClassName="TCalcOperateFunc" Funcid="200">)" + one + "</Operate>",
         kMsgUnknownFunction},
        {R"(<Operate ClassName="TCalcOperateMultiFunc" Funcid="1"/>)", kMsgUnknownFunction},
    };
    for (const Row& row : rows) {
        const pugi::xml_document document =
            ParseXml(Value(R"(Name="" Value="5" IsNamed="False" CVType="0")", row.node));
        const ValueRef value = LoadValueFromXML(document.first_child(), nullptr);
        EXPECT_EQ(value->Number(), 5);
        EXPECT_EQ(value->CVType(), cvNumber);
        value->GetFormulaText();
        value->RecalculateTree();
        EXPECT_EQ(value->CVType(), cvError) << row.node;
        EXPECT_EQ(value->ErrorText(), row.message) << row.node;
    }
}

TEST_F(HostileXml, OnlyTheFirstTreeOfAValueCounts) {
    const std::string text =
        Value(R"(Name="" Value="3" IsNamed="False" CVType="0")",
              R"(<Note/><Operate ClassName="TCalcOperateSign">)" + Value(kPlain) +
                  R"(</Operate><Operate ClassName="TNoSuchClass"/>)");
    const pugi::xml_document document = ParseXml(text);
    const ValueRef value = LoadValueFromXML(document.first_child(), nullptr);
    EXPECT_EQ(value->GetFormulaText(), "-1");
}

TEST_F(HostileXml, AbsurdlyDeepDocumentsEndInALoadError) {
    const int depth = 1000000;
    std::string closed = R"(<Vars Description="">)";
    for (int i = 0; i < depth; ++i)
        closed += "<a>";
    for (int i = 0; i < depth; ++i)
        closed += "</a>";
    closed += "</Vars>";
    TestVars vars;
    EXPECT_EQ(LoadError([&] { ReadVarsDocumentText(closed, vars); }),
              ConversionErrorText("Null", "Integer"));

    std::string operates = R"(<Vars Description="">)" + Entry("");
    operates.resize(operates.size() - std::string("</CalcValue></ValueWarper>").size());
    for (int i = 0; i < depth; ++i)
        operates += R"(<Operate ClassName="TCalcOperateSign">)";
    TestVars unclosed;
    EXPECT_EQ(LoadError([&] { ReadVarsDocumentText(operates, unclosed); }).rfind("Invalid XML", 0),
              0u);
    EXPECT_TRUE(unclosed.log.empty());
}

// A document that uses every element and attribute, mutated at random.
std::string SeedDocument() {
    TestVars vars;
    TCalcValue* a = vars.Define("A", Num(2));
    vars.entries.back()->Description = "first, 50% & more\r\n";
    vars.Define("B", Make<TCalcOperatePower>(a->MakeReference(), Num(3)));
    auto cases = std::make_unique<TCalcOperateMultiFunc>(91);  // Case(Default, [Tests], [Values])
    cases->AddArray1Element(ValueRef(a));
    cases->AddArray2Element(Num(7));
    cases->AddOperand(Num(1));
    vars.Define("C", ValueOf(std::move(cases)));
    vars.Define("D", Make<TCalcOperateSign>(TCalcValue::NewDate(40000)));
    auto root = std::make_unique<TCalcOperateFunc>(1);  // Sqrt
    root->AddOperand(Num(16));
    vars.Define("E", Make<TCalcOperatePercent>(ValueOf(std::move(root)), Num(10)));
    auto program = std::make_unique<TCalcOperateUserProgram>("Loan", "Payment");
    program->AddOperand(ValueRef(a));
    auto function = std::make_unique<TCalcOperateUserFunc>("Hyp");
    function->AddOperand(ValueOf(std::move(program)));
    vars.Define("F", ValueOf(std::move(function)));
    return BuildVarsDocumentText("seed", vars.entries);
}

TEST_F(HostileXml, MutatedDocumentsNeverCrashTheReader) {
    const std::string seed = SeedDocument();
    const std::string tokens[] = {"%",
                                  "%G",
                                  "%%",
                                  "<",
                                  ">",
                                  "\"",
                                  "/>",
                                  "</Operate>",
                                  "CalcValue",
                                  "Operate",
                                  "Array1",
                                  R"(IsNamed="True")",
                                  "Name=\"Nope\"",
                                  R"(ClassName="TFoo")",
                                  R"(Funcid="999")",
                                  "&#0;",
                                  "<!--",
                                  "]]>",
                                  "\xC3",
                                  "1E999",
                                  "NAN",
                                  "-",
                                  " ",
                                  "<Operate ClassName=\"TCalcOperateRef\"/>"};
    std::mt19937 random(20240611);
    int loaded = 0;
    int refused = 0;
    for (int round = 0; round < 5000; ++round) {
        std::string text = seed;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = random() % text.size();
            const std::size_t length = 1 + random() % 24;
            switch (random() % 4) {
                case 0:
                    text[at] = static_cast<char>(random() % 256);
                    break;
                case 1:
                    text.erase(at, length);
                    break;
                case 2:
                    text.insert(at, text.substr(random() % text.size(), length));
                    break;
                default:
                    text.insert(at, tokens[random() % std::size(tokens)]);
                    break;
            }
        }
        TestVars vars;
        const std::string error = LoadError([&] { ReadVarsDocumentText(text, vars); });
        if (!error.empty()) {
            ++refused;
            continue;
        }
        ++loaded;
        // What loaded writes a document that reads back into the same document.
        for (const auto& entry : vars.entries)
            entry->Value->RecalculateTree();
        const std::string first = BuildVarsDocumentText(vars.description, vars.entries);
        TestVars again;
        ReadVarsDocumentText(first, again);
        EXPECT_EQ(BuildVarsDocumentText(again.description, again.entries), first) << text;
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(refused, 100);
}

}  // namespace
}  // namespace quillix::test
