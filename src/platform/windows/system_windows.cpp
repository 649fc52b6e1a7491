// Preference key and system language on Windows: the program's key under the local machine, read and
// written through QSettings' native (registry) format.
#include <windows.h>

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include "platform/desktop_platform.h"
#include "platform/ini_text.h"

namespace corvane::platform {

namespace {

const QString kParentPath =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths");
const QString kKeyName = QStringLiteral("Corvane.exe");

class RegistryPreferenceKey : public PreferenceKey {
  public:
    bool Open() override {
        QSettings parent(kParentPath, QSettings::NativeFormat);
        return parent.childGroups().contains(kKeyName, Qt::CaseInsensitive);
    }

    // The registry creates the key together with its first value.
    bool Create() override {
        QSettings settings(KeyPath(), QSettings::NativeFormat);
        return settings.isWritable();
    }

    std::optional<uint32_t> ReadNumber(const std::string& name) override {
        if (!Open()) {
            return std::nullopt;
        }
        const QSettings settings(KeyPath(), QSettings::NativeFormat);
        const QVariant v = settings.value(QString::fromStdString(name));
        switch (v.typeId()) {
            case QMetaType::Int:  // REG_DWORD
                return static_cast<uint32_t>(v.toInt());
            case QMetaType::UInt:
                return v.toUInt();
            case QMetaType::LongLong:
            case QMetaType::ULongLong: {  // REG_QWORD: wider than 32 bits counts as unreadable
                const qulonglong n = v.toULongLong();
                return n <= 0xFFFFFFFFull ? std::optional<uint32_t>(static_cast<uint32_t>(n)) : std::nullopt;
            }
            case QMetaType::QString:
                return ParseStoredNumber(v.toString().toStdString());
            default:
                return std::nullopt;
        }
    }

    std::optional<std::string> ReadText(const std::string& name) override {
        if (!Open()) {
            return std::nullopt;
        }
        const QSettings settings(KeyPath(), QSettings::NativeFormat);
        const QVariant v = settings.value(QString::fromStdString(name));
        return v.isValid() ? std::optional<std::string>(v.toString().toStdString()) : std::nullopt;
    }

    bool WriteNumber(const std::string& name, uint32_t value) override {
        return Store(name, QVariant(static_cast<int>(value)));
    }

    bool WriteText(const std::string& name, const std::string& value) override {
        return Store(name, QVariant(QString::fromStdString(value)));
    }

  private:
    static QString KeyPath() { return kParentPath + QStringLiteral("\\") + kKeyName; }

    bool Store(const std::string& name, const QVariant& value) {
        QSettings settings(KeyPath(), QSettings::NativeFormat);
        if (!settings.isWritable()) {
            return false;
        }
        settings.setValue(QString::fromStdString(name), value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }
};

}  // namespace

std::unique_ptr<PreferenceKey> MakeSystemPreferenceKey() {
    return std::make_unique<RegistryPreferenceKey>();
}

uint16_t SystemDefaultLanguageId() {
    return GetSystemDefaultLangID();
}

// Windows always has its desktop.
std::string DisplayProblem() {
    return {};
}

std::string DisplayOpenFailure() {
    return "Corvane cannot open its windows on this desktop.";
}

}  // namespace corvane::platform
