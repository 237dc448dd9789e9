#pragma once
// The calculation methods as people name them ("Muslim World League"), for
// the method dialog and the timetable's footer; the file and command-line
// names stay in calculation_method.h.

#include <string_view>

#include "calc/calculation_method.h"

namespace kestrivane {

std::string_view MethodTitle(MethodId id);

}  // namespace kestrivane
