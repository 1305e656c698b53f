// Who made the program: the author credited in the about boxes and the
// maker's web address they show.
#pragma once

#include <QLatin1String>

namespace pelk::maker {

constexpr QLatin1String kAuthorName("Orin Vaskela");
constexpr QLatin1String kAuthorEmail("orin.vaskela@vaskela.example.org");
constexpr QLatin1String kWebAddress("www.vaskela.example.org");

} // namespace pelk::maker
