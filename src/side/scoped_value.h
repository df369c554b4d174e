#pragma once
// A value set for the extent of a scope and given back at its end, however
// the scope ends (a run-time error included).
namespace quillory {

template <class T>
class ScopedValue {
public:
    ScopedValue(T& value, T during) : value_(value), before_(value) { value_ = during; }
    ~ScopedValue() { value_ = before_; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& value_;
    T before_;
};

}  // namespace quillory
