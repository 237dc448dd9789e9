#include "calc/method_titles.h"

#include <iterator>

namespace kestrivane {

namespace {

// In MethodId order.
constexpr std::string_view kMethodTitles[] = {
    "Classic",
    "Muslim World League",
    "Egyptian General Authority of Survey",
    "University of Islamic Sciences, Karachi",
    "Islamic Society of North America",
    "Umm al-Qura, Makkah",
    "Dubai",
    "Qatar",
    "Kuwait",
    "Singapore",
    "Turkey (Diyanet)",
    "Morocco",
    "Institute of Geophysics, Tehran",
    "Moonsighting Committee",
    "Custom",
};
static_assert(std::size(kMethodTitles) == static_cast<std::size_t>(MethodId::kCustom) + 1);

}  // namespace

std::string_view MethodTitle(MethodId id) { return kMethodTitles[static_cast<std::size_t>(id)]; }

}  // namespace kestrivane
