#include "preenchecarrinho.h"

#include "core/globals.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"

#include <algorithm>
#include <cmath>

namespace tqferramenta {

using namespace platform::dao;

// A stand-in for the cart routine Modulo::IncluiItemCarrinho until it is on
// this branch: the same rows (insert, or raise the quantity and set the
// optional mark of a row that is there), quantities whole within 1..32000,
// an unknown item refused with 3021.  Replace the body by
//   Modulo::IncluiItemCarrinho(Tipo, Codigo, Quantidade, Opcional, false);
void PreencheCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional)
{
    double q = 1;
    if (!platform::vb::TextToNumber(Quantidade.toStdString(), &q) || !std::isfinite(q))
        q = 1;
    const int quantidade = int(std::clamp(std::floor(q), 1.0, 32000.0));
    const QString tabela = Modulo::gTabelaCarrinho;
    const QString chave = QStringLiteral(" WHERE Tipo = '") + Modulo::TextoSQL(Tipo) + QStringLiteral("' AND Codigo = ") + QString::number(Codigo);

    RecordsetPtr atual = Modulo::gDbAuxiliar->OpenRecordset(QStringLiteral("SELECT Quantidade, Opcional FROM ") + tabela + chave,
                                                           dbOpenForwardOnly);
    if (!atual->EOF_()) {
        const int guardada = atual->Value(0).toInt();
        const bool jaOpcional = atual->Value(1).toString() == QLatin1String(" ");
        atual->Close();
        QStringList mudancas;
        if (quantidade > guardada)
            mudancas << QStringLiteral("Quantidade = ") + QString::number(quantidade);
        if (Opcional && !jaOpcional)
            mudancas << QStringLiteral("Opcional = ' '");
        if (!mudancas.isEmpty())
            Modulo::gDbAuxiliar->Execute(QStringLiteral("UPDATE ") + tabela + QStringLiteral(" SET ") + mudancas.join(QLatin1Char(',')) + chave);
        return;
    }
    atual->Close();

    QString entidade, nomeTipo;
    if (Tipo == QLatin1String("COM")) {
        entidade = QStringLiteral("Componente");
        nomeTipo = QLatin1Char('\'') + Modulo::TextoSQL(Modulo::ObtemTexto(2)) + QLatin1Char('\'');
    } else if (Tipo == QLatin1String("JRE")) {
        entidade = QStringLiteral("JogoReparo");
        nomeTipo = QLatin1Char('\'') + Modulo::TextoSQL(Modulo::ObtemTexto(4)) + QLatin1Char('\'');
    } else if (Tipo == QLatin1String("PCA")) {
        entidade = QStringLiteral("Peca");
        nomeTipo = Modulo::gEdicao == QLatin1String("D") || Modulo::gEdicao == QLatin1String("M")
                       ? QLatin1Char('\'') + Modulo::TextoSQL(Modulo::ObtemTexto(111)) + QLatin1Char('\'')
                       : QStringLiteral("IIF(TipoPeca='E','") + Modulo::TextoSQL(Modulo::ObtemTexto(1)) + QStringLiteral("','") +
                             Modulo::TextoSQL(Modulo::ObtemTexto(3)) + QStringLiteral("')");
    } else {
        throw platform::Error(platform::errors::InvalidProcedureCall, QStringLiteral("Unknown kind: ") + Tipo);
    }
    RecordsetPtr item = Modulo::gDbDazadize->OpenRecordset(
        QStringLiteral("SELECT Descricao%1%2 AS Descricao, NumeroEmpresa%1 AS NumeroEmpresa, %3 AS DescricaoTipo FROM %1 WHERE Codigo%1 = %4")
            .arg(entidade, Modulo::gIdioma, nomeTipo)
            .arg(Codigo),
        dbOpenForwardOnly);
    if (item->EOF_())
        throw platform::Error(JetError::NoCurrentRecord, QStringLiteral("No %1 %2 in the catalogue").arg(Tipo).arg(Codigo));
    auto texto = [](const QVariant& v) {
        return IsNull(v) || v.toString().isEmpty() ? QStringLiteral("Null") : QLatin1Char('\'') + Modulo::TextoSQL(v.toString()) + QLatin1Char('\'');
    };
    const QString valores = QStringLiteral("'%1',%2,%3,%4,%5,%6,'%7'")
                                .arg(Modulo::TextoSQL(Tipo))
                                .arg(Codigo)
                                .arg(quantidade)
                                .arg(texto(item->Value(0)), texto(item->Value(1)), texto(item->Value(2)),
                                     Opcional ? QStringLiteral(" ") : QString(QChar(13)));
    item->Close();
    Modulo::gDbAuxiliar->Execute(QStringLiteral("INSERT INTO ") + tabela +
                                 QStringLiteral("(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional)VALUES(") +
                                 valores + QLatin1Char(')'));
}

}  // namespace tqferramenta
