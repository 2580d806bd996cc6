#pragma once
// The run's interface language for the texts this layer shows itself (mail
// failures, the proxy dialog) and for Qt's own dialogs: the letter of the
// language source the program installs for the message boxes
// (setMessageBoxLanguageSource in messagebox.h).

#include <QString>

namespace platform {

// The current letter of the message boxes' language source; empty without
// one.
QString messageBoxLanguage();

// One of three texts (UTF-8) for a language letter: "P" the Portuguese, "E"
// the Spanish, any other the English.
QString textForLanguage(const QString& language, const char* portuguese, const char* spanish, const char* english);

}  // namespace platform
