// The frame of the detail window: requests reaching their routines (the
// registered ones included), refusals, the screen history and Back, the
// keys, placement, the wheel hook's hand-over, the toolbar, the hover
// highlight, the pictures of each screen, dragging.

#include "detalhefixture.h"

#include "core/janeladetalhe.h"
#include "core/pictures.h"
#include "core/texts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

using tqtest::DetalheFixture;
using tqtest::FakeJanelaPrincipal;

namespace {

// Unregisters every routine of the other screens when it goes.
struct RegistroLimpo {
    ~RegistroLimpo()
    {
        frmTQ2::RegistraExibeTelaLista({});
        frmTQ2::RegistraExibeTelaSaida({});
        frmTQ2::RegistraImprimeComparacaoEFecha({});
        frmTQ2::RegistraExibeTelaAtualizacao({});
    }
};

bool MesmaImagem(const QPixmap& a, const QPixmap& b) { return a.toImage() == b.toImage(); }

}  // namespace

class FrameTest : public DetalheFixture {};

TEST_F(FrameTest, RequestsThatCannotRunCloseAtOnceAndRestoreThePointer)
{
    RegistroLimpo limpo;
    FakeJanelaPrincipal principal;
    Modulo::DefineJanelaPrincipal(&principal);
    Modulo::gRodaAtiva = true;
    const char* pedidos[] = {"", "9", "06", "2|abc", "2|99999999999", "0|COM", "1|1|2|3",
                             // served by other libraries, none registered here
                             "3||0", "5|1|P|F|0", "6", "7|1|2"};
    for (const char* p : pedidos) {
        SCOPED_TRACE(p);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);  // the opener's hourglass
        principal.chamadas.clear();
        frmTQ2& j = Abre(QString::fromLatin1(p));
        EXPECT_FALSE(j.Exibivel());
        EXPECT_TRUE(j.Descarregada());
        EXPECT_TRUE(j.mHistoricoTelas.isEmpty());
        EXPECT_TRUE(Modulo::gParametro.isEmpty());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(principal.chamadas.isEmpty()) << principal.chamadas.join(QLatin1Char(' ')).toStdString();
    }
    EXPECT_TRUE(m_caixas.shown.empty());
}

TEST_F(FrameTest, RegisteredRoutinesGetTheConvertedFields)
{
    RegistroLimpo limpo;
    QStringList chamadas;
    frmTQ2::RegistraExibeTelaLista([&](frmTQ2& j, std::uint8_t origem, const QString& tipo, std::int32_t codigo) {
        chamadas << QStringLiteral("lista %1 %2 %3").arg(origem).arg(tipo).arg(codigo);
        j.mHistoricoTelas += QLatin1Char('3');
        j.pctTela[3]->show();
    });
    frmTQ2::RegistraExibeTelaSaida(
        [&](frmTQ2& j, std::int32_t peca, const QString& modo, const QString& opcoes, std::uint8_t parte) {
            chamadas << QStringLiteral("saida %1 %2 %3 %4").arg(peca).arg(modo, opcoes).arg(parte);
            j.mHistoricoTelas += QLatin1Char('5');
            j.pctTela[5]->show();
        });
    frmTQ2::RegistraExibeTelaAtualizacao([&](frmTQ2& j, std::int16_t local, std::int16_t servidor) {
        chamadas << QStringLiteral("atualizacao %1 %2").arg(local).arg(servidor);
        j.mHistoricoTelas = QStringLiteral("7");
        j.pctTela[7]->show();
    });

    frmTQ2& lista = Abre(QStringLiteral("3|COM|17"));
    EXPECT_TRUE(lista.Exibivel());
    EXPECT_EQ(lista.pctTela[3]->Tag, QStringLiteral("3|COM|17"));
    EXPECT_EQ(lista.grdTHGrid1->mTextGridVazio, QStringLiteral("Nenhum Item Selecionado"));
    frmTQ2& saida = Abre(QStringLiteral("5|1375|G|*|255"));
    EXPECT_EQ(saida.grdTHGrid1->mTextGridVazio, QStringLiteral("Nenhum Item Encontrado"));
    Abre(QStringLiteral("7|36|37"));
    EXPECT_EQ(chamadas, (QStringList{QStringLiteral("lista 200 COM 17"), QStringLiteral("saida 1375 G * 255"),
                                     QStringLiteral("atualizacao 36 37")}));
}

