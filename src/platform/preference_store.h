#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/models/remembered_settings.h"

namespace corvane::platform {

// The raw key behind the preferences: the registry key on Windows, an INI file elsewhere. Each call opens,
// touches one value and closes again; nothing is cached.
class PreferenceKey {
  public:
    virtual ~PreferenceKey() = default;

    // True when the key exists and its values can be read.
    virtual bool Open() = 0;
    // Creates the key when it does not exist yet; never touches an existing key's values.
    virtual bool Create() = 0;
    // A stored number; nothing when the key or the value is missing, or the value is unparsable or wider
    // than 32 bits.
    virtual std::optional<uint32_t> ReadNumber(const std::string& name) = 0;
    virtual std::optional<std::string> ReadText(const std::string& name) = 0;
    // Stores one value; false when the key is missing or cannot be written. Other values stay as they were.
    virtual bool WriteNumber(const std::string& name, uint32_t value) = 0;
    virtual bool WriteText(const std::string& name, const std::string& value) = 0;
    // Between these two, writes are kept and reach the key together at release (reads see them at once), so
    // that a run of writes costs one replacement of the file and one wait for the disk instead of one each.
    // A held write answers true when the key could take it; release answers whether the key got them.
    virtual void HoldWrites() {}
    virtual bool ReleaseWrites() { return true; }
};

// Stores the remembered settings declared in core/models/remembered_settings.h: the language, model and
// TV mode, the company marker and the last folder. Numbers are kept as 16-bit values:
// a write stores the low 16 bits of its argument, a read uses only the low 16 bits of what is stored.
// Every operation returns true on success and reports nothing to the user.
class PreferenceStore {
  public:
    explicit PreferenceStore(PreferenceKey& key) : key_(key) {}

    // Reads "language". Key missing: creates the key, returns false, leaves `value` untouched. Value missing
    // or unreadable: `value` = `defaultLanguage`, returns true.
    bool ReadLanguage(int32_t& value, int32_t defaultLanguage);
    bool WriteLanguage(int32_t value);
    // Reads "model". Key missing: false, `value` untouched. Value unreadable: `value` = its fallback, false.
    bool ReadModel(int32_t& value);
    bool WriteModel(int32_t value);
    // Reads "TvMode". Key missing or value unreadable: `value` = its fallback, false.
    bool ReadTvMode(uint32_t& value);
    bool WriteTvMode(uint32_t value);
    // True when "Company" is present and readable.
    bool HasCompany();
    bool WriteCompany();
    // Writes up to ReleaseWrites reach the key together (PreferenceKey::HoldWrites).
    void HoldWrites() { key_.HoldWrites(); }
    bool ReleaseWrites() { return key_.ReleaseWrites(); }
    // "LastFolder": the folder the last setup file was written to, as the folder field held it. A text
    // value of its own, so the entries above keep their meaning. Nothing when the key or the value is
    // missing or unreadable, or the value is empty.
    std::optional<std::string> ReadLastFolder();
    // False when the key cannot be written, and for a folder the key cannot hold as given (an INI line
    // cannot carry line breaks or blanks at either end); the previous value then stays.
    bool WriteLastFolder(const std::string& folder);

  private:
    PreferenceKey& key_;
};

}  // namespace corvane::platform
