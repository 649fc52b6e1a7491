#include "framework/accessible_names.h"

#include <algorithm>
#include <cctype>

namespace corvane {

namespace {

// A label that says something: not a lone ":" or other punctuation between fields.
bool IsWordLabel(const ControlTemplate& c) {
    if (c.kind != ControlKind::kLabel) {
        return false;
    }
    return std::any_of(c.text.begin(), c.text.end(), [](char ch) {
        return static_cast<unsigned char>(ch) >= 0x80 || std::isalnum(static_cast<unsigned char>(ch)) != 0;
    });
}

// The height a control takes on its row: a list's template height is that of its opened drop-down.
int RowHeight(const ControlTemplate& c) {
    return c.kind == ControlKind::kDropDownList ? 12 : c.height;
}

}  // namespace

bool IsNamed(ControlKind kind) {
    return kind == ControlKind::kEdit || kind == ControlKind::kDropDownList;
}

std::vector<size_t> NamingControls(const std::vector<ControlTemplate>& controls, size_t field) {
    const ControlTemplate& f = controls[field];
    const int top = f.y - 2;
    const int bottom = f.y + RowHeight(f) + 2;
    auto onRowLeft = [&](const ControlTemplate& c) {
        const int middle = c.y + RowHeight(c) / 2;
        return middle >= top && middle <= bottom && c.x + c.width <= f.x + 2;
    };
    auto rightAbove = [&](const ControlTemplate& c) {
        const int cBottom = c.y + c.height;
        return cBottom <= f.y + 2 && cBottom >= f.y - 6 && c.x < f.x + f.width && c.x + c.width > f.x;
    };
    auto nearest = [&](auto accepts, auto closer) {
        int best = -1;
        for (size_t i = 0; i < controls.size(); ++i) {
            if (i != field && accepts(controls[i]) && (best < 0 || closer(controls[i], controls[best]))) {
                best = static_cast<int>(i);
            }
        }
        return best;
    };
    auto moreRight = [](const ControlTemplate& a, const ControlTemplate& b) {
        return a.x + a.width > b.x + b.width;
    };
    auto lower = [](const ControlTemplate& a, const ControlTemplate& b) {
        return a.y + a.height > b.y + b.height;
    };

    std::vector<size_t> sources;
    const int rowLabel =
        nearest([&](const ControlTemplate& c) { return onRowLeft(c) && IsWordLabel(c); }, moreRight);
    const int heading =
        nearest([&](const ControlTemplate& c) { return rightAbove(c) && IsWordLabel(c); }, lower);
    for (const int source : {rowLabel, heading}) {
        if (source >= 0) {
            sources.push_back(static_cast<size_t>(source));
        }
    }
    if (sources.empty()) {
        const int chooser = nearest(
            [&](const ControlTemplate& c) {
                return (c.kind == ControlKind::kDropDownList || c.kind == ControlKind::kPushButton) &&
                       onRowLeft(c);
            },
            moreRight);
        if (chooser >= 0) {
            sources.push_back(static_cast<size_t>(chooser));
        }
    }
    return sources;
}

std::string NamePart(const std::string& text) {
    // Whitespace runs become one space (the text is on one line).
    std::string part;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = !part.empty();
            continue;
        }
        if (space) {
            part.push_back(' ');
            space = false;
        }
        part.push_back(c);
    }
    const std::string fullWidthColon = "\xEF\xBC\x9A";
    for (;;) {
        if (!part.empty() && part.back() == ':') {
            part.pop_back();
        } else if (part.size() >= 3 && part.compare(part.size() - 3, 3, fullWidthColon) == 0) {
            part.resize(part.size() - 3);
        } else {
            break;
        }
    }
    while (!part.empty() && part.back() == ' ') {
        part.pop_back();
    }
    return part;
}

}  // namespace corvane
