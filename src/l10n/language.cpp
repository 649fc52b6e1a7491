#include "l10n/language.h"

namespace corvane {
static_assert(FamilyOfModel(4) == ModelFamily::k8620);
static_assert(FamilyOfModel(7) == ModelFamily::k8520);
}  // namespace corvane
