#pragma once

#include <string>
#include <utility>
#include <variant>

namespace forgeline {

// A failure as the platform reports it: its numeric code and its text.
struct Failure {
    long code = 0;
    std::string description;

    friend bool operator==(const Failure&, const Failure&) = default;
};

// The code of a failure Forgeline finds itself, where no platform code applies.
inline constexpr long OwnFailureCode = -1;

// A failure as the user reads it: the platform's code, " - " and its text; a failure of
// Forgeline's own has no code worth showing, so its text alone.
inline std::string FailureText(const Failure& failure) {
    if (failure.code == OwnFailureCode) {
        return failure.description;
    }
    return std::to_string(failure.code) + " - " + failure.description;
}

// Either a value or the failure that prevented it.
template <typename T> class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<Failure>(state_); }

  private:
    std::variant<T, Failure> state_;
};

// The outcome of an action that yields nothing but may fail.
class Status {
  public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return failure_; }

  private:
    Failure failure_;
    bool failed_ = false;
};

} // namespace forgeline
