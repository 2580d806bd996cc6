#pragma once
// Forward on the comparison selection (screen 9): the checks of the two
// chosen assemblies before the comparison list opens, as one pure function
// that the comparison screens reuse.
//
// Checks in order, the first failing one wins: side 0 number empty, side 0
// number names no assembly, side 1 empty, side 1 not found, both sides the
// same assembly (text 60, focus on box 1), assemblies of different types
// (text 61, editions D and M text 109; focus on box 0).  The texts of the
// first four checks depend on the edition:
//   empty      V 56, A 57, D 107, M 114
//   not found  V 58, A 59, D 108, M 115
// The message box shows the text followed by ".".

#include <QString>

namespace Pesquisa {

struct LadoComparacao {
    QString texto;     // txtNumeroEmpresaComp(i).Text
    QString codigo;    // its Tag: the CodigoPeca as text, "" when not found
    QString tipoPeca;  // lblDescricaoPecaComp(i).Tag
};

struct FalhaComparacao {
    bool ok = true;        // every check passed
    int texto = -1;        // the texts-table entry of the message
    int caixaFoco = -1;    // the number box (0 or 1) that gets the focus
};

FalhaComparacao VerificaSelecaoComparacao(const LadoComparacao& lado0, const LadoComparacao& lado1,
                                          const QString& edicao);

}  // namespace Pesquisa
