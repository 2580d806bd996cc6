#pragma once
// The language of the texts this layer writes itself: the descriptions of
// the errors it raises (the database engine's, the run time's, a file's).
// The program installs a function that gives the letter of the run's
// language ("P" Portuguese, "E" Spanish, "I" English); without one, and for
// any other letter, the texts are in English, as the engine words them.
// The operating system's own reason (strerror) is never translated here: it
// follows the layer's text as the system gives it.

#include <QString>

namespace platform {

using LanguageSource = QString (*)();

// Installs the source of the language letter; nullptr for none (English).
void setTextLanguageSource(LanguageSource source);

// The current letter of that source; empty without one.
QString textLanguage();

// One of three texts (UTF-8) for a language letter: "P" the Portuguese, "E"
// the Spanish, any other the English.
QString textForLanguage(const QString& language, const char* portuguese, const char* spanish, const char* english);

// The same for the letter of textLanguage().
QString textInLanguage(const char* portuguese, const char* spanish, const char* english);

// The description of a run-time error number in the language of
// textLanguage(): 53 "File not found", 76 "Path not found", 61 "Disk full",
// ...; empty for a number the table does not hold.
QString runTimeErrorText(long number);
// The same followed by what it concerns: "File not found: <detail>".
QString runTimeErrorText(long number, const QString& detail);

}  // namespace platform
