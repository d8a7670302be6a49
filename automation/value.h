#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "points/number_text.h"
#include "points/program_failure.h"

namespace automation {

// Base of every object an outside application hands back. Each backend derives its objects from
// the typed interfaces of cmm/ and cad/; the program checks the kind when it takes the object.
class Object {
  public:
    virtual ~Object() = default;
};
using ObjectPtr = std::shared_ptr<Object>;

// A value that is known to be missing (a variant's Null), unlike an empty one. It converts to
// no number and no text.
struct Null {};

// What an automation call answers: empty, Null, integer, double, text, boolean or object.
class Value {
  public:
    using Storage =
        std::variant<std::monostate, Null, std::int32_t, double, std::string, bool, ObjectPtr>;

    Value() = default;
    Value(std::int32_t v) : storage_(v) {}
    Value(double v) : storage_(v) {}
    Value(std::string v) : storage_(std::move(v)) {}
    Value(const char* v) : storage_(std::string(v)) {}
    Value(Null v) : storage_(v) {}
    Value(bool v) : storage_(v) {}
    Value(ObjectPtr v) : storage_(std::move(v)) {}
    template <class T>
    Value(std::shared_ptr<T> v) : storage_(ObjectPtr(std::move(v))) {}

    const Storage& storage() const { return storage_; }
    bool isEmpty() const { return std::holds_alternative<std::monostate>(storage_); }
    bool isNull() const { return std::holds_alternative<Null>(storage_); }
    bool isObject() const { return std::holds_alternative<ObjectPtr>(storage_); }

  private:
    Storage storage_;
};

// The program's conversions of a result, applied where it takes a value as text, double or
// integer. Each throws points::ProgramFailure when the value cannot be converted or does not fit:
// Null and any object (a null one too) are neither number nor text; Empty is 0 and the empty text.
std::string toText(const Value& value, const points::NumberLocale& locale);
double toDouble(const Value& value, const points::NumberLocale& locale);
std::int16_t toInt16(const Value& value, const points::NumberLocale& locale);
std::int32_t toInt32(const Value& value, const points::NumberLocale& locale);

// Takes an object result as the interface the program expects; anything else is a failure.
template <class T>
std::shared_ptr<T> toObject(const Value& value) {
    const auto* object = std::get_if<ObjectPtr>(&value.storage());
    std::shared_ptr<T> typed = object ? std::dynamic_pointer_cast<T>(*object) : nullptr;
    if (!typed) throw points::ProgramFailure("result is not an object of the expected kind");
    return typed;
}

// A result that is "nothing" (an empty value or a null object), as CheckInterference answers
// when two solids do not meet.
bool isNothing(const Value& value);

}  // namespace automation
