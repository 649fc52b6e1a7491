#include "framework/dialog_units.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <map>
#include <utility>

namespace corvane {

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t magnitude = product < 0 ? -product : product;
    const int64_t divisor = denominator < 0 ? -static_cast<int64_t>(denominator) : denominator;
    magnitude = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (denominator < 0);
    const int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(result);
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int advance =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogBaseUnits{(advance + 26) / 52, metrics.height()};
}

namespace {

QString ChooseFamily(const QString& wanted) {
    const QStringList installed = QFontDatabase::families();
    const auto find = [&installed](const QString& family) -> QString {
        for (const QString& name : installed) {
            if (name.compare(family, Qt::CaseInsensitive) == 0) {
                return name;
            }
        }
        return {};
    };
    if (QString exact = find(wanted); !exact.isEmpty()) {
        return exact;
    }
    // Known CJK fonts first (Debian's fonts-wqy-microhei is what the scripts install), then any font
    // that declares Simplified Chinese.
    for (const char* fallback : {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
                                 "WenQuanYi Zen Hei", "AR PL UMing CN", "Droid Sans Fallback"}) {
        if (QString name = find(QString::fromLatin1(fallback)); !name.isEmpty()) {
            return name;
        }
    }
    for (const QString& name : installed) {
        if (QFontDatabase::writingSystems(name).contains(QFontDatabase::SimplifiedChinese)) {
            return name;
        }
    }
    return {};
}

}  // namespace

QFont ResolveDialogFont(const std::string& family, int points) {
    // The font database is slow to query and does not change while the program runs.
    static std::map<std::string, QString> chosen;
    auto it = chosen.find(family);
    if (it == chosen.end()) {
        it = chosen.emplace(family, ChooseFamily(QString::fromStdString(family))).first;
    }
    QFont font = it->second.isEmpty() ? QApplication::font() : QFont(it->second);
    font.setPointSize(points > 0 ? points : 9);
    return font;
}

}  // namespace corvane