TEST_F(FrameTest, ComparisonPrintNeverShowsTheWindow)
{
    RegistroLimpo limpo;
    FakeJanelaPrincipal principal;
    Modulo::DefineJanelaPrincipal(&principal);
    Modulo::gRodaAtiva = true;
    int impressoes = 0;
    frmTQ2::RegistraImprimeComparacaoEFecha([&](frmTQ2& j) {
        j.mHistoricoTelas = QStringLiteral("6");
        ++impressoes;
        j.imgVoltar_Click();
    });
    frmTQ2& j = Abre(QStringLiteral("6"));
    EXPECT_FALSE(j.Exibivel());
    EXPECT_EQ(impressoes, 1);
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("6"));
    EXPECT_TRUE(j.Descarregada());
    EXPECT_FALSE(j.isVisible());
    for (frmTQ2Painel* p : j.pctTela) {
        if (p) {
            EXPECT_TRUE(p->Tag.isEmpty());
        }
    }
    EXPECT_TRUE(principal.chamadas.isEmpty());  // the hook stays with the main window
}

TEST_F(FrameTest, ARequestFailingBeforeItsScreenClosesAfterTheErrorBox)
{
    RegistroLimpo limpo;
    frmTQ2::RegistraExibeTelaLista([](frmTQ2& j, std::uint8_t, const QString&, std::int32_t) {
        j.mHistoricoTelas += QLatin1Char('3');
        throw platform::Error(3078, QStringLiteral("no table"), QStringLiteral("ConsultaLista"));
    });
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    ASSERT_EQ(m_caixas.shown.size(), 1u);
    EXPECT_TRUE(m_caixas.last().text.contains(QStringLiteral("3078")));
    EXPECT_TRUE(j.Descarregada());
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
}

TEST_F(FrameTest, BackFromNotesRebuildsTheListFromItsTag)
{
    const demo::Summary& s = resumo();
    const QString item = s.kitNotesItem;
    const QString componente =
        Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND "
                                             "ItemComponente = '%2' AND FlagOpcionalComponente = 0")
                                  .arg(s.showcaseAssembly)
                                  .arg(item))
            .toString();
    const QString pedido = QStringLiteral("1|%1|%2|%3|0").arg(s.showcaseAssembly).arg(item, componente);
    frmTQ2& j = Abre(pedido);
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("1"));
    ASSERT_GE(j.dtcTHGrid1->Recordset()->RecordCount(), 3);
    const auto geracao = j.dtcTHGrid1->Recordset()->Generation();

    j.dtcTHGrid1->Recordset()->SetAbsolutePosition(0);
    j.grdTHGrid1_ImageClick(1, {}, 1);  // the first kit's notes
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("10"));
    EXPECT_FALSE(j.pctTela[0]->isHidden());
    EXPECT_TRUE(j.pctTela[1]->isHidden());
    EXPECT_TRUE(j.grdTHGrid1->isHidden());
    EXPECT_TRUE(j.pctTela[0]->Tag.isEmpty());  // no request stored for these notes

    j.imgVoltar_Click();
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("1"));
    EXPECT_TRUE(j.pctTela[0]->isHidden());
    EXPECT_FALSE(j.pctTela[1]->isHidden());
    EXPECT_FALSE(j.grdTHGrid1->isHidden());
    EXPECT_EQ(j.pctTela[1]->Tag, pedido);
    EXPECT_NE(j.dtcTHGrid1->Recordset()->Generation(), geracao);  // the query ran again
    EXPECT_FALSE(j.Descarregada());

    j.imgVoltar_Click();
    EXPECT_TRUE(j.Descarregada());
}

TEST_F(FrameTest, BackFromTheNotesOfAnOptionalRebuildsTheOptionals)
{
    const demo::Summary& s = resumo();
    const QString componente =
        Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND "
                                             "ItemComponente = '%2' AND FlagOpcionalComponente = 0")
                                  .arg(s.showcaseAssembly)
                                  .arg(s.notedAlternativeItem))
            .toString();
    frmTQ2& j = Abre(QStringLiteral("4|%1|%2|%3|0").arg(s.showcaseAssembly).arg(componente, s.notedAlternativeItem));
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("4"));
    j.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("CodigoComponente = %1").arg(s.notedAlternative));
    j.grdTHGrid1_ImageClick(1, {}, 1);
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("40"));
    EXPECT_FALSE(j.txtObservacao->toPlainText().isEmpty());
    j.imgVoltar_Click();
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("4"));
    EXPECT_FALSE(j.pctTela[4]->isHidden());
}

