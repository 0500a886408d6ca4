// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/undo_records.h"

#include <optional>
#include <utility>

#include "vars/value_image.h"
#include "vars/value_users.h"

namespace quillix {

namespace {

// The entry of the document that holds value, or none (a value of no entry).
TCalcValueWarper* EntryOf(TCalcVarsBase& set, const TCalcValue& value) {
    TCalcValueWarper* entry = set.Find(value.Name());
    return entry && entry->Value.get() == &value ? entry : nullptr;
}

// An entry that the change added (the entry is there now) or took away (the
// image holds it).
class TEntrySlotRecord final : public TUndoRecord {
  public:
    TEntrySlotRecord(int index, std::optional<TEntryImage> image)
        : index_(index), image_(std::move(image)) {}

    void Swap(TDocumentRestorer& document) override {
        if (image_) {
            document.InsertEntry(index_, image_->Build(document.Set()));
            image_.reset();
        } else {
            image_ = TEntryImage::Capture(document.EntryAt(index_), document.Set());
            document.RemoveEntry(index_);
        }
    }
    std::size_t Bytes() const override {
        return sizeof(*this) + (image_ ? image_->Bytes() - sizeof(TEntryImage) : 0);
    }

  private:
    int index_;
    std::optional<TEntryImage> image_;
};

// The value of an entry: its content and tree, and, when the change made other
// variables re-evaluate, their numbers (an error value keeps the number it had
// before, so re-evaluation alone would not bring those back).
class TValueRecord final : public TUndoRecord {
  public:
    // withDependants: the change re-evaluates the variable's dependants (a new
    // value); without, only the entry's own formula is rewritten.
    TValueRecord(int index, TDocumentRestorer& document, bool withDependants)
        : index_(index), notify_(withDependants) {
        TCalcValue& value = *document.EntryAt(index).Value;
        value_ = TValueImage::Capture(value, document.Set());
        if (!withDependants) return;
        for (TCalcValue* dependant : NamedDependantsOf(value)) {
            if (EntryOf(document.Set(), *dependant)) dependants_.push_back({dependant->Name(), {}});
        }
        dependants_.shrink_to_fit();
        TakeDependantNumbers(document.Set());
    }

    void Swap(TDocumentRestorer& document) override {
        TCalcValueWarper& entry = document.EntryAt(index_);
        TValueImage previous = TValueImage::Capture(*entry.Value, document.Set());
        std::vector<TValueImage> numbers;
        numbers.reserve(dependants_.size());
        for (auto& [name, image] : dependants_)
            numbers.push_back(std::exchange(image, {}));
        TakeDependantNumbers(document.Set());
        value_.ApplyTo(*entry.Value, document.Set());
        value_ = std::move(previous);
        if (notify_) {
            // Holders outside the document (the calculation stack) follow too.
            entry.Value->NotifyReferrers();
            for (std::size_t i = 0; i < dependants_.size(); ++i)
                numbers[i].ApplyNumbersTo(*document.Set().GetValue(dependants_[i].first));
        }
        document.Notify(vaValueChanged, index_, &entry, entry.GetName());
    }
    std::size_t Bytes() const override {
        std::size_t bytes =
            sizeof(*this) + value_.Bytes() + dependants_.capacity() * sizeof(dependants_[0]);
        for (const auto& [name, image] : dependants_)
            bytes += name.capacity() + image.Bytes();
        return bytes;
    }

  private:
    void TakeDependantNumbers(TCalcVarsBase& set) {
        for (auto& [name, image] : dependants_)
            image = TValueImage::Capture(*set.GetValue(name), set);
    }

    int index_;
    bool notify_;
    TValueImage value_;
    std::vector<std::pair<std::string, TValueImage>> dependants_;
};

// Role and description of an entry.
class TPropertiesRecord final : public TUndoRecord {
  public:
    TPropertiesRecord(int index, const TCalcValueWarper& entry, std::uint8_t action)
        : index_(index), type_(entry.Type), description_(entry.Description), action_(action) {}

    void Swap(TDocumentRestorer& document) override {
        TCalcValueWarper& entry = document.EntryAt(index_);
        std::swap(entry.Type, type_);
        std::swap(entry.Description, description_);
        document.Notify(action_, index_, &entry, entry.GetName());
    }
    std::size_t Bytes() const override { return sizeof(*this) + description_.capacity(); }

