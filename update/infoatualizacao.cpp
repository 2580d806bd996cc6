#include "update/infoatualizacao.h"

#include "core/database.h"
#include "core/dates.h"
#include "core/texts.h"

namespace Atualizacao {

using namespace platform::dao;

InfoUltimaAtualizacao LeInfoUltimaAtualizacao(const DatabasePtr& banco)
{
    DatabasePtr db = banco;
    RecordsetPtr rs = Modulo::AbreConsulta(QStringLiteral("SELECT ") + QStringLiteral("DataEmissao,")
                                               + QStringLiteral("ComplementoDataEmissao,")
                                               + QStringLiteral("DataUltimaVerificacao,")
                                               + QStringLiteral("FlagErroUltimaVerificacao ") + QStringLiteral("FROM ")
                                               + QStringLiteral("UMREGISTRO"),
                                           &db, dbOpenForwardOnly);
    InfoUltimaAtualizacao info;
    try {
        const QVariant emissao = rs->Value(0);
        const QVariant complemento = rs->Value(1);
        const QVariant verificacao = rs->Value(2);
        const QVariant flag = rs->Value(3);
        info.textoDataEmissao = (IsNull(emissao) ? QString() : Modulo::FormataData(emissao.toDateTime()))
            + (IsNull(complemento) ? QString() : complemento.toString());
        info.dicaDataEmissao = Modulo::ObtemTexto(78) + QStringLiteral(": ") + info.textoDataEmissao;
        if (!IsNull(verificacao))
            info.dataUltimaVerificacao = verificacao.toDateTime();
        info.erroUltimaVerificacao = !IsNull(flag) && flag.toInt() == 1;
        QString ultima;
        if (info.dataUltimaVerificacao.isValid())
            ultima = Modulo::ObtemTexto(info.erroUltimaVerificacao ? 72 : 79) + QStringLiteral(": ")
                + Modulo::FormataDataHora(info.dataUltimaVerificacao);
        info.dicaIconeAtualizar = Modulo::ObtemTexto(80) + (ultima.isEmpty() ? QString() : QStringLiteral("  -  ") + ultima);
    } catch (...) {
        Modulo::FechaConsulta(rs);
        throw;
    }
    Modulo::FechaConsulta(rs);
    return info;
}

}  // namespace Atualizacao
