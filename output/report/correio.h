#pragma once
// E-mail with attachments through the desktop's mail program: "xdg-email"
// (found on PATH) started without a shell, with one "--attach FILE" per file
// in order.  It opens a new message for the user to address and send.
//
// Until the desktop's mail interface is shared in platform/desktop, the
// output keeps this small adapter of its own; the program and the headless
// tool hand it to the output through saida::Ambiente.
//
// Errors are raised as platform::Error: 53 when no "xdg-email" can be
// started, 57 when it ends with another code than 0 or is killed, with what
// it wrote on its error output.

#include <QStringList>

namespace saida {

void EnviaEmailXdg(const QStringList& arquivos);

}  // namespace saida
