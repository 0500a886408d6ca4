// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/calc_config.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <optional>
#include <utility>

#include "common/atomic_file.h"
#include "common/diag_note.h"
#include "common/folder_lock.h"
#include "common/home_folder.h"
#include "common/regular_file.h"
#include "common/untrusted_text.h"
#include "config/ini_values.h"

namespace quillix {

namespace {

std::string FoldedChangeId(std::string_view section, std::string_view key) {
    std::string id = std::string(TrimIniBlanks(section)) + '\n' + std::string(TrimIniBlanks(key));
    std::transform(id.begin(), id.end(), id.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return id;
}

}  // namespace

std::string SettingsFilePath(const std::string& homeFolder) {
    return JoinPath(homeFolder, kSettingsFileName);
}

TCalcConfig::TCalcConfig(std::string filePath)
    : ini_(std::move(filePath)),
      configor_(std::make_shared<TConfigor>(*this, TConfigor::TCreationKey())) {
    ini_.Load();  // unreadable: every default now, and Flush will not overwrite it
    if (ConfigorIntf == nullptr) {
        ConfigorIntf = configor_.get();
        CalcConfig = this;
    }
}

TCalcConfig::~TCalcConfig() {
    try {
        Flush();
    } catch (...) {
        // Nothing may escape a destructor; Flush has reported what it could.
    }
    configor_->Detach();
    if (ConfigorIntf == configor_.get()) ConfigorIntf = nullptr;
    if (CalcConfig == this) CalcConfig = nullptr;
}

std::string TCalcConfig::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    return ini_.ReadString(section, key, defaultValue);
}

int TCalcConfig::ReadInteger(std::string_view section, std::string_view key,
                             int defaultValue) const {
    const std::optional<std::string> text = ini_.Get(section, key);
    const std::optional<int> value = text ? ParseIniInteger(*text) : std::nullopt;
    return value.value_or(defaultValue);
}

bool TCalcConfig::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    const std::optional<std::string> text = ini_.Get(section, key);
    const std::optional<bool> value = text ? ParseIniBool(*text) : std::nullopt;
    return value.value_or(defaultValue);
}

void TCalcConfig::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    StoreIfDifferent(section, key, value);
}

void TCalcConfig::WriteInteger(std::string_view section, std::string_view key, int value) {
    StoreIfDifferent(section, key, IniIntegerText(value));
}

void TCalcConfig::WriteBool(std::string_view section, std::string_view key, bool value) {
    StoreIfDifferent(section, key, IniBoolText(value));
}

bool TCalcConfig::HasKey(std::string_view section, std::string_view key) const {
    return ini_.HasKey(section, key);
}

void TCalcConfig::DeleteKey(std::string_view section, std::string_view key) {
    if (!ini_.HasKey(section, key)) return;
    ini_.DeleteKey(section, key);
    NoteChange(section, key);
}

void TCalcConfig::EraseSection(std::string_view section) {
    if (!ini_.HasSection(section)) return;
    ini_.EraseSection(section);
    NoteChange(section, {});
}

void TCalcConfig::StoreIfDifferent(std::string_view section, std::string_view key,
                                   std::string_view value) {
    const std::optional<std::string> old = ini_.Get(section, key);
    if (old && *old == value) return;
    ini_.WriteString(section, key, value);
    NoteChange(section, key);
}

void TCalcConfig::NoteChange(std::string_view section, std::string_view key) {
    if (changeIds_.insert(FoldedChangeId(section, key)).second) {
        changes_.push_back({std::string(TrimIniBlanks(section)), std::string(TrimIniBlanks(key))});
    }
}

void TCalcConfig::AddChangeHandler(std::intptr_t tag, TConfigChangeHandler handler) {
    if (!handler) return;
    const auto same = [&](const THookedConfigChangeHandlerEntry& e) {
        return e.Handler == handler;
    };
    if (std::find_if(handlers_.rbegin(), handlers_.rend(), same) != handlers_.rend()) return;
    handlers_.push_back({handler, tag});
}

void TCalcConfig::RemoveChangeHandler(TConfigChangeHandler handler) {
    if (!handler) return;
    const auto found = std::find_if(handlers_.begin(), handlers_.end(),
                                    [&](const auto& e) { return e.Handler == handler; });
    if (found == handlers_.end()) return;
    // While handlers are being called the list must keep its shape: the entry is
    // only emptied, and the list is tidied when the notification ends.
    if (notifying_) {
        found->Handler = {};
    } else {
        handlers_.erase(found);
    }
}

std::size_t TCalcConfig::HandlerCount() const {
    return static_cast<std::size_t>(std::count_if(handlers_.begin(), handlers_.end(),
                                                  [](const auto& e) { return bool(e.Handler); }));
}

void TCalcConfig::DropRemovedHandlers() {
    std::erase_if(handlers_, [](const auto& e) { return !e.Handler; });
}

void TCalcConfig::Announce(std::string_view section, const TConfigValue& value,
                           std::string_view key) {
    if (notifying_) return;  // a write made by a handler is stored, announced to nobody
    notifying_ = true;
    struct EndOfNotification {
        TCalcConfig& config;
        ~EndOfNotification() {
            config.notifying_ = false;
            config.DropRemovedHandlers();
        }
    } end{*this};
    const std::string sectionText(section);
    const std::string keyText(key);
    // Handlers registered during the notification wait for the next write.
    const std::size_t count = handlers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const THookedConfigChangeHandlerEntry entry = handlers_[i];
        if (entry.Handler) entry.Handler(*this, sectionText, entry.Tag, value, keyText);
    }
}