TEST_F(FrameTest, NotesRequestMapsTheKindText)
{
    // "Componente" is text 2 in Portuguese: the request runs as "COM".
    const long c = resumo().generalNoteComponent;
    frmTQ2& porTexto = Abre(QStringLiteral("0|Componente|%1").arg(c));
    const QString texto = porTexto.txtObservacao->toPlainText();
    const QString subtitulo = porTexto.lblSubTitulo->text();
    frmTQ2& porCodigo = Abre(QStringLiteral("0|COM|%1").arg(c));
    EXPECT_FALSE(texto.isEmpty());
    EXPECT_EQ(porCodigo.txtObservacao->toPlainText(), texto);
    EXPECT_EQ(porCodigo.lblSubTitulo->text(), subtitulo);
}

TEST_F(FrameTest, KeysOnTheWindow)
{
    // Esc on the vehicles screen closes the window.
    {
        frmTQ2& j = AbreVisivel(QStringLiteral("2|%1").arg(resumo().showcaseAssembly));
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_TRUE(j.Descarregada());
    }
    // Esc while no control has the focus does nothing.
    {
        frmTQ2& j = Abre(QStringLiteral("2|%1").arg(resumo().showcaseAssembly));
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
        QApplication::sendEvent(&j, &esc);
        EXPECT_FALSE(j.Descarregada());
    }
    // "+" and Delete away from the cart list go to the list as usual and
    // change nothing.
    {
        frmTQ2& j = AbreVisivel(QStringLiteral("2|%1").arg(resumo().showcaseAssembly));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus, Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("2"));
        EXPECT_TRUE(m_caixas.shown.empty());
    }
}

TEST_F(FrameTest, PlacedOverTheMainWindowsMenuBar)
{
    FakeJanelaPrincipal principal;
    Modulo::DefineJanelaPrincipal(&principal);
    frmTQ2& v = Abre(QStringLiteral("8"));
    EXPECT_EQ(v.pos(), QPoint(295, 164));
    EXPECT_EQ(v.size(), QSize(700, 450));
    Modulo::gEdicao = QStringLiteral("D");
    EXPECT_EQ(Abre(QStringLiteral("8")).pos(), QPoint(295, 166));
    Modulo::DefineJanelaPrincipal(nullptr);
    frmTQ2& c = Abre(QStringLiteral("8"));
    const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((c.geometry().center() - tela.center()).manhattanLength(), 2);
}

TEST_F(FrameTest, WheelHookGoesToTheWindowAndBack)
{
    FakeJanelaPrincipal principal;
    principal.janela.setObjectName(QStringLiteral("frmTQ1"));
    Modulo::DefineJanelaPrincipal(&principal);
    Modulo::gFormRoda = &principal.janela;
    Modulo::gRodaAtiva = true;
    frmTQ2& j = Abre(QStringLiteral("8"));
    EXPECT_TRUE(j.mGanchoRoda);
    EXPECT_EQ(principal.chamadas, (QStringList{QStringLiteral("off:frmTQ1"), QStringLiteral("on:frmTQ2")}));
    principal.chamadas.clear();
    j.imgVoltar_Click();
    EXPECT_EQ(principal.chamadas, (QStringList{QStringLiteral("off:frmTQ2"), QStringLiteral("on:frmTQ1")}));
    EXPECT_EQ(Modulo::gFormRoda.data(), &principal.janela);

    // With the hook off for the run, neither taken nor handed back.
    Modulo::gRodaAtiva = false;
    principal.chamadas.clear();
    Abre(QStringLiteral("8")).imgVoltar_Click();
    EXPECT_TRUE(principal.chamadas.isEmpty());
}

TEST_F(FrameTest, ToolbarPerScreen)
{
    frmTQ2 j;
    j.Form_Load();
    struct Linha {
        int tela;
        const char* visiveis;  // A OK, V Back, I print, G file, E mail, L clear
    };
    const Linha linhas[] = {{0, "V"}, {1, "V"}, {2, "V"}, {4, "V"}, {3, "VIGEL"},
                            {5, "VI"}, {8, "AV"}, {6, ""},  {7, ""},  {200, ""}};
    for (const Linha& l : linhas) {
        SCOPED_TRACE(l.tela);
        j.AjustaBotoesNavegacao(static_cast<std::uint8_t>(l.tela));
        QString v;
        const std::pair<QWidget*, char> botoes[] = {{j.imgAvancar, 'A'}, {j.imgVoltar, 'V'}, {j.imgImprimir, 'I'},
                                                    {j.imgGerarArquivo, 'G'}, {j.imgEnviarEmail, 'E'}, {j.imgLimpar, 'L'}};
        for (const auto& [b, c] : botoes)
            if (!b->isHidden())
                v += QLatin1Char(c);
        EXPECT_EQ(v, QString::fromLatin1(l.visiveis));
        EXPECT_TRUE(j.imgFigura->isHidden());
        const int topo = l.tela == 8 ? 84 : 33;
        EXPECT_EQ(j.imgVoltar->y(), topo);
        EXPECT_EQ(j.imgVoltarSelecionada->y(), topo);
    }
}

