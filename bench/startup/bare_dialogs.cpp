// The bare comparison program: plain Qt Widgets, no framework, templates, texts or preferences. It shows
// a dialog with the main window's shape; its first three buttons close it and open a dialog with the
// camera, MMS or e-mail dialog's shape, as the real program does. Shapes come from dialog_shapes.
//
//   bare_dialogs MAIN.shape CAMERA.shape MMS.shape SMTP.shape

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Control {
    std::string kind;
    int x = 0, y = 0, width = 0, height = 0;
    std::string text;
};

struct Shape {
    std::string title;
    int width = 0, height = 0;
    std::string font;
    int points = 9;
    std::vector<Control> controls;
};

bool ReadShape(const char* path, Shape& shape) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        fields >> key;
        if (key == "title" || key == "font") {
            std::string value;
            std::getline(fields >> std::ws, value);
            (key == "title" ? shape.title : shape.font) = value;
        } else if (key == "size") {
            fields >> shape.width >> shape.height;
        } else if (key == "points") {
            fields >> shape.points;
        } else if (key == "control") {
            Control c;
            fields >> c.kind >> c.x >> c.y >> c.width >> c.height;
            std::getline(fields >> std::ws, c.text);
            shape.controls.push_back(c);
        }
    }
    return !shape.controls.empty();
}

// Builds the dialog; the first `buttonsThatEnd` buttons end it with their number (1, 2, 3).
QDialog* BuildDialog(const Shape& shape, int buttonsThatEnd) {
    auto* dialog = new QDialog;
    dialog->setWindowTitle(QString::fromStdString(shape.title));
    QFont font(QString::fromStdString(shape.font));
    font.setPointSize(shape.points);
    dialog->setFont(font);
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(111, 153, 224));
    palette.setColor(QPalette::WindowText, Qt::white);
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);

    // Dialog units to pixels, as any fixed-layout dialog needs.
    const QFontMetrics metrics(font);
    const int cx =
        (metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
         26) /
        52;
    const int cy = metrics.height();
    const auto px = [cx](int units) { return (units * cx + 2) / 4; };
    const auto py = [cy](int units) { return (units * cy + 4) / 8; };
    dialog->setFixedSize(px(shape.width), py(shape.height));

    int buttons = 0;
    for (const Control& c : shape.controls) {
        const QString text = QString::fromStdString(c.text);
        QWidget* widget = nullptr;
        int height = py(c.height);
        if (c.kind == "label" || c.kind == "icon") {
            widget = new QLabel(text, dialog);
        } else if (c.kind == "group") {
            widget = new QGroupBox(text, dialog);
        } else if (c.kind == "frame") {
            auto* frame = new QFrame(dialog);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = frame;
        } else if (c.kind == "button") {
            auto* button = new QPushButton(text, dialog);
            const int number = ++buttons;
            if (number <= buttonsThatEnd) {
                QObject::connect(button, &QPushButton::clicked, dialog,
                                 [dialog, number] { dialog->done(number); });
            }
            widget = button;
        } else if (c.kind == "list") {
            auto* list = new QComboBox(dialog);
            list->addItems({QStringLiteral("One"), QStringLiteral("Two")});
            height = cy + 8;  // the template gives the opened list's height
            widget = list;
        } else if (c.kind == "edit") {
            widget = new QLineEdit(text, dialog);
        }
        if (widget != nullptr) {
            widget->setGeometry(px(c.x), py(c.y), px(c.width), height);
        }
    }
    return dialog;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: bare_dialogs MAIN.shape CAMERA.shape MMS.shape SMTP.shape\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    Shape main;
    if (!ReadShape(argv[1], main)) {
        std::fprintf(stderr, "bare_dialogs: cannot read %s\n", argv[1]);
        return 1;
    }
    QDialog* mainWindow = BuildDialog(main, 3);
    const int chosen = mainWindow->exec();
    delete mainWindow;
    if (chosen < 1 || chosen > 3) {
        return 0;
    }
    Shape setup;
    if (!ReadShape(argv[1 + chosen], setup)) {
        std::fprintf(stderr, "bare_dialogs: cannot read %s\n", argv[1 + chosen]);
        return 1;
    }
    QDialog* dialog = BuildDialog(setup, 0);
    dialog->exec();
    delete dialog;
    return 0;
}
