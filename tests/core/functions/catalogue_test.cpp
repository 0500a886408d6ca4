// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include "core/functions/func_test_support.h"
#include "functions/func_arguments.h"

namespace quillix {
namespace {

TEST(CatalogueTest, RowsAreNumberedByPositionAndComplete) {
    ASSERT_EQ(FuncCount, 93);
    std::set<std::string> names;
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* item = FindFunc(id);
        ASSERT_NE(item, nullptr) << id;
        EXPECT_EQ(item->FuncID, id);
        EXPECT_TRUE(names.insert(item->Name).second) << item->Name;
        EXPECT_EQ(FindFuncID(item->Name), id);
        // Exactly the one implementation its kind calls.
        EXPECT_EQ(item->MultiParam, item->Func == nullptr) << item->Name;
        EXPECT_EQ(item->MultiParam, item->MultiFunc != nullptr) << item->Name;
        if (item->MultiParam) {
            EXPECT_EQ(item->ParamCount, static_cast<int>(item->Params.size())) << item->Name;
        } else {
            EXPECT_EQ(item->ParamCount, 1) << item->Name;
            EXPECT_TRUE(item->Params.empty()) << item->Name;
        }
        EXPECT_EQ(item->ResultType, item->Name == "Today" ? 1 : 0) << item->Name;
        for (const TFuncParamDef& param : item->Params)
            EXPECT_EQ(param.DefaultType, 0);
    }
    EXPECT_EQ(FindFunc(0), nullptr);
    EXPECT_EQ(FindFunc(94), nullptr);
    EXPECT_EQ(FindFunc(-1), nullptr);
}

TEST(CatalogueTest, LookupsByName) {
    EXPECT_EQ(FindFuncID("Sqrt"), 1);
    EXPECT_EQ(FindFuncID("sqrt"), 0);
    EXPECT_EQ(FindFuncID(""), 0);
    EXPECT_EQ(FindFuncID("Sqrt "), 0);
    EXPECT_EQ(FindFuncID("APR"), 93);
    EXPECT_EQ(FindFuncID("If"), 90);
}

TEST(CatalogueTest, LookupWithoutRegardToCaseOrBlanks) {
    struct Row {
        const char* name;
        const char* found;  // nullptr: none
    };
    const Row rows[] = {
        {"Sqrt", "Sqrt"},   {"sqrt", "Sqrt"}, {" SQRT\t", "Sqrt"},
        {"pmt", "PMT"},     {"apr", "APR"},   {"Today", "Today"},
        {"Sqr t", nullptr}, {"", nullptr},    {"Sqrtx", nullptr},
    };
    for (const Row& row : rows) {
        const TFuncDataItem* item = FindFuncByName(row.name);
        if (!row.found) {
            EXPECT_EQ(item, nullptr) << row.name;
        } else {
            ASSERT_NE(item, nullptr) << row.name;
            EXPECT_EQ(item->Name, row.found);
        }
    }
}

TEST(CatalogueTest, CategoriesInOrderOfFirstAppearance) {
    EXPECT_EQ(FuncCategories(),
              (std::vector<std::string>{"Arithmetic", "Trigonometry", "Date", "Angle Unit",
                                        "Finance", "Statistical", "Logic"}));
    EXPECT_EQ(FuncNamesOf("Finance"),
              (std::vector<std::string>{"SYD", "DDB", "SLN", "FV", "IPMT", "Rate", "NPer", "PMT",
                                        "PPMT", "PV", "IRR", "NPV", "EFR", "APR"}));
    EXPECT_EQ(FuncNamesOf("Logic"), (std::vector<std::string>{"Not", "If", "Case"}));
    EXPECT_EQ(FuncNamesOf("Arithmetic").size(), 16U);
    EXPECT_EQ(FuncNamesOf("Trigonometry").size(), 25U);
    EXPECT_EQ(FuncNamesOf("Date").size(), 13U);
    EXPECT_EQ(FuncNamesOf("Angle Unit").size(), 12U);
    EXPECT_EQ(FuncNamesOf("Statistical").size(), 10U);
    EXPECT_TRUE(FuncNamesOf("finance").empty());
}

TEST(CatalogueTest, HelpTopicsAndDescriptions) {
    const struct {
        int id;
        int help;
    } rows[] = {{1, 200100},  {42, 200141}, {88, 200187}, {89, 0}, {90, 200188},
                {91, 200189}, {93, 200191}, {0, 0},       {94, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(FuncHelpContext(row.id), row.help) << row.id;
    EXPECT_EQ(FuncDescription(1), "Returns the square root of X");
    EXPECT_EQ(FuncDescription(89), "");
    EXPECT_EQ(FuncDescription(0), "");
    EXPECT_EQ(FuncDescription(78),
              "Calculates the current value from an array of estimated cash flow values. ");
    EXPECT_EQ(FindFunc(71)->Params[5].Description,
              "Type indicates whether the cash flows occur at the beginning(1) or end of the "
              "period(0)");
}

// Each array function's parameters: name, "[]" for a list, "=default".
TEST(CatalogueTest, ParameterLists) {
    const struct {
        const char* name;
        const char* params;
    } rows[] = {
        {"Today", ""},
        {"Hypot", "X,Y"},
        {"SYD", "Cost,Salvage,Life,Period"},
        {"DDB", "Cost,Salvage,Life,Period,Factor=2"},
        {"SLN", "Cost,Salvage,Life"},
        {"FV", "Rate,NPer,PMT,PV,Type=0"},
        {"IPMT", "Rate,Per,NPer,PV,FV,Type=0"},
        {"Rate", "NPer,PMT,PV,FV,Type=0"},
        {"NPer", "Rate,PMT,PV,FV,Type=0"},
        {"PMT", "Rate,NPer,PV,FV,Type=0"},
        {"PPMT", "Rate,Per,NPer,PV,FV,Type=0"},
        {"PV", "Rate,NPer,PMT,FV,Type=0"},
        {"IRR", "Guess=0.1,CashFlows[]"},
        {"NPV", "Rate,CashFlows[],Type=0"},
        {"Var", "Numbers[]"},
        {"If", "Logical_Test,If_True,If_False"},
        {"Case", "Default=0,Logical_Tests[],Values[]"},
        {"EFR", "APR,NPer=12"},
        {"APR", "EFR,NPer=12"},
    };
    for (const auto& row : rows) {
        std::string text;
        for (const TFuncParamDef& p : FindFunc(FindFuncID(row.name))->Params) {
            if (!text.empty()) text += ",";
            text += p.Name + (p.IsArray ? "[]" : "");
            if (p.HasDefault) {
                std::ostringstream value;
                value << static_cast<double>(p.DefaultValue);
                text += "=" + value.str();
            }
        }
        EXPECT_EQ(text, row.params) << row.name;
    }
}

// A chosen function goes to X, in as a node, or to the parameter dialog; a
// user function's record (MultiParam unless it has exactly one input) too.
TEST(CatalogueTest, HowAChosenFunctionIsApplied) {
    struct Row {
        const char* name;
        TFunctionUse use;
    };
    const Row rows[] = {
        {"Sqrt", TFunctionUse::CommandOnX},  {"Not", TFunctionUse::CommandOnX},
        {"Today", TFunctionUse::InsertNode}, {"PMT", TFunctionUse::AskArguments},
        {"Sum", TFunctionUse::AskArguments}, {"Hypot", TFunctionUse::AskArguments},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FunctionUse(*FindFuncByName(row.name)), row.use) << row.name;
    for (const auto& [inputs, use] :
         {std::pair{0, TFunctionUse::InsertNode}, std::pair{1, TFunctionUse::CommandOnX},
          std::pair{3, TFunctionUse::AskArguments}}) {
        TFuncDataItem user;
        user.ParamCount = inputs;
        user.MultiParam = inputs != 1;
        EXPECT_EQ(FunctionUse(user), use) << inputs;
    }
}

TEST(CatalogueTest, ArgumentLayout) {
    // Hypot: two plain parameters, no list.
    const TFuncArguments hypot = LayOutFuncArguments(FindFunc(23)->Params, {{3}, {4}});
    EXPECT_EQ(hypot.Args, (TExtendedArray{3, 4}));
    EXPECT_TRUE(hypot.Array1.empty() && hypot.Array2.empty());
    EXPECT_EQ(FindFunc(23)->MultiFunc(hypot.Args, hypot.Array1, hypot.Array2), 5);

    // NPV: the list leaves no gap in Args; a missing Type takes its default.
    const TFuncArguments npv =
        LayOutFuncArguments(FindFunc(FindFuncID("NPV"))->Params, {{0.1L}, {-100, 60, 70}});
    EXPECT_EQ(npv.Args, (TExtendedArray{0.1L, 0}));
    EXPECT_EQ(npv.Array1, (TExtendedArray{-100, 60, 70}));

    // Case: tests then values.
    const TFuncArguments cases =
        LayOutFuncArguments(FindFunc(FindFuncID("Case"))->Params, {{}, {0, 1}, {10, 20}});
    EXPECT_EQ(cases.Args, (TExtendedArray{0}));
    EXPECT_EQ(cases.Array1, (TExtendedArray{0, 1}));
    EXPECT_EQ(cases.Array2, (TExtendedArray{10, 20}));

    const TFuncParamDefArray& fv = FindFunc(FindFuncID("FV"))->Params;
    EXPECT_EQ(testing::ErrorOf([&] {
                  LayOutFuncArguments(fv, {{0.1L}, {10}});
              }),
              "Not enough arguments for the function");
    EXPECT_EQ(testing::ErrorOf([&] {
                  LayOutFuncArguments(fv, {{0.1L}, {10, 11}, {1}, {2}});
              }),
              "Parameter NPer takes one number, not a list");
}

}  // namespace
}  // namespace quillix
