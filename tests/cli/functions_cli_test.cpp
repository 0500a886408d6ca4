// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli functions: the catalogue listing, driven through the executable.

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "functions/func_catalogue.h"

namespace quillix::test {
namespace {

class FunctionsCli : public CliTest {};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(FunctionsCli, ListsEveryFunctionWithItsParameters) {
    const CliRun run = Run({"functions"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 93u);
    struct Row {
        int funcId;
        const char* line;
    };
    const Row rows[] = {
        {1, "1\tArithmetic\tSqrt\tX"},
        {23, "23\tTrigonometry\tHypot\tX,Y"},
        {42, "42\tDate\tToday\t"},
        {68, "68\tFinance\tDDB\tCost,Salvage,Life,Period,Factor=2"},
        {74, "74\tFinance\tPMT\tRate,NPer,PV,FV,Type=0"},
        {77, "77\tFinance\tIRR\tGuess=0.1,CashFlows[]"},
        {78, "78\tFinance\tNPV\tRate,CashFlows[],Type=0"},
        {80, "80\tStatistical\tSum\tNumbers[]"},
        {89, "89\tLogic\tNot\tX"},
        {91, "91\tLogic\tCase\tDefault=0,Logical_Tests[],Values[]"},
        {93, "93\tFinance\tAPR\tEFR,NPer=12"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(lines[static_cast<std::size_t>(row.funcId - 1)], row.line);
}

TEST_F(FunctionsCli, ListsOneCategoryInTableOrder) {
    const char* const finance[] = {"SYD", "DDB",  "SLN", "FV",  "IPMT", "Rate", "NPer",
                                   "PMT", "PPMT", "PV",  "IRR", "NPV",  "EFR",  "APR"};
    for (const char* category : {"Finance", "finance", "FINANCE"}) {
        SCOPED_TRACE(category);
        const CliRun run = Run({"functions", category});
        EXPECT_EQ(run.status, 0);
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), std::size(finance));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_NE(lines[i].find(std::string("\tFinance\t") + finance[i] + "\t"),
                      std::string::npos)
                << lines[i];
        }
    }
    EXPECT_TRUE(
        Run({"functions", "Angle Unit"}).out.starts_with("55\tAngle Unit\tCycleToDeg\tX\n"));
}

TEST_F(FunctionsCli, JsonHasEveryFieldOfTheRow) {
    const CliRun run = Run({"--json", "functions", "Logic"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out,
        "[{\"FuncID\": 89, \"Category\": \"Logic\", \"MultiParam\": false, \"Name\": \"Not\", "
        "\"ResultType\": 0, \"ParamCount\": 1, \"Description\": \"\", \"HelpContext\": 0, "
        "\"Params\": []}, "
        "{\"FuncID\": 90, \"Category\": \"Logic\", \"MultiParam\": true, \"Name\": \"If\", "
        "\"ResultType\": 0, \"ParamCount\": 3, \"Description\": \"If Logical_Test is True, then "
        "If_True is returned, else If_False is returned;\", \"HelpContext\": 200188, \"Params\": "
        "[{\"Name\": \"Logical_Test\", \"Description\": \"Logical_Test returns a Boolean value\", "
        "\"IsArray\": false, \"HasDefault\": false, \"DefaultValue\": \"0\", \"DefaultType\": 0}, "
        "{\"Name\": \"If_True\", \"Description\": \"If Logical_Test is True,If_True is returned\", "
        "\"IsArray\": false, \"HasDefault\": false, \"DefaultValue\": \"0\", \"DefaultType\": 0}, "
        "{\"Name\": \"If_False\", \"Description\": \"If Logical_Test is False,If_False is "
        "returned\", \"IsArray\": false, \"HasDefault\": false, \"DefaultValue\": \"0\", "
        "\"DefaultType\": 0}]}, "
        "{\"FuncID\": 91, \"Category\": \"Logic\", \"MultiParam\": true, \"Name\": \"Case\", "
        "\"ResultType\": 0, \"ParamCount\": 3, \"Description\": \"The case function may provide a "
        "easy-to-use alternative to deeply nested if conditionals.\", \"HelpContext\": 200189, "
        "\"Params\": [{\"Name\": \"Default\", \"Description\": \"If none of Logical_Test is "
        "true,then default value is returned.\", \"IsArray\": false, \"HasDefault\": true, "
        "\"DefaultValue\": \"0\", \"DefaultType\": 0}, {\"Name\": \"Logical_Tests\", "
        "\"Description\": \"Logical_Tests\", \"IsArray\": true, \"HasDefault\": false, "
        "\"DefaultValue\": \"0\", \"DefaultType\": 0}, {\"Name\": \"Values\", \"Description\": "
        "\"Values\", \"IsArray\": true, \"HasDefault\": false, \"DefaultValue\": \"0\", "
        "\"DefaultType\": 0}]}]\n");
}

TEST_F(FunctionsCli, JsonOfTheWholeCatalogue) {
    const CliRun run = Run({"--json", "functions"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Count(run.out, "\"FuncID\": "), 93u);
    EXPECT_EQ(Count(run.out, "\"Category\": \"Finance\""), 14u);
    EXPECT_NE(run.out.find("\"Name\": \"Today\", \"ResultType\": 1, \"ParamCount\": 0"),
              std::string::npos);
    // Defaults as "%.21Lg" prints the stored number.
    char guess[64];
    std::snprintf(guess, sizeof guess, "%.21Lg", FindFunc(77)->Params[0].DefaultValue);
    EXPECT_NE(run.out.find(std::string("{\"Name\": \"Guess\", \"Description\": \"Specify the "
                                       "estimated rate of return.\", \"IsArray\": false, "
                                       "\"HasDefault\": true, \"DefaultValue\": \"") +
                           guess + "\", \"DefaultType\": 0}"),
              std::string::npos);
    EXPECT_TRUE(run.out.starts_with("[{\"FuncID\": 1, \"Category\": \"Arithmetic\""));
    EXPECT_TRUE(run.out.ends_with("}]}]\n"));
}

TEST_F(FunctionsCli, AnUnknownCategoryFails) {
    const CliRun run = Run({"functions", "Speed"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "Unknown function category 'Speed' (the categories are Arithmetic, Trigonometry, "
              "Date, Angle Unit, Finance, Statistical, Logic)\n");
    EXPECT_EQ(Run({"--json", "functions", ""}).status, 1);
}

TEST_F(FunctionsCli, BadUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"functions", "Logic", "Date"}, {"functions", "--all"}}) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

}  // namespace
}  // namespace quillix::test
