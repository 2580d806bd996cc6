// The cart list: screen 3 of the detail window (request 3), its toolbar
// buttons Print, Generate file, E-mail and Clear.
#include "comparison/exportacaolista.h"
#include "comparison/listacarrinho.h"
#include "comparison/screen/estado.h"
#include "comparison/screen/impressaolista.h"
#include "comparison/screen/telascomparacao.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "detailwindow/carrinhodetalhe.h"
#include "detailwindow/frmTQ2.h"
#include "detailwindow/listasdetalhe.h"
#include "output/report/arquivos.h"
#include "platform/desktop/savedialog.h"

namespace Comparacao {

using platform::dao::RecordsetPtr;

namespace {

THPictures IconesLista() { return CarregaIcones(NomesIconesLista()); }

bool ListaVazia(frmTQ2& j)
{
    const RecordsetPtr rs = j.dtcTHGrid1->Recordset();
    return !rs || rs->EOF_();
}

// The detail window's save dialog for the cart list's text file: its title,
// the Desktop (home when there is none), the proposed name, the TXT filter.
PerguntaArquivo DialogoTexto(frmTQ2& j)
{
    return [&j](const QString& nome) -> std::optional<QString> {
        platform::SaveFileRequest pedido;
        pedido.title = Modulo::ObtemTexto(19) + QStringLiteral(" - ") + Modulo::ObtemTexto(20);
        pedido.folder = platform::saveDialogFolder();
        pedido.fileName = nome;
        pedido.filter = saida::FiltroArquivo(QStringLiteral("TXT"));
        const QString caminho = platform::saveDialogs().GetSaveFileName(pedido, &j);
        if (caminho.isEmpty())
            return std::nullopt;
        return caminho;
    };
}

}  // namespace

void ConsultaLista(frmTQ2& j)
{
    j.dtcTHGrid1->SetRecordSource(Comparacao::ConsultaLista(Modulo::gTabelaCarrinho));
    j.dtcTHGrid1->Refresh();
}

void ExibeTelaLista(frmTQ2& j, std::uint8_t Origem, const QString& Tipo, std::int32_t Codigo)
{
    if (Origem == 200)
        j.mHistoricoTelas += QLatin1Char('3');
    j.CarregaImagensTela(QStringLiteral("C"), 3);
    j.MostraSubTitulo(QString(), true);

    // The list reads the run's cart table in the open auxiliary database.
    j.dtcTHGrid1->SetDatabase(Modulo::gDbAuxiliar);
    ConsultaLista(j);
    PosicionaGridTela(j, 3, kLarguraLista);

    THGrid* grade = j.grdTHGrid1;
    grade->AnalisarScollProximoRefresh();
    grade->ObtemDataControl(j.dtcTHGrid1);
    grade->ObtemPictures(IconesLista());
    grade->ConfiguraColunas(ColunasLista(Modulo::gIdioma, Modulo::gEdicao));
    LocalizaItemLista(j.dtcTHGrid1->Recordset(), Tipo, Codigo);
    grade->AtualizaGrid();

    // The toolbar of this screen (the window is made for this one request,
    // so the connections end with it).
    const auto liga = [&j](THPicture* botao, void (*clique)(frmTQ2&)) {
        QObject::connect(botao, &THPicture::clicado, &j, [&j, clique](int) { Modulo::Guarda([&] { clique(j); }); });
    };
    liga(j.imgImprimir, &imgImprimir_Click);
    liga(j.imgGerarArquivo, &imgGerarArquivo_Click);
    liga(j.imgEnviarEmail, &imgEnviarEmail_Click);
    liga(j.imgLimpar, &imgLimpar_Click);

    MostraTelaLista(j, 3);
}

void imgLimpar_Click(frmTQ2& j)
{
    const bool limpa = LimpaLista(j.dtcTHGrid1->Recordset(), [] { CarrinhoDetalhe::ExcluiItemCarrinho(QString(), -1); });
    if (!limpa)
        return;
    Ampulheta ampulheta;
    j.grdTHGrid1->AnalisarScollProximoRefresh();
    j.dtcTHGrid1->Refresh();
    j.grdTHGrid1->AtualizaGrid();
}

void imgImprimir_Click(frmTQ2& j)
{
    if (ListaVazia(j)) {
        MensagemCritica(16);
        return;
    }
    ImprimeListaCarrinho(j.dtcTHGrid1->Recordset());
}

void imgGerarArquivo_Click(frmTQ2& j)
{
    GeraArquivoLista(j.dtcTHGrid1->Recordset(), DialogoTexto(j), Modulo::gTextoDataEmissao);
}

void imgEnviarEmail_Click(frmTQ2& j) { EnviaEmailLista(j.dtcTHGrid1->Recordset(), Modulo::gTextoDataEmissao); }

}  // namespace Comparacao
