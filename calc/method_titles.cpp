#include "calc/method_titles.h"

#include <iterator>

#include "resources/translate_noop.h"

namespace kestrivane {

namespace {

// In MethodId order.
constexpr std::string_view kMethodTitles[] = {
    KV_TRANSLATE_NOOP("Method", "Classic"),
    KV_TRANSLATE_NOOP("Method", "Muslim World League"),
    KV_TRANSLATE_NOOP("Method", "Egyptian General Authority of Survey"),
    KV_TRANSLATE_NOOP("Method", "University of Islamic Sciences, Karachi"),
    KV_TRANSLATE_NOOP("Method", "Islamic Society of North America"),
    KV_TRANSLATE_NOOP("Method", "Umm al-Qura, Makkah"),
    KV_TRANSLATE_NOOP("Method", "Dubai"),
    KV_TRANSLATE_NOOP("Method", "Qatar"),
    KV_TRANSLATE_NOOP("Method", "Kuwait"),
    KV_TRANSLATE_NOOP("Method", "Singapore"),
    KV_TRANSLATE_NOOP("Method", "Turkey (Diyanet)"),
    KV_TRANSLATE_NOOP("Method", "Morocco"),
    KV_TRANSLATE_NOOP("Method", "Institute of Geophysics, Tehran"),
    KV_TRANSLATE_NOOP("Method", "Moonsighting Committee"),
    KV_TRANSLATE_NOOP("Method", "Custom"),
};
static_assert(std::size(kMethodTitles) == static_cast<std::size_t>(MethodId::kCustom) + 1);

}  // namespace

std::string_view MethodTitle(MethodId id) { return kMethodTitles[static_cast<std::size_t>(id)]; }

}  // namespace kestrivane
