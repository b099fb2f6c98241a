#include "texts.h"

namespace setup {

std::string windowTitle(const std::string& product) {
    return product + " - Setup";
}

std::string copyErrorText(const std::string& file) {
    return "Fehler beim Kopieren von " + file + "!";
}

std::string targetIntroText(const std::string& product) {
    return "Das Setup wird " + product + " in folgendem Ordner installieren.";
}

std::string targetCancelText(const std::string& product) {
    return "Wählen Sie Abbrechen, um Setup zu beenden, wenn " + product +
           " nicht installiert werden soll.";
}

std::string progressIntroText(const std::string& product) {
    return "Das Setup installiert " + product + " nun im ausgewählten Ordner.";
}

std::string uninstallText(const std::string& product, const std::string& targetFolder) {
    return "Um " + product + " später zu deinstallieren genügt es, das Verezichnis " +
           targetFolder +
           " und den Eintrag im Startmenü zu löschen, um alle Komponenten vollständig zu "
           "entfernen";
}

std::string sourceFileText(const std::string& file) {
    return "Quelldatei: " + file;
}

std::string targetFileText(const std::string& target) {
    return "Zieldatei: " + target;
}

std::string completedText(const std::string& product) {
    return product + " ist nun vollständig installiert.";
}

}  // namespace setup
