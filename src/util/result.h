// Outcome of an operation that can fail: a value or a German message for the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace velnix {

// Success carries a message too (the status text to show), failure the reason.
struct Status {
    bool ok = true;
    std::u16string message;

    static Status Success(std::u16string text = {}) { return {true, std::move(text)}; }
    static Status Failure(std::u16string text) { return {false, std::move(text)}; }
};

template <class T>
struct Result {
    std::optional<T> value;
    std::u16string error;

    static Result Success(T v) { return {std::move(v), {}}; }
    static Result Failure(std::u16string text) { return {std::nullopt, std::move(text)}; }
    bool ok() const { return value.has_value(); }
};

}  // namespace velnix
