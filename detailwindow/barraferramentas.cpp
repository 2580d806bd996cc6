// The dress of the detail window's frame: the hover highlight, the toolbar
// of each screen, the pictures each screen loads and releases, and the
// subtitle.

#include "detailwindow/frmTQ2.h"

#include "core/globals.h"
#include "core/pictures.h"
#include "detailwindow/escolhasaida.h"

#include <vector>

QWidget* frmTQ2::ObtemControleDestaque(const QString& chave) const
{
    if (chave == QLatin1String("AVANCAR"))
        return imgAvancarSelecionada;
    if (chave == QLatin1String("VOLTAR"))
        return imgVoltarSelecionada;
    if (chave == QLatin1String("FIGURA"))
        return imgFiguraSelecionada;
    if (chave == QLatin1String("IMPRIMIR"))
        return imgImprimirSelecionada;
    if (chave == QLatin1String("GERARARQUIVO"))
        return imgGerarArquivoSelecionada;
    if (chave == QLatin1String("ENVIAREMAIL"))
        return imgEnviarEmailSelecionada;
    if (chave == QLatin1String("LIMPAR"))
        return imgLimparSelecionada;
    if (chave == QLatin1String("CHKFIGURA"))
        return imgChkFiguraSelecionada;
    if (chave == QLatin1String("CHKTABELA"))
        return imgChkTabelaSelecionada;
    if (chave == QLatin1String(">THGRID1"))
        return grdTHGrid1;
    for (std::size_t i = 0; i < lblAnexo.size(); ++i)
        if (chave == QStringLiteral("_ANEXO%1").arg(i))
            return lblAnexo[i];
    if (chave.left(11) == QLatin1String("PARTEFIGURA"))
        return lblDescricaoParteFigura;
    return nullptr;
}

void frmTQ2::DestacaControle(const QString& chave)
{
    if (chave == mChaveDestaque)
        return;
    const auto parte = [](const QString& c) {
        bool ok = false;
        const int i = c.mid(11).toInt(&ok);
        return c.left(11) == QLatin1String("PARTEFIGURA") && ok ? i : -1;
    };
    if (mChaveDestaque != QLatin1String("FORM")) {
        if (QWidget* c = ObtemControleDestaque(mChaveDestaque)) {
            const QChar primeiro = mChaveDestaque.front();
            if (primeiro == QLatin1Char('>')) {
                if (auto* grid = qobject_cast<THGrid*>(c))
                    grid->ApagaSelecao();
            } else if (primeiro == QLatin1Char('_')) {
                QFont f = c->font();
                f.setUnderline(false);
                c->setFont(f);
            } else {
                c->hide();
            }
        }
        if (parte(mChaveDestaque) >= 0)
            imgQuadradoParteSelecionada->hide();
    }
    if (chave != QLatin1String("FORM")) {
        if (QWidget* c = ObtemControleDestaque(chave)) {
            const QChar primeiro = chave.front();
            if (primeiro == QLatin1Char('_')) {
                QFont f = c->font();
                f.setUnderline(true);
                c->setFont(f);
            } else if (primeiro != QLatin1Char('>')) {
                c->show();
            }
        }
        // The hover frame stands behind the part under the mouse.
        const int i = parte(chave);
        if (i >= 0 && static_cast<std::size_t>(i) < imgParteFigura.size()) {
            imgQuadradoParteSelecionada->move(EscolhaSaida::PosicaoQuadro(i, imgParteFigura[0]->pos()));
            imgQuadradoParteSelecionada->stackUnder(imgParteFigura[0]);
            imgQuadradoParteSelecionada->show();
        }
    }
    mChaveDestaque = chave;
}

void frmTQ2::AjustaBotoesNavegacao(std::uint8_t tela)
{
    bool avancar = false, voltar = false, imprimir = false, gerar = false, email = false, limpar = false;
    switch (tela) {
    case 0: case 1: case 2: case 4: voltar = true; break;
    case 3: voltar = imprimir = gerar = email = limpar = true; break;
    case 5: voltar = imprimir = true; break;
    case 8: avancar = voltar = true; break;
    default: break;
    }
    imgAvancar->setVisible(avancar);
    imgVoltar->setVisible(voltar);
    imgImprimir->setVisible(imprimir);
    imgGerarArquivo->setVisible(gerar);
    imgEnviarEmail->setVisible(email);
    imgLimpar->setVisible(limpar);
    // Back slides below OK on the screen that shows both.
    const int topo = avancar ? 84 : 33;
    imgVoltar->move(imgVoltar->x(), topo);
    imgVoltarSelecionada->move(imgVoltarSelecionada->x(), topo);
    imgFigura->hide();
}

