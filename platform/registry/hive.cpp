#include "platform/registry/hive.h"

#include <algorithm>
#include <cassert>

namespace tovalo::platform {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool holdsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(lowerAscii(x)) <
               static_cast<unsigned char>(lowerAscii(y));
    });
}

bool equalNoCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool isValidKeyPath(std::string_view path) {
    if (path.empty())
        return true;
    return !holdsLineBreakOrNul(path) && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos;
}

bool isValidValueName(std::string_view name) {
    return !holdsLineBreakOrNul(name);
}

Hive::Hive() {
    keys_.try_emplace(std::string());
}

bool Hive::hasKey(std::string_view path) const {
    return keys_.find(path) != keys_.end();
}

void Hive::addKey(std::string_view path) {
    for (std::size_t end = path.find('\\'); end != std::string_view::npos;
         end = path.find('\\', end + 1))
        keys_.try_emplace(std::string(path.substr(0, end)));
    keys_.try_emplace(std::string(path));
}

const StoredValue *KeyValues::find(std::string_view name) const {
    auto position = positions_.find(name);
    return position == positions_.end() ? nullptr : &values_[position->second].value;
}

void KeyValues::set(std::string_view name, StoredValue value) {
    auto [position, added] = positions_.try_emplace(std::string(name), values_.size());
    if (added)
        values_.push_back({std::string(name), std::move(value)});
    else
        values_[position->second].value = std::move(value);
}

const StoredValue *Hive::find(std::string_view path, std::string_view name) const {
    auto key = keys_.find(path);
    return key == keys_.end() ? nullptr : key->second.find(name);
}

void Hive::set(std::string_view path, std::string_view name, StoredValue value) {
    auto key = keys_.find(path);
    assert(key != keys_.end());
    key->second.set(name, std::move(value));
}

} // namespace tovalo::platform
