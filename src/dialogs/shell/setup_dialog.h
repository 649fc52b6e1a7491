#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/camera_card.h"
#include "core/files/file_system.h"
#include "core/files/message_records.h"
#include "core/files/record.h"
#include "core/models/app_settings.h"
#include "core/models/models.h"
#include "core/presets/presets.h"
#include "decoder/setup_file_reader.h"
#include "framework/cdialog.h"
#include "framework/cwnd.h"
#include "settings/settings_file.h"

namespace corvane {

// What the camera, MMS and e-mail setup dialogs share: the model family that chose the template, the
// settings, the platform and the file system handed in by the application, the title, the output folder
// with its field and button, the file it writes and its read button, the country and operator lists of
// Auto and Manual mode, the remote-control hours list, the pictures-per-day rule, the messages and Exit.
// Generate (its button and Enter) never closes a setup dialog; Exit, Escape and the close box end it with
// IDCANCEL, and whoever ran it shows a fresh main window.
class CSetupDialog : public CDialog {
  public:
    ModelFamily Family() const { return family_; }

    // The folder the next file goes to, as last exchanged with the folder field or typed into it.
    std::string outputFolder;

    // The folder button: the folder browser, opened at the folder the field shows ("~" and "~/..." in the
    // home folder; the start folder for another relative one; the memory card's root when the field is
    // empty); its choice, or the start folder when it gives none; then the fields are
    // refreshed from the values.
    void ChooseOutputFolder();

    // The folder the dialog opened on: the root of the only memory card, else the last folder written to
    // when it still exists, else the platform's default.
    const std::string& StartFolder() const { return startFolder_; }

    // Settings files (Ctrl+S, Ctrl+O and the dialog's context menu): saves what the fields hold, after the
    // dialog's usual checks, as the dialog's section of a settings file (into the file chosen when it holds
    // settings of the same family, keeping its other sections; passwords only when the user says so, and
    // then readable by the owner only); opens one, after its checks, into the fields.
    void SaveSettingsFile();
    void OpenSettingsFile();

    // The read button: the dialog's file in the folder the folder field shows, back into the fields. A
    // file that cannot be taken changes nothing and shows why; a file taken is named.
    void OnReadFile();

  protected:
    // The ids of the folder field and the folder button in the dialog's template, and the characters the
    // field takes (0: any number).
    struct FolderControls {
        int field;
        int button;
        int characterLimit = 0;
    };

    // `settings`, `platform` and `fs` must outlive the dialog; `fileName` is the file it writes and reads.
    CSetupDialog(const DialogTemplate& dialogTemplate, ModelFamily family, const AppSettings& settings,
                 platform::Platform& platform, FileSystem& fs, FolderControls folder, const char* fileName);

    // Refreshes the fields from the values and sets the family's title.
    bool OnInitDialog() override;
    // Enter and the OK button generate, as the Generate button does.
    void OnOK() final;
    // Generate: reads and checks the form, then writes the dialog's file.
    virtual void OnGenerate() = 0;
    // The read button's work: reads the file at `path` into the fields, or returns why it is not taken
    // (then nothing changed).
    virtual std::optional<decoder::Finding> ReadFile(const std::string& path) = 0;

    // Characters the camera and MMS dialogs let a user type into the folder field, whatever their bytes
    // (the e-mail dialog takes any length: its writer reports a path it cannot use). A longer folder typed,
    // pasted or chosen in the browser is refused at once with a message; the field keeps its folder.
    static constexpr int kFolderTypingLimit = 80;

    // The folder the folder field shows becomes the output folder. Each dialog decides when: on every
    // change (MMS), when generating (camera), or with the whole form (e-mail).
    void TakeFolderFromField();
    // Reads every field with its checks (the handler of changes that need nothing else).
    void ReadFields();

    // The countries of the preset set, first selected; the operators of `country`, first selected.
    void FillCountries(CComboBox& list, PresetSet set);
    void FillOperators(CComboBox& list, PresetSet set, int country);