TEST_F(FrameTest, HoverHighlight)
{
    frmTQ2& j = Abre(QStringLiteral("0|PCA|%1").arg(resumo().assemblyNoteAssembly));
    j.DestacaControle(QStringLiteral("VOLTAR"));
    EXPECT_FALSE(j.imgVoltarSelecionada->isHidden());
    j.DestacaControle(QStringLiteral("AVANCAR"));  // from Back straight onto OK
    EXPECT_TRUE(j.imgVoltarSelecionada->isHidden());
    EXPECT_FALSE(j.imgAvancarSelecionada->isHidden());
    j.DestacaControle(QStringLiteral("FORM"));
    EXPECT_TRUE(j.imgAvancarSelecionada->isHidden());

    j.DestacaControle(QStringLiteral("_ANEXO0"));
    EXPECT_TRUE(j.lblAnexo[0]->font().underline());
    j.DestacaControle(QStringLiteral("_ANEXO1"));
    EXPECT_FALSE(j.lblAnexo[0]->font().underline());
    EXPECT_TRUE(j.lblAnexo[1]->font().underline());
    // A second move with the same key does nothing.
    QFont f = j.lblAnexo[1]->font();
    f.setUnderline(false);
    j.lblAnexo[1]->setFont(f);
    j.DestacaControle(QStringLiteral("_ANEXO1"));
    EXPECT_FALSE(j.lblAnexo[1]->font().underline());
    EXPECT_EQ(j.mChaveDestaque, QStringLiteral("_ANEXO1"));

    // The twins let the mouse through to their buttons.
    EXPECT_TRUE(j.imgVoltarSelecionada->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(j.imgChkFiguraSelecionada->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FrameTest, PicturesOfEachScreenByModeEditionAndLanguage)
{
    const QString G = QStringLiteral("G");
    for (const char* edicao : {"V", "D"}) {
        for (const char* idioma : {"P", "E", "I"}) {
            SCOPED_TRACE(std::string(edicao) + idioma);
            Modulo::gEdicao = QString::fromLatin1(edicao);
            Modulo::gIdioma = QString::fromLatin1(idioma);
            const QString L = Modulo::gIdioma;
            frmTQ2 j;
            j.Form_Load();
            const bool d = Modulo::gEdicao == QLatin1String("D");
            EXPECT_TRUE(MesmaImagem(j.pctMenu->picture(),
                                    Modulo::CarregaImagemRecurso(d ? QStringLiteral("FUNDOTELINHA_D") : QStringLiteral("FUNDOTELINHA"), G)));
            j.CarregaImagensTela(QStringLiteral("C"), 1);
            EXPECT_TRUE(MesmaImagem(j.imgTitulo->picture(), Modulo::CarregaImagemRecurso(QStringLiteral("TITULOJOGOSREPARO"), L)));
            EXPECT_TRUE(MesmaImagem(j.imgTitNoTQ[0]->picture(),
                                    Modulo::CarregaImagemRecurso(d ? QStringLiteral("GRIDNROTQSD") : QStringLiteral("GRIDNROTQ"), L)));
            EXPECT_TRUE(MesmaImagem(j.imgVoltar->picture(), Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR"), L)));
            j.CarregaImagensTela(QStringLiteral("D"), 1);
            EXPECT_TRUE(j.imgTitulo->picture().isNull());
            EXPECT_TRUE(j.imgTitNoTQ[0]->picture().isNull());

            for (const auto& [modo, botao, titulo] :
                 {std::tuple{"P", "IMPRIMIR", "TITULOIMPRIMIR"}, std::tuple{"G", "GERARARQUIVO", "TITULOGERARARQUIVO"},
                  std::tuple{"E", "ENVIAREMAIL", "TITULOENVIAREMAIL"}}) {
                j.mModoSaida = QString::fromLatin1(modo);
                j.CarregaImagensTela(QStringLiteral("C"), 5);
                EXPECT_TRUE(MesmaImagem(j.imgImprimir->picture(), Modulo::CarregaImagemRecurso(QString::fromLatin1(botao), L)));
                EXPECT_TRUE(MesmaImagem(j.imgImprimirSelecionada->picture(),
                                        Modulo::CarregaImagemRecurso(QString::fromLatin1(botao) + QStringLiteral("_S"), L)));
                EXPECT_TRUE(MesmaImagem(j.imgTitulo->picture(), Modulo::CarregaImagemRecurso(QString::fromLatin1(titulo), L)));
            }
            j.CarregaImagensTela(QStringLiteral("C"), 8);
            EXPECT_TRUE(MesmaImagem(j.imgAvancar->picture(), Modulo::CarregaImagemRecurso(QStringLiteral("OK"), G)));
            j.CarregaImagensTela(QStringLiteral("C"), 7);
            EXPECT_TRUE(MesmaImagem(j.imgPassoAtualAtualizacao[4]->picture(),
                                    Modulo::CarregaImagemRecurso(QStringLiteral("ATUALIZACAOSETA"), G)));
            EXPECT_EQ(j.imgBarraAtualizacao[2]->picture().size(), QSize(582, 13));
        }
    }
}

TEST_F(FrameTest, LayoutPlaces)
{
    frmTQ2 j;
    j.Form_Load();
    EXPECT_EQ(j.size(), QSize(700, 450));
    EXPECT_EQ(j.pctTela[7]->geometry(), QRect(93, 76, 592, 364));
    EXPECT_EQ(j.pctTela[8]->geometry(), QRect(98, 76, 592, 364));
    EXPECT_EQ(j.pctTela[6], nullptr);
    EXPECT_EQ(j.grdTHGrid1->pos() - j.pctTela[0]->pos(), QPoint(22, 51));
    EXPECT_EQ(j.lblTitAtualizacao[4]->geometry(), QRect(5, 46 + 57 * 3, 307, 17));
    EXPECT_EQ(j.imgBordaBarraAtualizacao[1]->geometry(), QRect(-1, 63, 584, 26));
    // The seventh cross-reference row has no line below it.
    EXPECT_EQ(j.pctPainelRef[0].lblNumeroFabricanteRef[6]->geometry(), QRect(6, 241, 110, 16));
    EXPECT_EQ(j.pctPainelRef[1].lblFabricanteRef[6]->geometry(), QRect(7, 258, 104, 17));
    EXPECT_EQ(j.pctPainelRef[0].linRef.size(), 6u);
    EXPECT_EQ(j.pctPainelRef[1].linRef[5]->geometry().top(), 40 + 39 * 5);
}

TEST_F(FrameTest, DraggingTheBackgroundMovesTheWindow)
{
    frmTQ2& j = AbreVisivel(QStringLiteral("8"));
    const QPoint antes = j.pos();
    const QPoint inicio(50, 300);  // the menu panel below the toolbar
    QCursor::setPos(j.pctMenu->mapToGlobal(inicio));
    QMouseEvent press(QEvent::MouseButtonPress, inicio, j.pctMenu->mapToGlobal(inicio), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(j.pctMenu, &press);
    QCursor::setPos(j.pctMenu->mapToGlobal(inicio) + QPoint(30, 20));
    const QPoint fim = inicio + QPoint(30, 20);
    QMouseEvent move(QEvent::MouseMove, fim, j.pctMenu->mapToGlobal(fim), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(j.pctMenu, &move);
    // The window system moved it, or it followed the pointer by hand.
    EXPECT_TRUE(QTest::qWaitFor([&] { return j.pos() != antes; }, 1000));
}

TEST_F(FrameTest, TheCoreOpenerShowsTheWindowModallyUntilBack)
{
    frmTQ2::Registra();
    struct Desfaz {
        ~Desfaz() { Modulo::RegistraJanelaDetalhe({}); }
    } desfaz;

    // An empty request returns at once and shows nothing.
    Modulo::gParametro.clear();
    Modulo::ExibeJanelaDetalhe();
    EXPECT_EQ(frmTQ2::Instancia(), nullptr);

    // A request: the window shows it and the show returns after Back.
    QString historico;
    bool visivel = false;
    QTimer olha;
    olha.setInterval(5);
    QObject::connect(&olha, &QTimer::timeout, [&] {
        frmTQ2* j = frmTQ2::Instancia();
        if (!j || j->mHistoricoTelas.isEmpty())
            return;
        olha.stop();
        historico = j->mHistoricoTelas;
        visivel = j->isVisible() && j->isModal();
        j->imgVoltar_Click();
    });
    QTimer limite;  // never hang the suite
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, [] {
        if (frmTQ2* j = frmTQ2::Instancia())
            j->Descarrega();
    });
    limite.start(5000);
    olha.start();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    Modulo::gParametro = QStringLiteral("2|%1").arg(resumo().showcaseAssembly);
    Modulo::ExibeJanelaDetalhe();
    EXPECT_EQ(historico, QStringLiteral("2"));
    EXPECT_TRUE(visivel);
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(frmTQ2::Instancia(), nullptr);
}
