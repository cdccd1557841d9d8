#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

namespace tovalo::update {

// The failures of UpCheck, by their code; an error's number is 0x80040000 plus the code.
enum class UpCheckCode : std::int32_t {
    NotInstalled = 1,
    NoMailAddress = 2,
    NoAuthor = 3,
    NoInfoURL = 4,
    NoProgramName = 5,
    NegativeIconIndex = 6,
    RegistryFailure = 10,
};

struct UpCheckError {
    std::int32_t number;
    std::string_view description; // UTF-8

    static UpCheckError of(UpCheckCode code);
    // A build number computed from the version does not fit in 16 bits: number 6.
    static UpCheckError overflow();

    friend bool operator==(const UpCheckError &, const UpCheckError &) = default;
};

// A call's value, or the error that stopped it.
template <typename T = void> class [[nodiscard]] UpCheckResult {
public:
    UpCheckResult(T value) : state_(std::move(value)) {}
    UpCheckResult(UpCheckError error) : state_(error) {}

    bool ok() const { return state_.index() == 0; }
    const T &value() const { return std::get<0>(state_); }
    const UpCheckError &error() const { return std::get<1>(state_); }

private:
    std::variant<T, UpCheckError> state_;
};

template <> class [[nodiscard]] UpCheckResult<void> {
public:
    UpCheckResult() = default;
    UpCheckResult(UpCheckError error) : error_(error) {}

    bool ok() const { return !error_; }
    const UpCheckError &error() const { return *error_; }

private:
    std::optional<UpCheckError> error_;
};

} // namespace tovalo::update
