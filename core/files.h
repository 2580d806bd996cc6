#pragma once
// File, folder, process and temporary-name helpers of the shared module.
//
// Paths use "/"; a folder returned "with bar" (ComBarra) ends in "/".  The
// routines that look a folder up fall back instead of failing (the program's
// folder for a missing system, temporary or Desktop folder; "1A281CEC" for an
// unknown volume serial).  The routines that act on files raise
// platform::Error with the run time's numbers (53 file not found, 58 file
// already exists, 70 permission denied, 75 path/file access error, 76 path
// not found).
//
// Where the folders are on Linux:
//   program folder   the folder of the running executable
//   "SYSTEM"         /etc/xdg/NorvaleInformatica/, or the folder named by the
//                    environment variable TQ_SYSTEM_DIR (tests), or the one
//                    set with DefinePastaSistema
//   "TEMP"           a private per-user folder (mode 0700) below the system's
//                    temporary folder
//   Desktop          QStandardPaths::DesktopLocation
//   volume serial    the first 8 hex digits of /etc/machine-id, upper-case

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Modulo {

// The program's own folder; with ComBarra it ends in "/".
QString ObtemCaminhoApp(bool ComBarra);

// True exactly when Caminho names a file that can be opened for reading: a
// folder, an unreadable file, an empty path and a missing file give false.
// Never fails.
bool ArquivoExiste(const QString& Caminho);

// The whole content of a file as Windows-1252 text (line ends kept, nothing
// trimmed).  A missing or unreadable file raises 53 or 70 and creates nothing.
QString LeArquivo(const QString& Caminho);
// The same as raw bytes.
QByteArray LeArquivoBytes(const QString& Caminho);

// Deletes a file when it exists (read-only files included).  A failure to
// delete an existing file raises 70 or 75.
void ExcluiArquivo(const QString& Caminho);

// True when a folder or a file of that name exists.
bool PastaExiste(const QString& Caminho);

// Creates the missing folders of the relative path Relativo ("B/C/file.txt";
// "\" is taken as "/") below the folder Base (ending in "/").  With
// UltimoEhArquivo the last element names a file and is not created.  An
// absolute path or a ".." element is refused (75): a relative path never
// leaves its base.  A folder that cannot be created raises 75.
void CriaPastas(const QString& Base, const QString& Relativo, bool UltimoEhArquivo);

// "SYSTEM": the system-wide configuration folder; "TEMP": the private
// temporary folder of the user (created when missing).  Tipo is trimmed and
// compared without case; any other text, or a folder that cannot be had,
// gives the program's folder.
QString ObtemPastaSistema(const QString& Tipo, bool ComBarra);
// Tests and tools point the "SYSTEM" folder elsewhere; an empty path restores
// the default (TQ_SYSTEM_DIR, else /etc/xdg/NorvaleInformatica/).
void DefinePastaSistema(const QString& pasta);

// Registry roots, for LeValorRegistro.
constexpr long HKEY_CURRENT_USER = static_cast<long>(0x80000001);
// The registry holds nothing on this system but the one value the catalogue
// reads, "Desktop" below HKEY_CURRENT_USER in the key
// "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders": the
// desktop folder.  Every other value gives the empty string.
QString LeValorRegistro(long HKey, const QString& SubChave, const QString& Valor);

// The user's Desktop folder; the program's folder when there is none.
QString ObtemPastaDesktop(bool ComBarra);

// The volume serial as 8 upper-case hex digits ("1A281CEC" when unknown).  The
// root is accepted for compatibility; there is one machine serial.
QString ObtemSerieVolume(const QString& Raiz = QStringLiteral("C:/"));

// A new file name in the data folder gCaminhoDados: the moment formatted
// "sshhyynnmmdd", the volume serial, a random number 0..9999, "." and the
// extension.  The file is created, empty and exclusively, before the name is
// returned, so two programs never get the same name.  A data folder where no
// file can be created raises 75.
QString ObtemNomeArquivoTemporario(const QString& Extensao);

// Starts a program with its arguments (no shell is involved) and returns its
// exit code once it has ended.  While it runs, events are processed (the
// windows stay responsive) and nothing spins.  A program that cannot be
// started raises 53.  Estilo is the window style of the original call and is
// accepted for compatibility.
int ExecutaAguardando(const QString& Programa, const QStringList& Argumentos = {}, int Estilo = 1);

// Raises the run-time error an errno value of a file operation on Caminho
// stands for (53 or 76 for a missing file or folder, 70 for no permission, 58
// for an existing file, otherwise Padrao), naming the path and the system's
// reason.
[[noreturn]] void LevantaErroArquivo(int Erro, const QString& Caminho, long Padrao = 75);

namespace detail {
// The temporary file name for a moment, serial and number (no file test).
QString NomeTemporario(const QString& pasta, const QDateTime& momento, const QString& serie, int numero,
                       const QString& extensao);
}  // namespace detail

}  // namespace Modulo
