#include "comparison/listacarrinho.h"

#include "core/janelas.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "platform/desktop/messagebox.h"

namespace Comparacao {

using namespace platform::dao;

QString ConsultaLista(const QString& TabelaCarrinho)
{
    QString sql = QStringLiteral("SELECT Format(<TABLST>.NumeroEmpresa, '0000 000 000') AS NumeroEmpresa,Descricao,Quantidade,"
                                 "DescricaoTipo,Tipo,Codigo,Opcional FROM <TABLST> ORDER BY 1");
    sql.replace(QLatin1String("<TABLST>"), TabelaCarrinho);
    return sql;
}

QStringList ColunasLista(const QString& Idioma, const QString& Edicao)
{
    auto t = [&](int n) { return Modulo::ObtemTexto(n, Idioma, Edicao); };
    auto w = [](int px) { return QString::number(Modulo::PixelsParaTwips(px, QStringLiteral("W"))); };
    const QStringList specs = {
        QStringLiteral("NumeroEmpresa|0|") + w(87) + QStringLiteral("|T|6"),
        QStringLiteral("Descricao|0|") + w(187) + QStringLiteral("|T|6"),
        QStringLiteral("Quantidade|1|") + w(38) + QStringLiteral("|T|6"),
        QStringLiteral("DescricaoTipo|0|") + w(109) + QStringLiteral("|T|6"),
        QStringLiteral("Opcional|2|") + w(28) + QStringLiteral("|I|6|") + t(53) + QStringLiteral("|0"),
        QStringLiteral("|2|") + w(28) + QStringLiteral("|F|6|") + t(12) + QStringLiteral("  -  ") + t(102) +
            QStringLiteral(":+1 / ") + t(103) + QStringLiteral(":+10|99"),
        QStringLiteral("|2|") + w(28) + QStringLiteral("|F|6|") + t(13) + QStringLiteral("  -  ") + t(102) +
            QStringLiteral(":-1 / ") + t(103) + QStringLiteral(":-10|99"),
        QStringLiteral("|2|") + w(28) + QStringLiteral("|F|6|") + t(11) + QStringLiteral("|99"),
    };
    return specs.join(QLatin1Char(';')).split(QLatin1Char(';'));
}

std::array<std::array<QString, 4>, 2> NomesIconesLista()
{
    return {{{QStringLiteral("ICOOPCIONAIS"), QStringLiteral("ICOAUMENTAR"), QStringLiteral("ICODIMINUIR"), QStringLiteral("ICOEXCLUIR")},
             {QStringLiteral("ICOOPCIONAIS"), QStringLiteral("ICOAUMENTAR_S"), QStringLiteral("ICODIMINUIR_S"), QStringLiteral("ICOEXCLUIR_S")}}};
}

bool LocalizaItemLista(const RecordsetPtr& Lista, const QString& Tipo, long Codigo)
{
    if (!Lista || Tipo.trimmed().isEmpty() || Codigo <= 0)
        return false;
    Lista->FindFirst(QStringLiteral("Tipo = '") + Modulo::TextoSQL(Tipo) + QStringLiteral("' AND Codigo = ") +
                     QString::number(Codigo));
    return !Lista->NoMatch();
}

bool LimpaLista(const RecordsetPtr& Lista, const std::function<void()>& ExcluiTodos)
{
    const QString titulo = Modulo::ObtemTexto(19);
    if (!Lista || Lista->EOF_()) {
        platform::MsgBox(Modulo::ObtemTexto(16) + QLatin1Char('.'), platform::vbCritical | platform::vbOKOnly, titulo);
        return false;
    }
    const int resposta = platform::MsgBox(Modulo::ObtemTexto(35),
                                          platform::vbYesNo | platform::vbQuestion | platform::vbDefaultButton2, titulo);
    if (resposta == platform::vbNo)
        return false;
    ExcluiTodos();
    return true;
}

}  // namespace Comparacao
