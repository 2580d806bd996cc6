#pragma once
// The Windows-1252 code page ("ANSI" on the systems the catalogue came from).
// Files exchanged with the user and the update server (configuration, version
// lists, scripts, cart export) are Windows-1252 bytes; the program works on
// QString.  Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in the
// code page; like Windows, they decode to the control characters of the same
// value, so that every byte string decodes and encodes back unchanged.

#include <QByteArray>
#include <QString>

namespace platform {

// Bytes to text: every byte gives one character.
QString fromWindows1252(const QByteArray& bytes);

// Text to bytes.  A character the code page cannot hold sets *ok to false (when
// ok is given) and is written as "?"; callers that must not change a value
// test ok.
QByteArray toWindows1252(const QString& text, bool* ok = nullptr);

// Whether every character of the text has a Windows-1252 byte.
bool isWindows1252(const QString& text);

// One byte's character, and one UTF-16 unit's byte (-1 when the code page
// has none).
char16_t windows1252Char(unsigned char byte);
int windows1252Byte(char16_t c);

}  // namespace platform
