#include "core/PlayReadouts.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

namespace morvane {

PlayReadouts::PlayReadouts(Clock& clock, std::string decimalSeparator)
    : clock_(clock), decimalSeparator_(std::move(decimalSeparator)) {}

void PlayReadouts::start() {
    startTime_ = clock_.secondsSinceMidnight();
    refreshElapsed();
    moveCount_ = 0;
    countText_ = std::to_string(moveCount_);
}

void PlayReadouts::refreshElapsed() {
    // Single-precision subtraction on purpose: the readout shows the float's own value.
    const float elapsed = clock_.secondsSinceMidnight() - startTime_;
    elapsedText_ = formatElapsed(elapsed, decimalSeparator_);
}

void PlayReadouts::countAction() {
    ++moveCount_;
    countText_ = std::to_string(moveCount_);
}

std::string PlayReadouts::formatElapsed(float seconds, std::string_view decimalSeparator) {
    // No pair of clock readings gives these; spell them out rather than print digits.
    if (std::isnan(seconds))
        return "nan";
    if (std::isinf(seconds))
        return seconds < 0 ? "-inf" : "inf";

    // Scientific notation with six decimals gives the seven correctly rounded significant
    // digits; they are then written out as a plain decimal.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(seconds),
                                      std::chars_format::scientific, 6);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const bool negative = text.front() == '-';
    const std::string_view mantissa = text.substr(negative ? 1 : 0, 8);  // "d.dddddd"
    const std::string_view exponentText = text.substr(text.find('e') + 1);
    int exponent = 0;
    // from_chars takes no '+' sign.
    const std::size_t skip = exponentText.front() == '+' ? 1 : 0;
    std::from_chars(exponentText.data() + skip, exponentText.data() + exponentText.size(),
                    exponent);
    std::string digits;
    digits += mantissa[0];
    digits += mantissa.substr(2);

    std::string integerPart;
    std::string fractionPart;
    if (exponent >= 6) {
        integerPart = digits + std::string(static_cast<std::size_t>(exponent - 6), '0');
    } else if (exponent >= 0) {
        integerPart = digits.substr(0, static_cast<std::size_t>(exponent + 1));
        fractionPart = digits.substr(static_cast<std::size_t>(exponent + 1));
    } else {
        integerPart = "0";
        fractionPart = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    while (!fractionPart.empty() && fractionPart.back() == '0')
        fractionPart.pop_back();

    std::string out = integerPart;
    if (!fractionPart.empty()) {
        out += decimalSeparator;
        out += fractionPart;
    }
    if (negative && out != "0")
        out.insert(out.begin(), '-');
    return out;
}

}  // namespace morvane
