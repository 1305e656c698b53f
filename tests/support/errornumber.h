// The number of the error a call answers (a Result) or throws, or 0 when
// there is none.
#pragma once

#include "platform/result.h"

#include <type_traits>
#include <utility>

template <class T> constexpr bool isResult = false;
template <class T> constexpr bool isResult<pelk::Result<T>> = true;

template <class Call>
int errorNumberOf(Call &&call)
{
    try {
        if constexpr (isResult<std::invoke_result_t<Call>>) {
            const auto result = std::forward<Call>(call)();
            return result ? 0 : result.error().number();
        } else {
            std::forward<Call>(call)();
        }
    } catch (const pelk::Error &error) {
        return error.number();
    }
    return 0;
}
