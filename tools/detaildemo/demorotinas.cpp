#include "demorotinas.h"

#include "core/database.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/pictures.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "detailwindow/frmTQ2.h"
#include "detailwindow/listasdetalhe.h"
#include "output/screen/telasaida.h"


namespace {

void ListaDemo(frmTQ2& j, std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo)
{
    using Modulo::ObtemTexto;
    if (Origem == 200)
        j.mHistoricoTelas += QLatin1Char('3');
    j.CarregaImagensTela(QStringLiteral("C"), 3);
    j.MostraSubTitulo(QString(), true);
    j.dtcTHGrid1->SetDatabase(Modulo::gDbAuxiliar);
    j.dtcTHGrid1->SetRecordSource(
        QStringLiteral("SELECT Format(<TABLST>.NumeroEmpresa, '0000 000 000') AS NumeroEmpresa,Descricao,Quantidade,"
                       "DescricaoTipo,Tipo,Codigo,Opcional FROM <TABLST> ORDER BY 1")
            .replace(QStringLiteral("<TABLST>"), Modulo::gTabelaCarrinho));
    j.dtcTHGrid1->Refresh();
    PosicionaGridTela(j, 3, 544);

    const QString G = QStringLiteral("G");
    THPictures p;
    for (int s = 0; s < 2; ++s) {
        const QString t = s ? QStringLiteral("_S") : QString();
        p[static_cast<std::size_t>(s)] = {Modulo::CarregaImagemRecurso(QStringLiteral("ICOOPCIONAIS"), G),
                                          Modulo::CarregaImagemRecurso(QStringLiteral("ICOAUMENTAR") + t, G),
                                          Modulo::CarregaImagemRecurso(QStringLiteral("ICODIMINUIR") + t, G),
                                          Modulo::CarregaImagemRecurso(QStringLiteral("ICOEXCLUIR") + t, G)};
    }
    const QString mais = ObtemTexto(12) + QStringLiteral("  -  ") + ObtemTexto(102) + QStringLiteral(":+1 / ") +
                         ObtemTexto(103) + QStringLiteral(":+10");
    const QString menos = ObtemTexto(13) + QStringLiteral("  -  ") + ObtemTexto(102) + QStringLiteral(":-1 / ") +
                          ObtemTexto(103) + QStringLiteral(":-10");
    const QStringList colunas = {
        QStringLiteral("NumeroEmpresa|0|%1|T|6").arg(LarguraTwips(87)),
        QStringLiteral("Descricao|0|%1|T|6").arg(LarguraTwips(187)),
        QStringLiteral("Quantidade|1|%1|T|6").arg(LarguraTwips(38)),
        QStringLiteral("DescricaoTipo|0|%1|T|6").arg(LarguraTwips(109)),
        QStringLiteral("Opcional|2|%1|I|6|%2|0").arg(LarguraTwips(28)).arg(ObtemTexto(53)),
        QStringLiteral("|2|%1|F|6|%2|99").arg(LarguraTwips(28)).arg(mais),
        QStringLiteral("|2|%1|F|6|%2|99").arg(LarguraTwips(28)).arg(menos),
        QStringLiteral("|2|%1|F|6|%2|99").arg(LarguraTwips(28)).arg(ObtemTexto(11)),
    };
    j.grdTHGrid1->AnalisarScollProximoRefresh();
    j.grdTHGrid1->ObtemDataControl(j.dtcTHGrid1);
    j.grdTHGrid1->ObtemPictures(p);
    j.grdTHGrid1->ConfiguraColunas(colunas);
    if (!Tipo.trimmed().isEmpty() && Codigo > 0)
        j.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("Tipo = '%1' AND Codigo = %2")
                                                 .arg(Modulo::TextoSQL(Tipo))
                                                 .arg(Codigo));
    j.grdTHGrid1->AtualizaGrid();
    MostraTelaLista(j, 3);
}

}  // namespace

void RegistraRotinasDemo()
{
    frmTQ2::RegistraExibeTelaLista(ListaDemo);
    TelaSaida::Registra();
}

void EncheCarrinhoDemo()
{
    // Three components and a kit of the showcase assembly, one optional.
    const QStringList comandos = {
        QStringLiteral("SELECT TOP 3 C.CodigoComponente, C.NumeroEmpresaComponente, C.DescricaoComponente<I>, 'COM' "
                       "FROM COMPONENTE AS C ORDER BY C.CodigoComponente"),
        QStringLiteral("SELECT TOP 1 J.CodigoJogoReparo, J.NumeroEmpresaJogoReparo, J.DescricaoJogoReparo<I>, 'JRE' "
                       "FROM JOGOREPARO AS J ORDER BY J.CodigoJogoReparo"),
    };
    // A Null text of the catalogue stays Null: the cart's text fields take
    // no empty strings.
    const auto texto = [](const QVariant& v) {
        return platform::dao::IsNull(v) ? QStringLiteral("Null")
                                       : QLatin1Char('\'') + Modulo::TextoSQL(v.toString()) + QLatin1Char('\'');
    };
    int n = 0;
    for (QString sql : comandos) {
        Modulo::RecordsetPtr rs = Modulo::AbreConsulta(sql.replace(QStringLiteral("<I>"), Modulo::gIdioma));
        for (; !rs->EOF_(); rs->MoveNext(), ++n) {
            const QString tipo = rs->Value(3).toString();
            Modulo::gDbAuxiliar->Execute(
                QStringLiteral("INSERT INTO %1(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional)"
                               "VALUES('%2',%3,%4,%5,%6,'%7','%8')")
                    .arg(Modulo::gTabelaCarrinho, tipo, rs->Value(0).toString())
                    .arg(n == 1 ? 31995 : n + 1)
                    .arg(texto(rs->Value(2)), texto(rs->Value(1)),
                         Modulo::TextoSQL(Modulo::ObtemTexto(tipo == QLatin1String("COM") ? 2 : 4)),
                         n == 2 ? QStringLiteral(" ") : QString(QChar(13))));
        }
        Modulo::FechaConsulta(rs);
    }
}
