#pragma once
// The texts of the main window's update labels, read from the version record
// (frmTQ1.AtualizaInfoUltimaAtualizacao without its controls).
//
//   SELECT DataEmissao,ComplementoDataEmissao,DataUltimaVerificacao,
//          FlagErroUltimaVerificacao FROM UMREGISTRO
// gives the issue date "10-JAN-2007" followed by its complement (the label
// lblUltimaAtualizacao and gTextoDataEmissao), the tooltip text 78 ": " and
// that date (the label and imgAtualizadoEm), and the update icon's tooltip
// text 80, followed by "  -  " and text 79 (text 72 after a failed check),
// ": " and the last check's date and time when there was a check.  A Null
// issue date reads as an empty date; a Null complement as nothing.

#include "platform/dao/dao.h"

#include <QDateTime>
#include <QString>

namespace Atualizacao {

struct InfoUltimaAtualizacao {
    QString textoDataEmissao;        // gTextoDataEmissao, the caption of lblUltimaAtualizacao
    QString dicaDataEmissao;         // tooltip of lblUltimaAtualizacao and imgAtualizadoEm
    QString dicaIconeAtualizar;      // tooltip of imgIcoAtualizar
    QDateTime dataUltimaVerificacao; // invalid when there was none (the value 1.0 of the design)
    bool erroUltimaVerificacao = false;
};

// Reads the record through `banco` (default: the catalogue's read-only
// connection Modulo::gDbDazadize) in the current language.  Errors of the
// database reach the caller.
InfoUltimaAtualizacao LeInfoUltimaAtualizacao(const platform::dao::DatabasePtr& banco = {});

}  // namespace Atualizacao
