#include "dialogs/res/family_template.h"
#include "core/models/models.h"

namespace corvane::family_template {

DialogTemplate BuildTemplate(DialogTemplate header, std::span<const Row> rows, ModelFamily family) {
    const bool is8620 = family == ModelFamily::k8620;
    header.controls.clear();
    header.controls.reserve(rows.size());
    for (const Row& row : rows) {
        Where at = is8620 ? row.at8620 : row.at8520;
        if (at.how == Where::How::kMovedDown) {
            const int down = at.y;
            at = row.at8620;
            at.y += down;
        }
        if (at.how == Where::How::kAbsent) {
            continue;
        }
        header.controls.emplace_back(is8620 ? row.ids.id8620 : row.ids.id8520, row.kind, at.x, at.y, at.width,
                                     at.height, row.text, row.style);
    }
    return header;
}

}  // namespace corvane::family_template