void frmTQ2::CarregaImagensTela(const QString& acao, std::uint8_t tela)
{
    const QString G = QStringLiteral("G");
    const auto carrega = [&](THPicture* controle, const char* nome, const QString& tipo = {}) {
        controle->setPicture(Modulo::CarregaOuLiberaImagem(acao, QString::fromLatin1(nome), tipo));
    };
    const auto voltar = [&] {
        carrega(imgVoltar, "VOLTAR");
        carrega(imgVoltarSelecionada, "VOLTAR_S");
    };
    switch (tela) {
    case 0:
        voltar();
        carrega(imgTitulo, "TITULOOBSERVACAO");
        break;
    case 1:
        voltar();
        carrega(imgTitulo, "TITULOJOGOSREPARO");
        carrega(imgTitNoTQ[0], "GRIDNROTQ");
        carrega(imgTitJogosReparo, "GRIDJOGOSREPARO");
        carrega(imgTitNo[1], "GRIDNROMONTADORA");
        break;
    case 2:
        voltar();
        carrega(imgTitulo, "TITULOAPLICACAO");
        carrega(imgTitVeiculo, "GRIDVEICULO");
        carrega(imgTitFabricante, "GRIDFABRICANTE");
        break;
    case 3:
        voltar();
        carrega(imgImprimir, "IMPRIMIR");
        carrega(imgImprimirSelecionada, "IMPRIMIR_S");
        carrega(imgGerarArquivo, "GERARARQUIVO");
        carrega(imgGerarArquivoSelecionada, "GERARARQUIVO_S");
        carrega(imgEnviarEmail, "ENVIAREMAIL");
        carrega(imgEnviarEmailSelecionada, "ENVIAREMAIL_S");
        carrega(imgLimpar, "LIMPAR");
        carrega(imgLimparSelecionada, "LIMPAR_S");
        carrega(imgTitulo, "TITULOLISTA");
        carrega(imgTitNoTQ[1], "GRIDNROTQ");
        carrega(imgTitDescricao[0], "GRIDDESCRICAO");
        carrega(imgTitQuantidade[0], "GRIDQUANTIDADE");
        break;
    case 4:
        voltar();
        carrega(imgTitulo, "TITULOOPCIONAIS");
        carrega(imgTitNoTQ[2], "GRIDNROTQ");
        carrega(imgTitDescricao[1], "GRIDDESCRICAO");
        carrega(imgTitNo[0], "GRIDNROMONTADORA");
        carrega(imgTitQuantidade[1], "GRIDQUANTIDADE");
        break;
    case 5:
        voltar();
        // The one action button serves the three output modes.
        if (mModoSaida == QLatin1String("G")) {
            carrega(imgImprimir, "GERARARQUIVO");
            carrega(imgImprimirSelecionada, "GERARARQUIVO_S");
            carrega(imgTitulo, "TITULOGERARARQUIVO");
        } else if (mModoSaida == QLatin1String("E")) {
            carrega(imgImprimir, "ENVIAREMAIL");
            carrega(imgImprimirSelecionada, "ENVIAREMAIL_S");
            carrega(imgTitulo, "TITULOENVIAREMAIL");
        } else {
            carrega(imgImprimir, "IMPRIMIR");
            carrega(imgImprimirSelecionada, "IMPRIMIR_S");
            carrega(imgTitulo, "TITULOIMPRIMIR");
        }
        carrega(imgChkFigura, "CHKFIGURA");
        carrega(imgChkFiguraSelecionada, "CHKFIGURA_S");
        carrega(imgChkTabela, "CHKTABELA");
        carrega(imgChkTabelaSelecionada, "CHKTABELA_S");
        break;
    case 7:
        carrega(imgTitulo, "TITULOATUALIZANDO");
        for (std::size_t k = 1; k <= 4; ++k) {
            carrega(imgBordaBarraAtualizacao[k], "ATUALIZACAOBARRA", G);
            carrega(imgBarraAtualizacao[k], "ATUALIZACAOMIOLO", G);
            carrega(imgPassoAtualAtualizacao[k], "ATUALIZACAOSETA", G);
            carrega(imgPassoConcluidoAtualizacao[k], "ATUALIZACAOOK", G);
        }
        break;
    case 8:
        voltar();
        carrega(imgAvancar, "OK", G);
        carrega(imgAvancarSelecionada, "OK_S", G);
        carrega(imgTitulo, "TITULOCONFIGURACOES");
        break;
    default:
        break;
    }
}

void frmTQ2::MostraSubTitulo(const QString& texto, bool exibe)
{
    lblSubTitulo->setText(texto);
    pctTitulo->setVisible(exibe);
}
