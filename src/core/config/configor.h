// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// IConfigor: the interface through which the windows read and write the
// settings. Its writes are announced to the registered change handlers; reads
// and writes made directly on TCalcConfig (GetConfig) are not. ConfigorIntf is
// the process-wide, non-owning reference to the one settings object's interface:
// set when the settings object is created, cleared when it goes; test it for none.

#include <cstdint>
#include <string>
#include <string_view>

#include "config/config_change.h"

namespace quillix {

class TCalcConfig;

class IConfigor {
  public:
    virtual ~IConfigor() = default;

    // The settings object, or none once it has gone.
    virtual TCalcConfig* GetConfig() const = 0;
    // An unset handler, or one already registered, is ignored.
    virtual void AddChangeHandler(std::intptr_t tag, TConfigChangeHandler handler) = 0;
    virtual void RemoveChangeHandler(TConfigChangeHandler handler) = 0;
    virtual void WriteString(std::string_view section, std::string_view key,
                             std::string_view value) = 0;
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const = 0;
    virtual void WriteInteger(std::string_view section, std::string_view key, int value) = 0;
    virtual int ReadInteger(std::string_view section, std::string_view key,
                            int defaultValue) const = 0;
    virtual void WriteBool(std::string_view section, std::string_view key, bool value) = 0;
    virtual bool ReadBool(std::string_view section, std::string_view key,
                          bool defaultValue) const = 0;
};

inline IConfigor* ConfigorIntf = nullptr;

// The interface object of one TCalcConfig. It holds a plain pointer to the
// settings, which the settings clear when they go; after that, reads give their
// defaults and writes are dropped, so a reference kept too long does no harm.
class TConfigor final : public IConfigor {
  public:
    // Only a settings object can make the key, so an interface object never
    // exists without the settings it speaks for.
    class TCreationKey {
        friend class TCalcConfig;
        TCreationKey() = default;
    };
    TConfigor(TCalcConfig& config, TCreationKey) : config_(&config) {}

    TCalcConfig* GetConfig() const override { return config_; }
    void AddChangeHandler(std::intptr_t tag, TConfigChangeHandler handler) override;
    void RemoveChangeHandler(TConfigChangeHandler handler) override;
    void WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteInteger(std::string_view section, std::string_view key, int value) override;
    int ReadInteger(std::string_view section, std::string_view key,
                    int defaultValue) const override;
    void WriteBool(std::string_view section, std::string_view key, bool value) override;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const override;

  private:
    friend class TCalcConfig;
    void Detach() { config_ = nullptr; }

    TCalcConfig* config_;
};

}  // namespace quillix
