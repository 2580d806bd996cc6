#pragma once
// The run's interface language for the texts this layer shows itself (mail
// failures, the proxy dialog) and for Qt's own dialogs: the letter of the
// language source the program installs for the message boxes
// (setMessageBoxLanguageSource in messagebox.h).

#include "platform/base/language.h"

#include <QString>

namespace platform {

// The current letter of the message boxes' language source; empty without
// one.
QString messageBoxLanguage();

// textForLanguage (platform/base/language.h) gives one of the three texts
// for that letter.

}  // namespace platform
