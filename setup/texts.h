#pragma once
// The installer's German texts, with the product's name and the target folder put in.
#include <string>

namespace setup {

inline constexpr const char* kMessageCaption = "Setup";
inline constexpr const char* kDescriptionMissing = "Data.stp fehlt! Setup wird abgebrochen!";
inline constexpr const char* kDescriptionUnreadable =
    "Fehler beim Lesen von setup.dat! Setup wird abgebrochen!";
inline constexpr const char* kConfirmCancel = "Wollen Sie die Installation wirklich abbrechen?";
inline constexpr const char* kSpaceShort =
    "Nicht genügend Speicher auf den ausgewählten Datenträger!";
inline constexpr const char* kShortcutsFailed =
    "Fehler beim Erstellen der Startmenü-Enträge! Setup wird abgebrochen!";

std::string windowTitle(const std::string& product);
std::string copyErrorText(const std::string& file);

// Dialog 102, the target folder.
std::string targetIntroText(const std::string& product);
inline constexpr const char* kTargetHowText =
    "Klicken Sie auf Weiter zur Installation in diesem Order oder geben Sie manuell einen "
    "anderen Pfad an.";
std::string targetCancelText(const std::string& product);

// Dialog 103, the progress.
std::string progressIntroText(const std::string& product);
inline constexpr const char* kProgressCancelText =
    "Um die Installation vorzeitig abzubrechen, dürcken Sie Abbrechen.";
std::string uninstallText(const std::string& product, const std::string& targetFolder);
std::string sourceFileText(const std::string& file);
std::string targetFileText(const std::string& target);

// Dialog 104, the completion.
std::string completedText(const std::string& product);
inline constexpr const char* kStartMenuText =
    "Sie können das Program jederzeit aus dem Startmenü heraus starten.";

}  // namespace setup
