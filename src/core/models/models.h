#pragma once

#include <cstdint>
#include <iterator>
#include <string_view>

namespace corvane {

// Models 1..4 in the order of the main window's model list.
using ModelId = int32_t;

enum class ModelFamily { k8520, k8620 };

// One camera model: its family decides the dialog variants and the file layouts; only models with e-mail
// can use the e-mail setup dialog.
struct Model {
    ModelId id;
    ModelFamily family;
    bool hasEmail;
    std::string_view listName;  // its entry in the main window's model list
};

// Every model, in the order of the model list: entry p is model p + 1.
inline constexpr Model kModels[] = {
    {1, ModelFamily::k8520, false, "Vyn 8520M"},
    {2, ModelFamily::k8620, false, "Vyn 8620M"},
    {3, ModelFamily::k8520, true, "Vyn 8520MG"},
    {4, ModelFamily::k8620, true, "Vyn 8620MG"},
};
inline constexpr int kModelCount = static_cast<int>(std::size(kModels));

// The model with that id, or nullptr (a stored value outside 1..4).
constexpr const Model* FindModel(ModelId id) {
    for (const Model& model : kModels) {
        if (model.id == id) {
            return &model;
        }
    }
    return nullptr;
}

// The family of a model; an unknown model works as the 8520 family.
constexpr ModelFamily FamilyOfModel(ModelId id) {
    const Model* model = FindModel(id);
    return model != nullptr ? model->family : ModelFamily::k8520;
}

constexpr bool ModelHasEmail(ModelId id) {
    const Model* model = FindModel(id);
    return model != nullptr && model->hasEmail;
}

}  // namespace corvane
