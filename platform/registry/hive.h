#pragma once

#include "platform/registry/registry.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tovalo::platform {

// Orders names as the registry compares them: ASCII letters without regard to case.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};
bool equalNoCase(std::string_view a, std::string_view b);

// True for the empty path (the root) and for non-empty parts joined by single
// backslashes, without line breaks or NULs, which a store file could not hold.
bool isValidKeyPath(std::string_view path);
// True for a value name without line breaks or NULs; the empty name is the default value.
bool isValidValueName(std::string_view name);

struct StoredValue {
    ValueType type;
    std::string bytes;
    friend bool operator==(const StoredValue &, const StoredValue &) = default;
};

struct NamedValue {
    std::string name;
    StoredValue value;
    friend bool operator==(const NamedValue &, const NamedValue &) = default;
};

// The values of one key, in the order in which they were first stored. A name is found
// through an index rather than by going through the values, so that reading a key of
// many thousands of values stays fast.
class KeyValues {
public:
    // The value, or nullptr when there is none of that name.
    const StoredValue *find(std::string_view name) const;
    // Stores the value, replacing one of the same name.
    void set(std::string_view name, StoredValue value);

    std::size_t size() const { return values_.size(); }
    bool empty() const { return values_.empty(); }
    const NamedValue &operator[](std::size_t i) const { return values_[i]; }
    auto begin() const { return values_.begin(); }
    auto end() const { return values_.end(); }
    // Equal when they hold the same names and values in the same order.
    friend bool operator==(const KeyValues &a, const KeyValues &b) {
        return a.values_ == b.values_;
    }

private:
    std::vector<NamedValue> values_;
    std::map<std::string, std::size_t, NoCaseLess> positions_; // name -> index in values_
};

// The keys and values of one root, held in memory. Values keep the order in which
// they were first stored. The root (the empty path) always exists.
class Hive {
public:
    using Keys = std::map<std::string, KeyValues, NoCaseLess>;

    Hive();

    bool hasKey(std::string_view path) const;
    // Adds the key and every missing parent.
    void addKey(std::string_view path);
    // The value, or nullptr when the key or the value does not exist.
    const StoredValue *find(std::string_view path, std::string_view name) const;
    // Stores the value, replacing one of the same name; the key must exist.
    void set(std::string_view path, std::string_view name, StoredValue value);

    const Keys &keys() const { return keys_; }
    // Equal when they hold the same keys, spelt alike, with equal values.
    friend bool operator==(const Hive &, const Hive &) = default;

private:
    Keys keys_;
};

} // namespace tovalo::platform
