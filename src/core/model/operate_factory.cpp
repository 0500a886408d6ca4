// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/operate_factory.h"

#include "model/calc_commands.h"
#include "model/operate_binary.h"
#include "model/operate_func.h"
#include "model/operate_ref.h"
#include "model/operate_user.h"

namespace quillix {

namespace {

using NodeMaker = std::unique_ptr<TCalcOperate> (*)();

template <class Node>
std::unique_ptr<TCalcOperate> Make() {
    return std::make_unique<Node>();
}

struct NamedMaker {
    std::string_view name;
    NodeMaker make;
};

constexpr NamedMaker kByClassName[] = {
    {"TCalcOperateDIV", Make<TCalcOperateDIV>},
    {"TCalcOperateFunc", Make<TCalcOperateFunc>},
    {"TCalcOperateMinus", Make<TCalcOperateMinus>},
    {"TCalcOperateMultis", Make<TCalcOperateMultis>},
    {"TCalcOperatePlus", Make<TCalcOperatePlus>},
    {"TCalcOperatePower", Make<TCalcOperatePower>},
    {"TCalcOperateSign", Make<TCalcOperateSign>},
    {"TCalcOperateUserFunc", Make<TCalcOperateUserFunc>},
    {"TCalcOperateRef", Make<TCalcOperateRef>},
    {"TCalcOperateUserProgram", Make<TCalcOperateUserProgram>},
    {"TCalcOperatePercent", Make<TCalcOperatePercent>},
    {"TCalcOperateMultiFunc", Make<TCalcOperateMultiFunc>},
    {"TCalcOperateSEQ", Make<TCalcOperateSEQ>},
    {"TCalcOperateLE", Make<TCalcOperateLE>},
    {"TCalcOperateLT", Make<TCalcOperateLT>},
    {"TCalcOperateGE", Make<TCalcOperateGE>},
    {"TCalcOperateGT", Make<TCalcOperateGT>},
    {"TCalcOperateNE", Make<TCalcOperateNE>},
    {"TCalcOperateAnd", Make<TCalcOperateAnd>},
    {"TCalcOperateOr", Make<TCalcOperateOr>},
    {"TCalcOperateXor", Make<TCalcOperateXor>},
    {"TCalcOperateMod", Make<TCalcOperateMod>},
};

struct CodeMaker {
    std::uint8_t code;
    NodeMaker make;
};

constexpr CodeMaker kByOperatorCode[] = {
    {ccPlus, Make<TCalcOperatePlus>},       {ccMinus, Make<TCalcOperateMinus>},
    {ccMultiply, Make<TCalcOperateMultis>}, {ccDivide, Make<TCalcOperateDIV>},
    {ccPower, Make<TCalcOperatePower>},     {ccMod, Make<TCalcOperateMod>},
    {ccEqual, Make<TCalcOperateSEQ>},       {ccLessEqual, Make<TCalcOperateLE>},
    {ccLess, Make<TCalcOperateLT>},         {ccGreater, Make<TCalcOperateGT>},
    {ccGreaterEqual, Make<TCalcOperateGE>}, {ccNotEqual, Make<TCalcOperateNE>},
    {ccAnd, Make<TCalcOperateAnd>},         {ccOr, Make<TCalcOperateOr>},
    {ccXor, Make<TCalcOperateXor>},
};

}  // namespace

std::unique_ptr<TCalcOperate> CreateOperateByClassName(std::string_view className) {
    for (const NamedMaker& entry : kByClassName) {
        if (entry.name == className) return entry.make();
    }
    return nullptr;
}

std::unique_ptr<TCalcOperate> CreateOperateForOperator(std::uint8_t code) {
    for (const CodeMaker& entry : kByOperatorCode) {
        if (entry.code == code) return entry.make();
    }
    return nullptr;
}

}  // namespace quillix
