#pragma once

namespace qv {

// A share such as 1/3, kept as two whole numbers so that every machine compares the same.
struct RuleShare {
    int numerator = 0;
    int denominator = 1;
};

}  // namespace qv
