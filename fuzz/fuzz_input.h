#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "automation/value.h"
#include "points/number_text.h"

// Takes the fuzzer's bytes apart into the values a target needs. When the bytes run out every
// value is zero or empty, so each input, however short, is a whole case.
namespace fuzz {

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return size_ == 0; }

    std::uint8_t byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }

    // A number below `bound` (which must be positive).
    std::size_t below(std::size_t bound) { return byte() % bound; }

    // The raw bits of a double (every NaN, infinity, denormal and huge value can come out), or one
    // of the values at the edges of the range, which random bits seldom hit.
    double number() {
        static constexpr double kEdges[] = {0.0,
                                            -0.0,
                                            1.0,
                                            -1.5,
                                            0.5,
                                            std::numeric_limits<double>::max(),
                                            -std::numeric_limits<double>::max(),
                                            1.797693134862315e308,
                                            std::numeric_limits<double>::denorm_min(),
                                            std::numeric_limits<double>::min(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::quiet_NaN(),
                                            1e15,
                                            999999999999999.9,
                                            -0.0000001};
        const std::uint8_t pick = byte();
        if (pick < sizeof kEdges / sizeof kEdges[0]) return kEdges[pick];
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits = bits << 8 | byte();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A text of at most `maxLength` bytes, its length given by the first byte.
    std::string text(std::size_t maxLength = 40) {
        const std::size_t length = below(maxLength + 1);
        std::string result;
        for (std::size_t i = 0; i < length && size_ > 0; ++i) result += static_cast<char>(byte());
        return result;
    }

    // Everything that is left, as text.
    std::string rest() {
        std::string result(reinterpret_cast<const char*>(data_), size_);
        data_ += size_;
        size_ = 0;
        return result;
    }

    points::NumberLocale locale() { return {byte() % 2 ? ',' : '.'}; }

    // An automation value of any kind an outside application can answer.
    automation::Value value() {
        switch (below(8)) {
            case 0:
                return {};
            case 1:
                return automation::Value(automation::Null{});
            case 2: {
                std::uint32_t bits = 0;
                for (int i = 0; i < 4; ++i) bits = bits << 8 | byte();
                return automation::Value(static_cast<std::int32_t>(bits));
            }
            case 3:
                return automation::Value(number());
            case 4:
                return automation::Value(text());
            case 5:
                return automation::Value(byte() % 2 == 1);
            case 6:
                return automation::Value(automation::ObjectPtr());
            default:
                return automation::Value(std::make_shared<automation::Object>());
        }
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// Stops the run with a message when a property does not hold: the fuzzer keeps the input.
[[noreturn]] void violated(const char* property, const std::string& detail);

inline void require(bool holds, const char* property, const std::string& detail = {}) {
    if (!holds) violated(property, detail);
}

}  // namespace fuzz