    // Positions of the mode list of the MMS and e-mail dialogs.
    static constexpr int kAutoMode = 0;
    static constexpr int kManualMode = 1;
    // The country and operator lists as a mode sets them: Auto, the countries of `set` and the operators
    // of the first; Manual, "Other" alone in both. The first entries are selected.
    void FillPresetLists(CComboBox& countries, CComboBox& operators, PresetSet set, bool manual);
    // Selects `country` and its operator `operatorIndex` in lists filled for Auto mode.
    void SelectPreset(CComboBox& countries, CComboBox& operators, PresetSet set, int country,
                      int operatorIndex);
    // Before Auto mode writes: false, after saying so, when the preset chosen in the lists lacks the
    // settings Auto mode writes (the file could not work). The message names Manual mode as `modes` does.
    bool PresetHasSettings(PresetSet set, const CComboBox& modes, const CComboBox& countries,
                           const CComboBox& operators);

    // The remote-control hours list: "0" to "24" and then `offEntry`, which is selected.
    static void FillRemoteControlHours(CComboBox& list, std::string_view offEntry);

    // Makes the edit fields `ids` read-only or editable.
    void SetReadOnly(std::initializer_list<int> ids, bool readOnly);

    // The pictures-per-day rule: a count outside 0..99 (typed past 99, or a pasted minus sign) goes back to 0
    // once the reading has shown its message.
    static constexpr int32_t kMaxPicturesPerDay = 99;
    void KeepPicturesPerDayInRange(int32_t& count);

    // Before the dialog's file (`bytes` long) is written into `outputFolder`: false, after saying so, when
    // the folder is not a full path (UseAbsoluteFolder), when it stands for a memory card that is no longer
    // mounted there (nothing may then be written into
    // the empty mount folder), or when the card holding the folder has no room left for the file (the
    // write error a full card gives, whatever its driver reports).
    bool CardReadyFor(std::size_t bytes);
    // Size of setup.dat and smtp.dat: 11 records and the checksum record.
    static constexpr std::size_t kMessageFileSize = 12 * kRecordSize;
    // Generate's end in the MMS and e-mail dialogs: when the card is ready for the file, `write` writes it
    // into the folder it is given; then the failure is told, or `sentence` with the path of the file.
    void WriteMessageFile(const std::function<MessageFileResult(const std::string& folder)>& write,
                          std::string_view sentence);
    // After the dialog's file was written into `folder`: remembers the folder for the next dialog and
    // shows `sentence` (the program's result message) with the full path of the file.
    void TellWritten(const std::string& folder, std::string_view sentence);
    // Remembers `folder` as the folder last written to.
    void RememberFolder(const std::string& folder);

    // Shows a message of the program.
    void Tell(std::string_view text);
    // Shows why a message file was not written (the refused value or the write failure).
    void TellFailure(const MessageFileResult& result);

    // The dialog's section of a settings file: what the fields hold, read with their checks (false when a
    // check failed and said so); and the fields set from `file`, which holds settings of the dialog's
    // family, or the reason they are not (it lacks the section, or the dialog cannot show it).
    virtual bool PutSettings(settings::SettingsFile& file) = 0;
    virtual std::optional<std::string> TakeSettings(const settings::SettingsFile& file) = 0;

    const ModelFamily family_;
    const AppSettings& settings_;
    FileSystem& fs_;
    const char* const fileName_;

  private:
    void TellFolderTooLong();
    void AddSettingsFileCommands();
    // `outputFolder` as an absolute folder ("~" and "~/..." in the home folder); false, after saying so,
    // for a relative one, whose meaning would hang on the program's working folder.
    bool UseAbsoluteFolder();
    // Notes `folder` as the card root it stands for when it is a memory card's root now.
    void NoteCardRoot(const std::vector<Volume>& volumes, const std::string& folder);
    // Before the read button reads the file back: takes the folder from the field and returns the path
    // to read, or nothing after saying why nothing is read (the folder is not a full path, or it stands
    // for a memory card that is no longer mounted there).
    std::optional<std::string> PathToRead();

    const FolderControls folder_;
    std::string startFolder_;
    std::string cardRoot_;  // the card root the folder stood for when it was set; empty when none
};

}  // namespace corvane
