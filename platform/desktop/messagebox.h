#pragma once
// Message boxes behind an interface: the program shows real Qt boxes, tests
// install a fake that records what the user would have seen and answers.
//
// Pattern for every desktop service of this folder: an abstract interface,
// a function returning the installed instance (the real one by default) and a
// setter that tests use (pass nullptr to restore the real one).

#include "platform/base/language.h"

#include <QString>

namespace platform {

// Buttons and icons keep the values of the Visual Basic constants, so that
// callers can combine them as the catalogue's design does (vbCritical + vbOKOnly).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbYes = 6,
    vbNo = 7,
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button chosen.
    virtual int Show(const QString& text, int style, const QString& title) = 0;
};

MessageBoxes& messageBoxes();
void setMessageBoxes(MessageBoxes* fake);

// The real boxes caption their buttons in the interface language of the run:
// "P" Portuguese, "E" Spanish, anything else English.  The program installs
// a function that gives the current letter (the shared module does it for
// its language global); without one the buttons are in English.
void setMessageBoxLanguageSource(LanguageSource source);
// The captions of OK, Cancel, Yes and No for a language letter.
struct ButtonTexts {
    QString ok, cancel, yes, no;
};
ButtonTexts messageBoxButtonTexts(const QString& language);

// Convenience with the argument order of the run time's MsgBox.
inline int MsgBox(const QString& text, int style, const QString& title)
{
    return messageBoxes().Show(text, style, title);
}

}  // namespace platform