void TCalcConfig::ApplyChangesTo(TIniFile& disk) const {
    for (const Change& change : changes_) {
        if (!change.key.empty()) {
            if (const std::optional<std::string> value = ini_.Get(change.section, change.key)) {
                disk.WriteString(change.section, change.key, *value);
            } else {
                disk.DeleteKey(change.section, change.key);
            }
            continue;
        }
        if (!ini_.HasSection(change.section)) {
            disk.EraseSection(change.section);
            continue;
        }
        // The section was erased and built again: it takes this run's keys, in
        // its place in the file.
        for (const std::string& key : disk.Keys(change.section)) {
            if (!ini_.HasKey(change.section, key)) disk.DeleteKey(change.section, key);
        }
        for (const std::string& key : ini_.Keys(change.section)) {
            disk.WriteString(change.section, key, ini_.ReadString(change.section, key, ""));
        }
    }
}

std::optional<TIniFile> TCalcConfig::ReadFileForSave(std::string& reason) const {
    const std::string& path = ini_.Path();
    TIniFile disk(path);
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return disk;
    std::string why;
    const std::optional<std::string> text = ReadRegularFile(path, &why);
    if (!text) {
        reason = why + "; it was left unchanged";
        return std::nullopt;
    }
    // What is mostly not text was no settings file of ours; it is kept, not lost.
    if (LooksBinary(*text)) {
        const std::string aside = path + kBadSettingsSuffix;
        if (!WriteFileAtomically(aside, *text, &why)) {
            reason = why + "; \"" + path + "\" was left unchanged";
            return std::nullopt;
        }
        DiagNote("The settings file \"" + path + "\" was mostly binary; kept aside as \"" + aside +
                 "\"");
    }
    disk.Parse(*text);
    return disk;
}

bool TCalcConfig::Flush(std::string* error) {
    if (!Modified()) return true;
    const TFolderLock lock(FolderOf(ini_.Path()));
    std::string reason;
    std::optional<TIniFile> disk = ReadFileForSave(reason);
    bool ok = disk.has_value();
    if (ok) {
        ApplyChangesTo(*disk);
        ok = disk->Save(&reason);
    }
    if (!ok) {
        ReportFailure(reason);
        if (error) *error = reason;
        return false;
    }
    ini_ = std::move(*disk);
    changes_.clear();
    changeIds_.clear();
    return true;
}

void TCalcConfig::SaveAfterAnnouncedWrite() {
    // A handler's write is saved with the write that announced it.
    if (batchDepth_ == 0 && !notifying_) Flush();
}

void TCalcConfig::SetFailureReporter(std::function<void(const std::string& message)> reporter) {
    failureReporter_ = std::move(reporter);
}

void TCalcConfig::ReportFailure(const std::string& message) {
    const std::string text = "The settings were not saved: " + message;
    if (!failureReported_) {
        failureReported_ = true;
        std::cerr << text << '\n';
    }
    if (failureReporter_ && !failureShown_) {
        failureShown_ = true;
        failureReporter_(text);
    }
}

TSettingsBatch::TSettingsBatch(IConfigor* settings)
    : config_(settings ? settings->GetConfig() : nullptr) {
    if (config_) ++config_->batchDepth_;
}

TSettingsBatch::~TSettingsBatch() {
    if (!config_ || --config_->batchDepth_ > 0) return;
    try {
        config_->SaveAfterAnnouncedWrite();
    } catch (...) {
        // Nothing may escape a destructor; a failed save was reported.
    }
}

// --- TConfigor: each operation goes to the settings while they exist.

void TConfigor::AddChangeHandler(std::intptr_t tag, TConfigChangeHandler handler) {
    if (config_) config_->AddChangeHandler(tag, handler);
}

void TConfigor::RemoveChangeHandler(TConfigChangeHandler handler) {
    if (config_) config_->RemoveChangeHandler(handler);
}

void TConfigor::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
    if (!config_) return;
    config_->WriteString(section, key, value);
    config_->Announce(section, std::string(value), key);
    if (config_) config_->SaveAfterAnnouncedWrite();
}

std::string TConfigor::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    return config_ ? config_->ReadString(section, key, defaultValue) : std::string(defaultValue);
}

void TConfigor::WriteInteger(std::string_view section, std::string_view key, int value) {
    if (!config_) return;
    config_->WriteInteger(section, key, value);
    config_->Announce(section, value, key);
    if (config_) config_->SaveAfterAnnouncedWrite();
}

int TConfigor::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return config_ ? config_->ReadInteger(section, key, defaultValue) : defaultValue;
}

void TConfigor::WriteBool(std::string_view section, std::string_view key, bool value) {
    if (!config_) return;
    config_->WriteBool(section, key, value);
    config_->Announce(section, value, key);
    if (config_) config_->SaveAfterAnnouncedWrite();
}

bool TConfigor::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return config_ ? config_->ReadBool(section, key, defaultValue) : defaultValue;
}

}  // namespace quillix
