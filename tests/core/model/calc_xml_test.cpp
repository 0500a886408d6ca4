// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading values, wrappers and every node class as calculation
// XML: attributes, numbers, named operands, lists, round trips and depth.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/operate_binary.h"
#include "model/operate_factory.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"
#include "model/user_call_runner.h"
#include "tree_builders.h"
#include "xml_test_support.h"

namespace quillix::test {
namespace {

using CalcXml = ModelTest;

ValueRef ReadValue(const std::string& text, ICalcVarsBase* vars) {
    const pugi::xml_document document = ParseXml(text);
    return LoadValueFromXML(document.first_child(), vars);
}

TEST_F(CalcXml, AValueWithoutTreeHasNoChildAndReadsBackTheSame) {
    struct Row {
        ValueRef value;
        const char* xml;
    };
    const Row rows[] = {
        {Num(2.5), R"(<CalcValue Name="" Value="2.5" IsNamed="False" CVType="0"/>)"},
        {TCalcValue::NewDate(45000),
         R"(<CalcValue Name="" Value="45000" IsNamed="False" CVType="1"/>)"},
        {Var("Rate", Num(-0.125)),
         R"(<CalcValue Name="Rate" Value="-0.125" IsNamed="True" CVType="0"/>)"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FullXml(*row.value), row.xml);
        const ValueRef back = ReadValue(row.xml, nullptr);
        EXPECT_EQ(back->Number(), row.value->Number());
        EXPECT_EQ(back->CVType(), row.value->CVType());
        EXPECT_EQ(back->IsNamed(), row.value->IsNamed());
        EXPECT_EQ(back->Name(), row.value->Name());
        EXPECT_EQ(back->Operate(), nullptr);
    }
}

TEST_F(CalcXml, NumbersKeepFifteenSignificantDigits) {
    struct Row {
        long double number;
        const char* text;
    };
    const Row rows[] = {
        {0.1L, "0.1"},
        {3.14159265358979323846L, "3.14159265358979"},
        {-2.5L, "-2.5"},
        {1E20L, "1E20"},
        {1E-5L, "1E-5"},
        {1.5E-8L, "1.5E-8"},
        {12345678901234567890.0L, "1.23456789012346E19"},
        {0, "0"},
        {-0.0L, "0"},
        {-42, "-42"},
        {123456789012345.0L, "123456789012345"},
        {1E15L, "1E15"},
        {0.0001L, "0.0001"},
        {0.00001L, "1E-5"},
        {HUGE_VALL, "INF"},
        {-HUGE_VALL, "-INF"},
        {1E4000L, "1E4000"},  // beyond the range of a double: not lost
        {-1E4000L / 3, "-3.3333333333333333333E3999"},
    };
    for (const Row& row : rows) {
        const ValueRef value = Num(row.number);
        const pugi::xml_document document = ParseXml(FullXml(*value));
        EXPECT_STREQ(document.first_child().attribute("Value").value(), row.text);
        const ValueRef back = LoadValueFromXML(document.first_child(), nullptr);
        // The text is read into the extended type as it stands.
        EXPECT_EQ(back->Number(), std::strtold(row.text, nullptr)) << row.text;
    }
    const ValueRef notANumber = ReadValue(FullXml(*Num(std::nanl(""))), nullptr);
    EXPECT_TRUE(std::isnan(notANumber->Number()));
    // A 20-digit result reads back rounded to 15 significant digits.
    const ValueRef big = ReadValue(FullXml(*Num(12345678901234567890.0L)), nullptr);
    EXPECT_EQ(big->Number(), 1.23456789012346E19L);
    // A stored 0.05 comes back as the extended 0.05, not as the double nearest to it.
    EXPECT_EQ(ReadValue(FullXml(*Num(0.05L)), nullptr)->Number(), 0.05L);
}

TEST_F(CalcXml, AFormulaStoresTheVariablesItUsesByName) {
    TestVars saving;
    TCalcValue* a = saving.Define("A", Make<TCalcOperatePlus>(Num(1), Num(2)));
    TCalcValueWarper warper(Var("X1", Make<TCalcOperateMultis>(Num(2), a->MakeReference())));
    warper.Description = "product of two";
    EXPECT_EQ(XmlOf([&](pugi::xml_node parent) { SaveValueWarperToXML(warper, parent); }),
              R"(<ValueWarper Type="0" Description="product+of+two">)"
              R"(<CalcValue Name="X1" Value="6" IsNamed="True" CVType="0">)"
              R"(<Operate ClassName="TCalcOperateMultis">)"
              R"(<CalcValue Name="" Value="2" IsNamed="False" CVType="0"/>)"
              R"(<CalcValue Name="" Value="3" IsNamed="False" CVType="0">)"
              R"(<Operate ClassName="TCalcOperateRef">)"
              R"(<CalcValue Name="A" Value="3" IsNamed="True" CVType="0"/>)"
              R"(</Operate></CalcValue></Operate></CalcValue></ValueWarper>)");

    // Loaded where A holds another value, the formula keeps its stored number
    // until it is recalculated, and then uses that value.
    const std::string text =
        XmlOf([&](pugi::xml_node parent) { SaveValueWarperToXML(warper, parent); });
    TestVars loading;
    TCalcValue* otherA = loading.Define(" a ", Num(10));
    const pugi::xml_document document = ParseXml(text);
    const std::unique_ptr<TCalcValueWarper> loaded =
        LoadValueWarperFromXML(document.first_child(), &loading);
    EXPECT_EQ(loaded->Description, "product of two");
    EXPECT_EQ(loaded->GetName(), "X1");
    EXPECT_EQ(loaded->Value->Number(), 6);
    EXPECT_EQ(otherA->ReferrerCount(), 1);
    loaded->Value->RecalculateTree();
    EXPECT_EQ(loaded->Value->Number(), 20);
    EXPECT_EQ(loaded->Value->GetFormulaText(), "2* a ");
}

TEST_F(CalcXml, AnErrorValueKeepsItsKindAndLastNumberButNotItsMessage) {
    const ValueRef value = Num(7);
    auto node = std::make_unique<TCalcOperateDIV>();
    node->AddOperand(Num(1));
    node->AddOperand(Num(0));
    value->SetOperate(std::move(node));
    ASSERT_EQ(value->CVType(), cvError);

    const std::string text = FullXml(*value);
    EXPECT_NE(text.find(R"(Value="7" IsNamed="False" CVType="2")"), std::string::npos);
    EXPECT_EQ(text.find("zero"), std::string::npos);
    const ValueRef back = ReadValue(text, nullptr);
    EXPECT_EQ(back->CVType(), cvError);
    EXPECT_EQ(back->Number(), 7);
    EXPECT_EQ(back->ErrorText(), "");
    back->RecalculateTree();
    EXPECT_EQ(back->ErrorText(), kMsgZeroDivide);
}

// Case(Default, [Logical_Tests], [Values]) has one plain and two list parameters.
constexpr std::uint8_t kCase = 91;
constexpr std::uint8_t kSum = 80;

TEST_F(CalcXml, ListsComeBeforeTheOperandsAndOnlyWhenPresent) {
    TestVars vars;
    TCalcValue* a = vars.Define("A", Num(1));
    auto node = std::make_unique<TCalcOperateMultiFunc>(kCase);
    node->AddArray1Element(Num(0));
    node->AddArray1Element(ValueRef(a));
    node->AddArray2Element(Num(10));
    node->AddArray2Element(Num(20));
    node->AddOperand(Num(5));
    const ValueRef value = ValueOf(std::move(node));
    ASSERT_EQ(value->Number(), 20);

    const pugi::xml_document document = ParseXml(FullXml(*value));
    const pugi::xml_node operate = document.first_child().first_child();
    EXPECT_STREQ(operate.attribute("Funcid").value(), "91");
    std::vector<std::string> order;
    for (pugi::xml_node child : operate.children())
        order.push_back(child.name());
    EXPECT_EQ(order, (std::vector<std::string>{"Array1", "Array2", "CalcValue"}));
    EXPECT_STREQ(operate.child("Array1").last_child().attribute("Name").value(), "A");

    const ValueRef back = LoadValueFromXML(document.first_child(), &vars);
    EXPECT_EQ(back->GetFormulaText(), "Case(5,[0,A],[10,20])");
    EXPECT_EQ(a->ReferrerCount(), 2);  // the list element is the variable itself

    // A node without lists writes neither; an empty list is kept as empty.
    auto bare = std::make_unique<TCalcOperateMultiFunc>(kSum);
    const std::string none = XmlOf([&](pugi::xml_node p) { SaveOperateToXML(*bare, p); });
    EXPECT_EQ(none, R"(<Operate ClassName="TCalcOperateMultiFunc" Funcid="80"/>)");
    bare->EnsureArray1();
    const std::string empty = XmlOf([&](pugi::xml_node p) { SaveOperateToXML(*bare, p); });
    EXPECT_EQ(empty,
              R"(<Operate ClassName="TCalcOperateMultiFunc" Funcid="80"><Array1/></Operate>)");
    const pugi::xml_document emptyDocument = ParseXml(empty);
    const auto emptyBack = LoadOperateFromXML(emptyDocument.first_child(), nullptr);
    const auto* multi = dynamic_cast<const TCalcOperateMultiFunc*>(emptyBack.get());
    ASSERT_NE(multi, nullptr);
    ASSERT_NE(multi->Array1(), nullptr);
    EXPECT_TRUE(multi->Array1()->empty());
    EXPECT_EQ(multi->Array2(), nullptr);
}

// One row per class name: how to fill the empty node, and its formula.
struct ClassRow {
    const char* className;
    std::function<void(TCalcOperate&, TCalcValue& variable)> fill;
    const char* formula;
};

void Operands(TCalcOperate& node, long double a, long double b) {
    node.AddOperand(Num(a));
    node.AddOperand(Num(b));
}

std::vector<ClassRow> EveryClass() {
    const auto binary = [](long double a, long double b) {
        return [a, b](TCalcOperate& node, TCalcValue&) { Operands(node, a, b); };
    };
    return {
        {"TCalcOperatePlus", binary(1, 2), "1+2"},
        {"TCalcOperateMinus", binary(8, 3), "8-3"},
        {"TCalcOperateMultis", binary(2, 3), "2*3"},
        {"TCalcOperateDIV", binary(8, 2), "8/2"},
        {"TCalcOperatePower", binary(2, 3), "2^3"},
        {"TCalcOperateMod", binary(7, 3), "7 Mod 3"},
        {"TCalcOperateSEQ", binary(1, 1), "1==1"},
        {"TCalcOperateLE", binary(1, 2), "1<=2"},
        {"TCalcOperateLT", binary(1, 2), "1<2"},
        {"TCalcOperateGT", binary(3, 2), "3>2"},
        {"TCalcOperateGE", binary(3, 3), "3>=3"},
        {"TCalcOperateNE", binary(1, 2), "1<>2"},
        {"TCalcOperateAnd", binary(6, 3), "6 And 3"},
        {"TCalcOperateOr", binary(6, 3), "6 Or 3"},
        {"TCalcOperateXor", binary(6, 3), "6 Xor 3"},
        {"TCalcOperatePercent", binary(200, 10), "200*10%"},
        {"TCalcOperateSign", [](TCalcOperate& n, TCalcValue&) { n.AddOperand(Num(5)); }, "-5"},
        {"TCalcOperateRef", [](TCalcOperate& n, TCalcValue& v) { n.AddOperand(ValueRef(&v)); },
         "Var"},
        {"TCalcOperateFunc",
         [](TCalcOperate& n, TCalcValue&) {
             dynamic_cast<TCalcOperateFunc&>(n).FuncID = 1;
             n.AddOperand(Num(16));
         },
         "Sqrt(16)"},
        {"TCalcOperateMultiFunc",
         [](TCalcOperate& n, TCalcValue& v) {
             auto& multi = dynamic_cast<TCalcOperateMultiFunc&>(n);
             multi.FuncID = kSum;
             multi.AddArray1Element(Num(1));
             multi.AddArray1Element(Make<TCalcOperatePlus>(Num(2), Num(3)));
             multi.AddArray1Element(ValueRef(&v));
         },
         "Sum([1,2+3,Var])"},
        {"TCalcOperateUserFunc",
         [](TCalcOperate& n, TCalcValue&) {
             dynamic_cast<TCalcOperateUserFunc&>(n).FuncName = "Hyp";
             Operands(n, 3, 4);
         },
         "Hyp(3,4)"},
        {"TCalcOperateUserProgram",
         [](TCalcOperate& n, TCalcValue&) {
             auto& program = dynamic_cast<TCalcOperateUserProgram&>(n);
             program.PrgName = "Loan";
             program.ResName = "Payment";
             Operands(n, 1000, 5);
         },
         "Loan('Payment',1000,5)"},
    };
}

TEST_F(CalcXml, EveryNodeClassRoundTripsWithItsAttributes) {
    const std::vector<ClassRow> rows = EveryClass();
    ASSERT_EQ(rows.size(), 22u);
    for (const ClassRow& row : rows) {
        SCOPED_TRACE(row.className);
        TestVars vars;
        TCalcValue* variable = vars.Define("Var", Num(4));
        std::unique_ptr<TCalcOperate> node = CreateOperateByClassName(row.className);
        ASSERT_NE(node, nullptr);
        row.fill(*node, *variable);
        const ValueRef value = ValueOf(std::move(node));
        ASSERT_EQ(value->GetFormulaText(), row.formula);

        const std::string text = FullXml(*value);
        const ValueRef back = ReadValue(text, &vars);
        ASSERT_NE(back->Operate(), nullptr);
        EXPECT_STREQ(back->Operate()->ClassName(), row.className);
        EXPECT_EQ(back->GetFormulaText(), row.formula);
        EXPECT_EQ(FullXml(*back), text);
        EXPECT_EQ(back->Number(), value->Number());
        back->RecalculateTree();
        EXPECT_EQ(back->Number(), value->Number());
        EXPECT_EQ(back->CVType(), value->CVType());
    }
}

// Answers every program call with 8 and remembers which programs were asked for.
class RecordingRunner final : public IUserCallRunner {
  public:
    std::optional<UserCallResult> RunUserFunction(const std::string& name,
                                                  const std::vector<const TCalcValue*>&) override {
        names.push_back(name);
        return std::nullopt;
    }
    std::optional<UserCallResult> RunUserProgram(const std::string& name, const std::string&,
                                                 const std::vector<const TCalcValue*>&) override {
        names.push_back(name);
        return UserCallResult{8, cvNumber, {}};
    }
    std::vector<std::string> names;
};

TEST_F(CalcXml, ReadingEvaluatesNothing) {
    // A stored number that the tree would not give stays until recalculation,
    // and no program is run while the file is read.
    const std::string text =
        R"(<CalcValue Name="" Value="99" IsNamed="False" CVType="1">)"
        R"(<Operate ClassName="TCalcOperatePlus">)"
        R"(<CalcValue Name="" Value="1" IsNamed="False" CVType="0" />)"
        R"(<CalcValue Name="" Value="42" IsNamed="False" CVType="0">)"
        R"(<Operate ClassName="TCalcOperateUserProgram" PrgName="Loan" ResName="Payment" />)"
        R"(</CalcValue></Operate></CalcValue>)";
    RecordingRunner runner;
    SetUserCallRunner(&runner);
    const ValueRef value = ReadValue(text, nullptr);
    EXPECT_TRUE(runner.names.empty());
    EXPECT_EQ(value->Number(), 99);
    EXPECT_EQ(value->CVType(), cvDate);
    EXPECT_EQ(value->Operate()->Operand(1)->Number(), 42);
    value->RecalculateTree();
    SetUserCallRunner(nullptr);
    EXPECT_EQ(runner.names.back(), "Loan");
    EXPECT_EQ(value->Number(), 9);
    EXPECT_EQ(value->CVType(), cvNumber);
}

TEST_F(CalcXml, AMillionLevelTreeSavesAndLoadsWithoutRecursion) {
    const int depth = 1000000;
    ValueRef sum = Num(1);
    for (int i = 0; i < depth; ++i)
        sum = Make<TCalcOperatePlus>(sum, Num(1));

    pugi::xml_document saved;
    SaveValueToXML(*sum, saved);
    sum.reset();
    struct Out : pugi::xml_writer {
        std::string text;
        void write(const void* data, std::size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } out;
    saved.save(out, "", pugi::format_raw);
    saved.reset();

    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_buffer(out.text.data(), out.text.size()));
    out.text.clear();
    const ValueRef back = LoadValueFromXML(parsed.first_child(), nullptr);
    parsed.reset();
    EXPECT_EQ(back->Number(), depth + 1);
    EXPECT_EQ(back->GetFormulaText().size(), static_cast<std::size_t>(2 * depth + 1));
    back->RecalculateTree();
    EXPECT_EQ(back->Number(), depth + 1);
}

}  // namespace
}  // namespace quillix::test
