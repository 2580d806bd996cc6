#pragma once
// Qt's own dialogs (the file and print dialogs, the questions they ask, the
// standard buttons and the text boxes' menus) in the run's language: Qt's
// translations for the language letter of the run, loaded with a
// QTranslator.  The program calls installQtTranslations when the run's
// language is chosen; the real save and print dialogs call it again before
// they show, so a language changed since is followed.

#include <QString>

namespace platform {

// Installs Qt's translations (qtbase_<locale>.qm) for a language letter:
// "P" Brazilian Portuguese, "E" Spanish, any other none (Qt's own English).
// The translations of the letter installed before are removed first; the
// same letter again changes nothing.  A missing translation file is no
// error: the dialogs stay in English.  `folder` empty: Qt's translations
// folder.  Returns whether a translation is installed now.
bool installQtTranslations(const QString& language, const QString& folder = {});

// installQtTranslations for the letter of the message boxes' language source
// (messagebox.h).
void installQtTranslationsOfRun();

}  // namespace platform
