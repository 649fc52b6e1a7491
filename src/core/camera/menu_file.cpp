#include "core/camera/menu_file.h"
#include "core/models/models.h"

namespace corvane {
namespace {

struct MenuTexts {
    const char* normalEnglish;
    const char* normalChinese;
    const char* factoryEnglish;
    const char* factoryChinese;
};

constexpr MenuTexts k8620Texts = {
    "Vyn 8620 Configuration file is generated",
    "Vyn 8620 相机菜单设置文件已经生成",
    "Vyn 8620 Camera menu factory settings file has been generated",
    "Vyn 8620 相机菜单出厂设置文件已经生成",
};

constexpr MenuTexts k8520Texts = {
    "Vyn 8520 Configuration file is generated",
    "Vyn 8520 相机菜单设置文件已经生成",
    "Vyn 8520 Camera menu factory settings file has been generated",
    "Vyn 8520 相机菜单出厂设置文件已经生成",
};

// The texts follow the model where the model belongs to a family the dialog knows: an 8620 dialog
// only names models 2 and 4, an 8520 dialog names every model 1..4 by its own family.
const MenuTexts* TextsFor(ModelFamily dialogFamily, ModelId id) {
    const Model* model = FindModel(id);
    if (model == nullptr) {
        return nullptr;
    }
    if (model->family == ModelFamily::k8620) {
        return &k8620Texts;
    }
    return dialogFamily == ModelFamily::k8520 ? &k8520Texts : nullptr;
}

}  // namespace

std::optional<std::string> MenuResultMessage(MenuRecordKind kind, ModelFamily dialogFamily, ModelId model,
                                             int32_t language) {
    const MenuTexts* texts = TextsFor(dialogFamily, model);
    if (texts == nullptr) {
        return std::nullopt;
    }
    const bool chinese = MessagesInChinese(language);
    if (kind == MenuRecordKind::kFactory) {
        return chinese ? texts->factoryChinese : texts->factoryEnglish;
    }
    return chinese ? texts->normalChinese : texts->normalEnglish;
}

MenuWriteOutcome WriteMenuFile(FileSystem& fs, const std::string& folder, const Record& record,
                               MenuRecordKind kind, ModelFamily dialogFamily, ModelId model,
                               int32_t language) {
    const WriteResult result = WriteRecordFile(fs, folder, kMenuFileName, record);
    if (!result.ok) {
        return {false, DescribeWriteFailure(*result.failure, language), result.failure};
    }
    return {true, MenuResultMessage(kind, dialogFamily, model, language), std::nullopt};
}

}  // namespace corvane
