// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TCalcConfig: the settings of "appmain.ini" held in memory for the whole run.
// Reads and writes made on it directly are stored without announcement; writes
// through its IConfigor are stored, announced to the change handlers, and then
// saved at once (a confirmed option survives a crash), or once at the end of a
// TSettingsBatch. Direct writes (the window placement) wait for the next save,
// at Flush or destruction. A save writes only when this run changed something:
// it re-reads the file (holding a lock on its folder), applies this run's
// changes to it and replaces it atomically, so that what another process (a
// second instance) wrote meanwhile stays; for one key the later save wins.
// A file found to be mostly binary is first kept aside as "appmain.ini.bad".

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "config/config_change.h"
#include "config/configor.h"
#include "config/ini_file.h"

namespace quillix {

inline constexpr const char* kSettingsFileName = "appmain.ini";
// Added to the settings file's name for the copy kept of a file that was mostly binary.
inline constexpr const char* kBadSettingsSuffix = ".bad";

// The settings file of a home folder.
std::string SettingsFilePath(const std::string& homeFolder);

class TCalcConfig {
  public:
    // Reads the file if it exists (a missing or unreadable file gives every
    // default). Publishes itself as CalcConfig / ConfigorIntf unless another
    // settings object is published already.
    explicit TCalcConfig(std::string filePath);
    ~TCalcConfig();
    TCalcConfig(const TCalcConfig&) = delete;
    TCalcConfig& operator=(const TCalcConfig&) = delete;

    const std::string& Path() const { return ini_.Path(); }

    // Direct access: stored, never announced. Names as for TIniFile (letter case
    // ignored; an unwritable name or value throws std::invalid_argument).
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal or "0x" / "0X" / "$" hexadecimal; anything else gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // True when the integer value is not 0; a value that is no integer gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    bool HasSection(std::string_view section) const { return ini_.HasSection(section); }
    bool HasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> Sections() const { return ini_.Sections(); }
    std::vector<std::string> Keys(std::string_view section) const { return ini_.Keys(section); }
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // The interface object; it exists for the whole life of the settings.
    IConfigor& Configor() const { return *configor_; }
    // A shared reference to it, for holders that may outlive the settings.
    std::shared_ptr<IConfigor> ConfigorReference() const { return configor_; }

    // Registering the same handler (same routine, same receiver) twice leaves
    // one entry, with the tag of the first registration.
    void AddChangeHandler(std::intptr_t tag, TConfigChangeHandler handler);
    void RemoveChangeHandler(TConfigChangeHandler handler);
    std::size_t HandlerCount() const;
    bool Notifying() const { return notifying_; }

    // True when this run changed something that is not on disk yet.
    bool Modified() const { return !changes_.empty(); }
    // Writes the changes of this run into the file. Nothing to write is success.
    // On failure the file on disk is left as it was, the changes are kept for a
    // later try, *error tells why, and the first failure is reported on stderr
    // and to the failure reporter (once each per run).
    bool Flush(std::string* error = nullptr);
    // Who tells the user that the settings could not be saved (the window's
    // error box); none: stderr only.
    void SetFailureReporter(std::function<void(const std::string& message)> reporter);

  private:
    friend class TConfigor;
    friend class TSettingsBatch;

    // One place of the file that this run changed: a key, or a whole section
    // (after EraseSection).
    struct Change {
        std::string section;
        std::string key;  // empty: the whole section
    };

    void Announce(std::string_view section, const TConfigValue& value, std::string_view key);
    void StoreIfDifferent(std::string_view section, std::string_view key, std::string_view value);
    void NoteChange(std::string_view section, std::string_view key);
    void ApplyChangesTo(TIniFile& disk) const;
    std::optional<TIniFile> ReadFileForSave(std::string& reason) const;
    void SaveAfterAnnouncedWrite();
    void ReportFailure(const std::string& message);
    void DropRemovedHandlers();

    TIniFile ini_;
    const std::shared_ptr<TConfigor> configor_;
    std::vector<THookedConfigChangeHandlerEntry> handlers_;
    bool notifying_ = false;
    std::vector<Change> changes_;
    std::unordered_set<std::string> changeIds_;
    bool failureReported_ = false;
    bool failureShown_ = false;
    std::function<void(const std::string&)> failureReporter_;
    int batchDepth_ = 0;
};

// Announced writes made while a batch lives are saved once, when the outermost
// batch ends (the options dialog's OK writes a hundred keys). For no settings
// (none, or an interface whose settings are gone) it does nothing.
class TSettingsBatch {
  public:
    explicit TSettingsBatch(IConfigor* settings);
    ~TSettingsBatch();
    TSettingsBatch(const TSettingsBatch&) = delete;
    TSettingsBatch& operator=(const TSettingsBatch&) = delete;

  private:
    TCalcConfig* config_;
};

// The one settings object of the process, or none.
inline TCalcConfig* CalcConfig = nullptr;

}  // namespace quillix
