// SPDX-License-Identifier: GPL-3.0-or-later
// quillix-cli functions [CATEGORY]: the function catalogue, one row per
// function, or the rows of one category. Text: FuncID, category, name and
// parameters separated by tabs; JSON: every field of each catalogue row.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_context.h"
#include "common/number_text.h"
#include "functions/func_catalogue.h"
#include "json_writer.h"
#include "value_json.h"
#include "vars/library_names.h"

namespace quillix::cli {

namespace {

// The catalogue's spelling of the category: an exact match first, then one
// without regard to letter case.
std::string ResolveCategory(const std::string& wanted) {
    const std::vector<std::string> categories = FuncCategories();
    for (const std::string& category : categories) {
        if (category == wanted) return category;
    }
    std::string known;
    for (const std::string& category : categories) {
        if (SameName(category, wanted)) return category;
        known += (known.empty() ? "" : ", ") + category;
    }
    throw CommandFailed("Unknown function category '" + wanted + "' (the categories are " + known +
                        ")");
}

std::vector<const TFuncDataItem*> ListedRows(const std::optional<std::string>& category) {
    std::vector<const TFuncDataItem*> rows;
    for (int id = 1; id <= FuncCount; ++id) {
        const TFuncDataItem* row = FindFunc(id);
        if (row && (!category || row->Category == *category)) rows.push_back(row);
    }
    return rows;
}

// "Name", "Name=default" or "Name[]" per parameter, joined by ","; a
// one-argument function takes its one number as X.
std::string ParametersText(const TFuncDataItem& row) {
    if (!row.MultiParam) return "X";
    std::string text;
    for (const TFuncParamDef& param : row.Params) {
        if (!text.empty()) text += ",";
        text += param.Name;
        if (param.IsArray) text += "[]";
        if (param.HasDefault) {
            text += '=';
            text += FormatFloatGeneral(param.DefaultValue, 18, 0);
        }
    }
    return text;
}

void WriteParamJson(JsonWriter& json, const TFuncParamDef& param) {
    json.BeginObject()
        .Key("Name")
        .String(param.Name)
        .Key("Description")
        .String(param.Description)
        .Key("IsArray")
        .Bool(param.IsArray)
        .Key("HasDefault")
        .Bool(param.HasDefault)
        .Key("DefaultValue")
        .String(PrintedNumber(param.DefaultValue))
        .Key("DefaultType")
        .Int(param.DefaultType)
        .EndObject();
}

void WriteRowJson(JsonWriter& json, const TFuncDataItem& row) {
    json.BeginObject()
        .Key("FuncID")
        .Int(row.FuncID)
        .Key("Category")
        .String(row.Category)
        .Key("MultiParam")
        .Bool(row.MultiParam)
        .Key("Name")
        .String(row.Name)
        .Key("ResultType")
        .Int(row.ResultType)
        .Key("ParamCount")
        .Int(row.ParamCount)
        .Key("Description")
        .String(row.Description)
        .Key("HelpContext")
        .Int(row.HelpContext)
        .Key("Params")
        .BeginArray();
    for (const TFuncParamDef& param : row.Params)
        WriteParamJson(json, param);
    json.EndArray().EndObject();
}

}  // namespace

int RunFunctions(CliContext& context, const Arguments& args) {
    if (args.size() > 1) throw UsageError("usage: functions [CATEGORY]");
    if (!args.empty() && args[0].starts_with("--")) {
        throw UsageError("unknown option '" + args[0] + "' for functions");
    }
    const std::optional<std::string> category =
        args.empty() ? std::nullopt : std::optional<std::string>(ResolveCategory(args[0]));
    const std::vector<const TFuncDataItem*> rows = ListedRows(category);
    if (context.json) {
        JsonWriter json;
        json.BeginArray();
        for (const TFuncDataItem* row : rows)
            WriteRowJson(json, *row);
        json.EndArray();
        *context.out << json.Text() << "\n";
        return kExitOk;
    }
    for (const TFuncDataItem* row : rows) {
        *context.out << row->FuncID << '\t' << row->Category << '\t' << row->Name << '\t'
                     << ParametersText(*row) << '\n';
    }
    return kExitOk;
}

}  // namespace quillix::cli
