// Writes the shape of the main window and of the 8620 setup dialogs (title, size, font and every control
// with its kind, place and template text) as plain text files for the bare comparison program, so that
// the bare windows always have the controls the real templates have.
//
//   dialog_shapes OUTPUT_FOLDER   writes main.shape, camera.shape, mms.shape, smtp.shape
//
// Format, one item a line: "title TEXT", "size W H" (dialog units), "font FAMILY", "points N", then
// "control KIND X Y W H TEXT" with KIND one of label, group, frame, button, list, edit, icon.

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <string>

#include "dialogs/res/camera_templates.h"
#include "dialogs/res/main_templates.h"
#include "dialogs/res/mms_templates.h"
#include "dialogs/res/smtp_templates.h"
#include "framework/dialog_template.h"
#include "framework/dialog_units.h"

namespace {

const char* KindName(corvane::ControlKind kind) {
    using corvane::ControlKind;
    switch (kind) {
        case ControlKind::kLabel:
            return "label";
        case ControlKind::kGroupBox:
            return "group";
        case ControlKind::kSunkenFrame:
            return "frame";
        case ControlKind::kPushButton:
        case ControlKind::kDefPushButton:
            return "button";
        case ControlKind::kDropDownList:
            return "list";
        case ControlKind::kEdit:
            return "edit";
        case ControlKind::kIcon:
            return "icon";
    }
    return "label";
}

bool WriteShape(const std::string& path, const corvane::DialogTemplate& dialog) {
    std::ofstream out(path);
    const QFont font = corvane::ResolveDialogFont(dialog.fontName, dialog.fontPoints);
    out << "title " << dialog.caption << "\n";
    out << "size " << dialog.width << " " << dialog.height << "\n";
    out << "font " << font.family().toStdString() << "\n";
    out << "points " << font.pointSize() << "\n";
    for (const corvane::ControlTemplate& control : dialog.controls) {
        out << "control " << KindName(control.kind) << " " << control.x << " " << control.y << " "
            << control.width << " " << control.height << " " << control.text << "\n";
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: dialog_shapes OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);  // the font database needs it
    const std::string folder = argv[1];
    using corvane::ModelFamily;
    const bool written =
        WriteShape(folder + "/main.shape", corvane::MainDialogTemplate()) &&
        WriteShape(folder + "/camera.shape", corvane::CameraDialogTemplate(ModelFamily::k8620)) &&
        WriteShape(folder + "/mms.shape", corvane::MmsDialogTemplate(ModelFamily::k8620)) &&
        WriteShape(folder + "/smtp.shape", corvane::SmtpDialogTemplate(ModelFamily::k8620));
    if (!written) {
        std::fprintf(stderr, "dialog_shapes: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