  private:
    int index_;
    std::uint8_t type_;
    std::string description_;
    std::uint8_t action_;
};

// Two neighbouring entries that changed places (the swap is its own reverse).
class TMoveRecord final : public TUndoRecord {
  public:
    explicit TMoveRecord(int index) : index_(index) {}
    void Swap(TDocumentRestorer& document) override { document.SwapWithPrevious(index_); }
    std::size_t Bytes() const override { return sizeof(*this); }

  private:
    int index_;
};

class TRenameRecord final : public TUndoRecord {
  public:
    TRenameRecord(int index, std::string name) : index_(index), name_(std::move(name)) {}

    void Swap(TDocumentRestorer& document) override {
        std::string current = document.EntryAt(index_).GetName();
        document.SetName(index_, name_);
        name_ = std::move(current);
    }
    std::size_t Bytes() const override { return sizeof(*this) + name_.capacity(); }

  private:
    int index_;
    std::string name_;
};

// Every entry, taken away by Clear.
class TClearRecord final : public TUndoRecord {
  public:
    explicit TClearRecord(TDocumentRestorer& document) { TakeEntries(document); }

    void Swap(TDocumentRestorer& document) override {
        if (!cleared_) {
            TakeEntries(document);
            document.RemoveAllEntries();
            return;
        }
        // Front to back: each formula finds the variables before it.
        for (std::size_t i = 0; i < entries_.size(); ++i)
            document.InsertEntry(static_cast<int>(i), entries_[i].Build(document.Set()));
        entries_.clear();
        entries_.shrink_to_fit();
        cleared_ = false;
    }
    std::size_t Bytes() const override {
        std::size_t bytes = sizeof(*this);
        for (const TEntryImage& entry : entries_)
            bytes += entry.Bytes();
        return bytes;
    }

  private:
    void TakeEntries(TDocumentRestorer& document) {
        entries_.reserve(static_cast<std::size_t>(document.Count()));
        for (int i = 0; i < document.Count(); ++i)
            entries_.push_back(TEntryImage::Capture(document.EntryAt(i), document.Set()));
        cleared_ = true;
    }

    std::vector<TEntryImage> entries_;
    bool cleared_ = false;  // the document is in the state Clear left
};

class TDescriptionRecord final : public TUndoRecord {
  public:
    explicit TDescriptionRecord(std::string text) : text_(std::move(text)) {}

    void Swap(TDocumentRestorer& document) override {
        std::string current = document.Set().Description();
        document.SetDescription(text_);
        text_ = std::move(current);
    }
    std::size_t Bytes() const override { return sizeof(*this) + text_.capacity(); }

  private:
    std::string text_;
};

// The entries whose formulas use the entry at index directly: deleting it
// rewrites them (each keeps a copy of the deleted variable's formula).
void RecordUsersOfDeleted(int index, TDocumentRestorer& document, TUndoRecords& records) {
    TCalcVarsBase& set = document.Set();
    for (TCalcValue* user : NamedUsersOf(*document.EntryAt(index).Value)) {
        if (TCalcValueWarper* entry = EntryOf(set, *user))
            records.push_back(std::make_unique<TValueRecord>(set.IndexOf(entry), document, false));
    }
}

}  // namespace

void RecordEdit(TVarsEdit edit, int index, TDocumentRestorer& document, TUndoRecords& records) {
    switch (edit) {
        case TVarsEdit::Add:
            records.push_back(std::make_unique<TEntrySlotRecord>(index, std::nullopt));
            break;
        case TVarsEdit::Delete:
            RecordUsersOfDeleted(index, document, records);
            records.push_back(std::make_unique<TEntrySlotRecord>(
                index, TEntryImage::Capture(document.EntryAt(index), document.Set())));
            break;
        case TVarsEdit::Value:
            records.push_back(std::make_unique<TValueRecord>(index, document, true));
            break;
        case TVarsEdit::Type:
            records.push_back(
                std::make_unique<TPropertiesRecord>(index, document.EntryAt(index), vaTypeChanged));
            break;
        case TVarsEdit::Properties:
            records.push_back(
                std::make_unique<TPropertiesRecord>(index, document.EntryAt(index), vaItemChanged));
            break;
        case TVarsEdit::Move:
            records.push_back(std::make_unique<TMoveRecord>(index));
            break;
        case TVarsEdit::Rename:
            records.push_back(
                std::make_unique<TRenameRecord>(index, document.EntryAt(index).GetName()));
            break;
        case TVarsEdit::Clear:
            records.push_back(std::make_unique<TClearRecord>(document));
            break;
        case TVarsEdit::Description:
            records.push_back(std::make_unique<TDescriptionRecord>(document.Set().Description()));
            break;
    }
}

}  // namespace quillix
