#pragma once

#include "app/Error.h"

#include <functional>
#include <string>

namespace stellaform::test {

// The message of the error that `step` raises, or "no error", so that a
// check of the message also fails when nothing was raised.
inline std::string errorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

} // namespace stellaform::test
