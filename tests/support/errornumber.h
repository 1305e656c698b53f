// The number of the platform error a call throws, or 0 when it throws none.
#pragma once

#include "platform/error.h"

#include <utility>

template <class Call>
int errorNumberOf(Call &&call)
{
    try {
        std::forward<Call>(call)();
    } catch (const pelk::Error &error) {
        return error.number();
    }
    return 0;
}
