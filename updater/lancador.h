#pragma once
// The launcher DazadizeTQ_V: the program through which the user starts the
// catalogue, and through which the catalogue restarts itself after an update
// delivered a new program file.
//
// Form_Load does the whole run:
//   1. with a process id on the command line, waits (without spinning, at
//      most Ambiente::limiteEspera) for that process to end;
//   2. when "NVTavrix_V.tmp" lies in the program folder and is a program for
//      this system, swaps it in for "Tavrix_V": the old program is linked to
//      a backup name, the new file is made executable and renamed over
//      "Tavrix_V" (so the folder is never without a program);
//   3. starts "Tavrix_V" with the argument "CallDazadizeTQ"; after a swap the
//      new program must stay up for Ambiente::confirmacaoInicio, otherwise the
//      old program is put back from the backup and started instead; the
//      backup is deleted once the new program runs.
// Every failure is shown in a critical message box titled
// "Acessando Razovovu TQ" and ends the launcher (a refused pending file and a
// new program that cannot start are reported and the old program is started).

#include <QString>
#include <QStringList>

#include <functional>

namespace frmCallDazadizeTQ {

inline constexpr const char* kTitulo = "Acessando Razovovu TQ";
inline constexpr const char* kPrograma = "Tavrix_V";
inline constexpr const char* kPendente = "NVTavrix_V.tmp";
inline constexpr const char* kPalavraInicio = "CallDazadizeTQ";

// What the run needs of its surroundings; the program fills it with the real
// ones, tests with a temporary folder, a fake message box and short times.
struct Ambiente {
    QString pasta;                                    // program folder, ending in "/"
    std::function<void(const QString& texto)> mensagem;  // the critical box
    int limiteEspera = 3 * 60 * 1000;                 // ms to wait for the process id
    int confirmacaoInicio = 2000;                     // ms a swapped-in program must stay up
};

// Exit codes of the launcher.
enum Resultado : int {
    Iniciado = 0,            // the catalogue was started
    ErroArgumento = 2,       // the command line is not a process id
    ErroEspera = 3,          // the process did not end in time
    ErroTroca = 4,           // the swap failed (nothing started)
    ErroInicio = 5,          // the catalogue could not be started
};

// The whole launcher.  `comando` is the command line without the program
// (the arguments joined by blanks).
int Form_Load(const QString& comando, const Ambiente& ambiente);

// The program's folder; with ComBarra it ends in "/".
QString ObtemCaminhoApp(bool ComBarra);

// True when the file can be opened for reading.
bool ArquivoExiste(const QString& Caminho);

// The first 8 hexadecimal digits of /etc/machine-id, upper-case;
// "00000000" when it cannot be read.  The root is accepted for compatibility.
QString ObtemSerieVolume(const QString& Raiz = QStringLiteral("C:/"));

// A backup name in `Pasta` that no file has: the moment formatted
// "sshhyynnmmdd", the volume serial, a random number 0..9999 and ".tmp".
QString ObtemNomeArquivoTemporario(const QString& Pasta);

// Whether the file is a program for this system: a non-empty ELF file of this
// machine's word size, byte order and architecture.
bool EhProgramaDoSistema(const QString& Caminho);

}  // namespace frmCallDazadizeTQ
