// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/calc_value.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <iterator>

#include "common/calc_error.h"
#include "common/calendar.h"
#include "common/date_format.h"
#include "common/number_text.h"
#include "model/calc_operate.h"
#include "model/formula_writer.h"
#include "model/operate_ref.h"
#include "model/value_format.h"
#include "model/value_traversal.h"

namespace quillix {

namespace {

const std::string kEmpty;
std::uint64_t evaluationCount = 0;

// Values are destroyed through a work list: destroying a value destroys its
// tree, which may release the last holder of an operand, and so on down a tree
// that may be a million levels deep. Only the outermost release loops; the
// releases it causes queue up behind it.
void DestroyValue(TCalcValue* value) {
    static thread_local std::vector<TCalcValue*>* queue = nullptr;
    if (queue) {
        queue->push_back(value);
        return;
    }
    std::vector<TCalcValue*> pending{value};
    queue = &pending;
    while (!pending.empty()) {
        std::unique_ptr<TCalcValue> owned(pending.back());
        pending.pop_back();
        owned.reset();
    }
    queue = nullptr;
}

}  // namespace

// --- ValueRef ---------------------------------------------------------------

ValueRef::ValueRef(TCalcValue* value) : value_(value) {
    if (value_) value_->AddRef();
}

ValueRef::ValueRef(const ValueRef& other) : value_(other.value_) {
    if (value_) value_->AddRef();
}

ValueRef& ValueRef::operator=(const ValueRef& other) {
    if (other.value_) other.value_->AddRef();
    TCalcValue* old = std::exchange(value_, other.value_);
    if (old) old->DropRef();
    return *this;
}

ValueRef& ValueRef::operator=(ValueRef&& other) noexcept {
    if (this != &other) {
        TCalcValue* old = std::exchange(value_, std::exchange(other.value_, nullptr));
        if (old) old->DropRef();
    }
    return *this;
}

ValueRef::~ValueRef() {
    if (value_) value_->DropRef();
}

void ValueRef::reset() {
    if (TCalcValue* old = std::exchange(value_, nullptr)) old->DropRef();
}

// --- TCalcValue: creation and content ---------------------------------------

ValueRef TCalcValue::New() {
    return ValueRef(new TCalcValue());
}

ValueRef TCalcValue::New(long double number, std::uint8_t kind) {
    ValueRef value = New();
    value->number_ = number;
    value->kind_ = kind;
    return value;
}

ValueRef TCalcValue::NewDate(double day) {
    ValueRef value = New();
    value->SetDate(day);
    value->kind_ = cvDate;
    return value;
}

ValueRef TCalcValue::NewComputed(std::unique_ptr<TCalcOperate> node) {
    ValueRef value = New();
    value->SetOperate(std::move(node));
    return value;
}

TCalcValue::~TCalcValue() = default;

void TCalcValue::DropRef() {
    if (--refs_ == 0) DestroyValue(this);
}

TCalcValue::Extras& TCalcValue::EnsureExtras() {
    if (!extras_) extras_ = std::make_unique<Extras>();
    return *extras_;
}

double TCalcValue::GetDate() const {
    return static_cast<double>(std::trunc(number_));
}

void TCalcValue::SetDate(double day) {
    number_ = std::trunc(day);
}

const std::string& TCalcValue::ErrorText() const {
    return extras_ ? extras_->errorText : kEmpty;
}

void TCalcValue::SetErrorText(const std::string& text) {
    if (text.empty() && !extras_) return;
    EnsureExtras().errorText = text;
}

void TCalcValue::SetError(const std::string& message) {
    kind_ = cvError;
    SetErrorText(message);
}

const std::string& TCalcValue::Name() const {
    return extras_ ? extras_->name : kEmpty;
}

void TCalcValue::SetName(const std::string& name) {
    EnsureExtras().name = name;
    named_ = true;
}

void TCalcValue::ClearName() {
    const ValueRef keepAlive(this);  // a referrer's reaction may drop the last other holder
    named_ = false;
    if (extras_) extras_->name.clear();
    for (TCalcOperate* referrer : Referrers())
        referrer->NameRemoved(this);
}

// --- Tree ---------------------------------------------------------------------

void TCalcValue::SetOperate(std::unique_ptr<TCalcOperate> node) {
    operate_ = std::move(node);
    if (operate_) {
        operate_->SetOwner(this);
        EvaluateOperate();
    }
}

void TCalcValue::AttachOperate(std::unique_ptr<TCalcOperate> node) {
    operate_ = std::move(node);
    if (operate_) operate_->SetOwner(this);
}

std::unique_ptr<TCalcOperate> TCalcValue::DetachOperate() {
    if (operate_) operate_->SetOwner(nullptr);
    return std::move(operate_);
}

std::uint64_t TCalcValue::EvaluationCount() {
    return evaluationCount;
}

void TCalcValue::EvaluateOperate() {
    if (!operate_) return;
    ++evaluationCount;
    try {
        std::uint8_t kind = cvNumber;
        const long double result = operate_->Evaluate(kind);
        number_ = result;
        kind_ = kind;
    } catch (const std::exception& error) {
        SetError(error.what());
    }
}

void TCalcValue::Recalculate() {
    if (!operate_) return;
    EvaluateOperate();
    NotifyReferrers();
}

void TCalcValue::RecalculateTree() {
    if (!operate_) return;
    TCalcValue* self = this;
    ValueTraversal::RecalculateTrees(std::span<TCalcValue* const>(&self, 1));
}

void TCalcValue::NotifyReferrers() {
    if (ReferrerCount() == 0) return;
    ValueTraversal::RecalculateDependants(*this);
}

void TCalcValue::TakeOver(ValueRef source, bool notify) {
    if (!source || source.get() == this) return;
    operate_.reset();
    number_ = source->number_;
    kind_ = source->kind_;
    SetErrorText(source->ErrorText());
    SetOperate(source->DetachOperate());
    source.reset();
    if (notify) NotifyReferrers();
}

ValueRef TCalcValue::Clone() const {
    ValueRef copy = CopyNumber();
    if (operate_) copy->AttachOperate(operate_->Clone());
    return copy;
}

ValueRef TCalcValue::CopyNumber() const {
    ValueRef copy = New(number_, kind_);
    copy->SetErrorText(ErrorText());
    return copy;
}

ValueRef TCalcValue::MakeReference() {
    ValueRef reference = New();
    auto node = std::make_unique<TCalcOperateRef>();
    node->AddOperand(ValueRef(this));
    reference->SetOperate(std::move(node));
    return reference;
}

bool TCalcValue::IsEmpty() const {
    return Name().empty() && number_ == 0 && !named_ && ReferrerCount() == 0 && !operate_;
}

void TCalcValue::CollectNames(std::vector<std::string>& names) const {
    if (named_) names.push_back(Name());
    if (operate_) operate_->CollectNames(names);
}

// --- Referrers ----------------------------------------------------------------

void TCalcValue::AddReferrer(TCalcOperate* node) {
    if (moreReferrers_) {
        moreReferrers_->push_back(node);
    } else if (!firstReferrer_) {
        firstReferrer_ = node;
    } else {
        moreReferrers_ = std::make_unique<std::vector<TCalcOperate*>>();
        moreReferrers_->reserve(4);
        moreReferrers_->push_back(std::exchange(firstReferrer_, nullptr));
        moreReferrers_->push_back(node);
    }
}

void TCalcValue::RemoveReferrer(TCalcOperate* node) {
    if (moreReferrers_) {
        // Trees are mostly torn down newest first, so the search starts at the end.
        auto it = std::find(moreReferrers_->rbegin(), moreReferrers_->rend(), node);
        if (it != moreReferrers_->rend()) moreReferrers_->erase(std::next(it).base());
    } else if (firstReferrer_ == node) {
        firstReferrer_ = nullptr;
    }
}

int TCalcValue::ReferrerCount() const {
    if (moreReferrers_) return static_cast<int>(moreReferrers_->size());
    return firstReferrer_ ? 1 : 0;
}

TCalcOperate* TCalcValue::ReferrerAt(int index) const {
    return moreReferrers_ ? (*moreReferrers_)[static_cast<std::size_t>(index)] : firstReferrer_;
}

std::vector<TCalcOperate*> TCalcValue::Referrers() const {
    if (moreReferrers_) return *moreReferrers_;
    if (firstReferrer_) return {firstReferrer_};
    return {};
}

// --- Texts --------------------------------------------------------------------

std::string TCalcValue::GetFormulaText() const {
    return RenderValueFormula(*this);
}

std::string TCalcValue::GetRefText() const {
    return RenderValueRefText(*this);
}

std::string TCalcValue::FormatValue(int style) const {
    if (kind_ == cvDate) return "[" + FormatShortDateOfDay(number_) + "]";
    if (kind_ == cvError) return ErrorText();
    const std::string text = FormatNumber(GetNumber());
    return style == kGroupedStyle ? GroupDigits(text) : text;
}

}  // namespace quillix
