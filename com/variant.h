#pragma once

#include <ole2.h>
#include <windows.h>

#include <cstdint>
#include <string_view>

namespace com {

// Owns one VARIANT; cleared when it goes.
class Variant {
  public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() { VariantClear(&v_); }

    static Variant int16(std::int16_t value);
    static Variant int32(std::int32_t value);
    static Variant real(double value);
    static Variant boolean(bool value);  // VARIANT_TRUE / VARIANT_FALSE
    static Variant text(std::string_view utf8);
    static Variant dispatch(IDispatch* object);  // takes its own reference
    // By-reference arguments: the VARIANT points at storage the caller keeps alive.
    static Variant int16Ref(std::int16_t* value);
    static Variant doubleArrayRef(SAFEARRAY** array);

    const VARIANT& get() const { return v_; }
    VARIANT* receive();  // cleared, for an out-parameter

  private:
    VARIANT v_;
};

}  // namespace com
