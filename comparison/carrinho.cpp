#include "comparison/carrinho.h"

#include "core/globals.h"
#include "core/janelaprincipal.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "core/textosproprios.h"
#include "platform/base/vbruntime.h"
#include "platform/dao/dao.h"

#include <cmath>

namespace Modulo {

using namespace platform::dao;

namespace {

const QString kOpcional = QStringLiteral(" ");
const QString kNaoOpcional = QString(QChar(13));

DatabasePtr Auxiliar()
{
    if (!gDbAuxiliar || !gDbAuxiliar->IsOpen())
        throw platform::Error(JetError::ObjectClosed, QStringLiteral("Object invalid or no longer set. (the cart's database)"));
    return gDbAuxiliar;
}

DatabasePtr Catalogo()
{
    if (!gDbDazadize || !gDbDazadize->IsOpen())
        throw platform::Error(JetError::ObjectClosed, QStringLiteral("Object invalid or no longer set. (the catalogue)"));
    return gDbDazadize;
}

// The entity word of a kind, or an error for any other kind.
QString Entidade(const QString& Tipo)
{
    if (Tipo == QLatin1String("COM"))
        return QStringLiteral("Componente");
    if (Tipo == QLatin1String("JRE"))
        return QStringLiteral("JogoReparo");
    if (Tipo == QLatin1String("PCA"))
        return QStringLiteral("Peca");
    throw platform::Error(
        kErroTipoCarrinho,
        TextoNoIdioma("O carrinho aceita só componentes, jogos de reparo e conjuntos, não o tipo \"%1\".",
                      "El carrito acepta solo componentes, juegos de reparación y conjuntos, no el "
                      "tipo \"%1\".",
                      "The cart takes components, repair kits and assemblies only, not the kind "
                      "\"%1\".")
            .arg(Tipo),
        QStringLiteral("IncluiItemCarrinho"));
}

QString Apostrofado(const QString& texto) { return QLatin1Char('\'') + TextoSQL(texto) + QLatin1Char('\''); }

// A text of the catalogue for the INSERT: Null for a Null or empty value.
QString Valor(const QVariant& v)
{
    const QString t = IsNull(v) ? QString() : v.toString();
    return t.isEmpty() ? QStringLiteral("Null") : Apostrofado(t);
}

QString OndeItem(const QString& Tipo, long Codigo)
{
    return QStringLiteral(" WHERE Tipo = ") + Apostrofado(Tipo) + QStringLiteral(" AND Codigo = ") + QString::number(Codigo);
}

// The catalogue's description, number and kind caption of the item, in the
// run's language; false when the catalogue has no such item.
bool LeItemCatalogo(const QString& Tipo, long Codigo, QVariant& descricao, QVariant& numero, QVariant& descricaoTipo)
{
    // ("?????" "<I>" is split so that no compiler reads "??<" as a trigraph.)
    QString sql = QStringLiteral("SELECT Descricao?????" "<I>  AS Descricao,NumeroEmpresa????? AS NumeroEmpresa,TTTTT              "
                                 "AS DescricaoTipo FROM ????? WHERE Codigo????? = ") +
                  QString::number(Codigo);
    sql.replace(QStringLiteral("<I>"), gIdioma);
    QString tipo;
    if (Tipo == QLatin1String("COM"))
        tipo = Apostrofado(ObtemTexto(2));
    else if (Tipo == QLatin1String("JRE"))
        tipo = Apostrofado(ObtemTexto(4));
    else if (gEdicao == QLatin1String("D") || gEdicao == QLatin1String("M"))
        tipo = Apostrofado(ObtemTexto(111));
    else
        tipo = QStringLiteral("IIF(TipoPeca='E',") + Apostrofado(ObtemTexto(1)) + QLatin1Char(',') + Apostrofado(ObtemTexto(3)) +
               QLatin1Char(')');
    sql.replace(QStringLiteral("TTTTT"), tipo);
    sql.replace(QStringLiteral("?????"), Entidade(Tipo));

    RecordsetPtr rs = Catalogo()->OpenRecordset(sql, dbOpenForwardOnly);
    const bool achou = !rs->EOF_();
    if (achou) {
        descricao = rs->Value(0);
        numero = rs->Value(1);
        descricaoTipo = rs->Value(2);
    }
    rs->Close();
    return achou;
}

}  // namespace

int QuantidadeCarrinho(const QString& Quantidade)
{
    double v = 0;
    if (!platform::vb::TextToNumber(Quantidade.trimmed().toStdString(), &v) || !std::isfinite(v))
        return kQuantidadeMinimaCarrinho;
    const double inteiro = std::floor(v);
    if (inteiro < kQuantidadeMinimaCarrinho)
        return kQuantidadeMinimaCarrinho;
    if (inteiro > kQuantidadeMaximaCarrinho)
        return kQuantidadeMaximaCarrinho;
    return int(inteiro);
}

void IncluiItemCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade, bool Opcional, bool EfeitoVisual)
{
    Entidade(Tipo);  // refuses another kind before anything is read
    const int quantidade = QuantidadeCarrinho(Quantidade);
    DatabasePtr aux = Auxiliar();

    RecordsetPtr rs = aux->OpenRecordset(QStringLiteral("SELECT Quantidade, Opcional FROM ") + gTabelaCarrinho +
                                             OndeItem(Tipo, Codigo),
                                         dbOpenForwardOnly);
    const bool existe = !rs->EOF_();
    QVariant guardada, marca;
    if (existe) {
        guardada = rs->Value(0);
        marca = rs->Value(1);
    }
    rs->Close();

    if (existe) {
        // Merge: the quantities are never added together.
        QStringList atribuicoes;
        if (IsNull(guardada) || quantidade > guardada.toInt())
            atribuicoes << QStringLiteral("Quantidade = ") + QString::number(quantidade);
        if (Opcional && (IsNull(marca) || marca.toString() != kOpcional))
            atribuicoes << QStringLiteral("Opcional = ' '");
        if (!atribuicoes.isEmpty())
            aux->Execute(QStringLiteral("UPDATE ") + gTabelaCarrinho + QStringLiteral(" SET ") +
                         atribuicoes.join(QLatin1Char(',')) + OndeItem(Tipo, Codigo));
    } else {
        QVariant descricao, numero, descricaoTipo;
        if (!LeItemCatalogo(Tipo, Codigo, descricao, numero, descricaoTipo))
            throw platform::Error(kErroItemCarrinho,
                                  TextoNoIdioma("O catálogo não tem o item %1 %2: nada foi incluído no carrinho.",
                                                "El catálogo no tiene el artículo %1 %2: no se añadió nada al carrito.",
                                                "The catalogue has no item %1 %2: nothing was added to the cart.")
                                      .arg(Tipo)
                                      .arg(Codigo),
                                  QStringLiteral("IncluiItemCarrinho"));
        aux->Execute(QStringLiteral("INSERT INTO ") + gTabelaCarrinho +
                     QStringLiteral("(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional)VALUES(") +
                     Apostrofado(Tipo) + QLatin1Char(',') + QString::number(Codigo) + QLatin1Char(',') +
                     QString::number(quantidade) + QLatin1Char(',') + Valor(descricao) + QLatin1Char(',') + Valor(numero) +
                     QLatin1Char(',') + Valor(descricaoTipo) + QLatin1Char(',') +
                     Apostrofado(Opcional ? kOpcional : kNaoOpcional) + QLatin1Char(')'));
    }

    // The item is in the cart now.
    if (EfeitoVisual)
        if (JanelaPrincipal* janela = ObtemJanelaPrincipal())
            janela->EfeitoCarrinho(false);
}

void AlteraQuantidadeCarrinho(const QString& Tipo, long Codigo, const QString& Quantidade)
{
    Auxiliar()->Execute(QStringLiteral("UPDATE ") + gTabelaCarrinho + QStringLiteral(" SET Quantidade = ") +
                        QString::number(QuantidadeCarrinho(Quantidade)) + OndeItem(Tipo, Codigo));
}

void ExcluiItemCarrinho(const QString& Tipo, long Codigo)
{
    if (Tipo.isEmpty() && Codigo == -1)
        Auxiliar()->Execute(QStringLiteral("DELETE FROM ") + gTabelaCarrinho);
    else
        Auxiliar()->Execute(QStringLiteral("DELETE FROM ") + gTabelaCarrinho + OndeItem(Tipo, Codigo));
}

}  // namespace Modulo
