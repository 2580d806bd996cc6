// The main window's life: loading, first activation, keys, focus, mouse
// and closing.
#include "mainwindow/frmTQ1.h"

#include "core/config.h"
#include "core/errorbox.h"
#include "core/files.h"
#include "core/frmCreditos.h"
#include "core/globals.h"
#include "core/janelaprincipal.h"
#include "core/janelas.h"
#include "core/runtables.h"
#include "core/texts.h"
#include "listcontrols/gridnavigation.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/base/doevents.h"
#include "platform/base/error.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <cstring>

namespace {

frmTQ1::Encerramento& encerramento()
{
    static frmTQ1::Encerramento e;
    return e;
}

// Runs a step whose errors the design ignores.
template <typename F>
void ignorandoErros(F f)
{
    try {
        f();
    } catch (...) {
    }
}

// The design's key codes of the keys the window acts on (0 for others).
int CodigoTecla(int tecla)
{
    switch (tecla) {
    case Qt::Key_Down: return 40;
    case Qt::Key_Up: return 38;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_Right: return 39;
    case Qt::Key_Left: return 37;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: return 0;
    }
}

bool Ocupado() { return Modulo::PonteiroTela() == Modulo::vbHourglass; }

}  // namespace

void frmTQ1::setEncerramento(Encerramento e) { encerramento() = std::move(e); }

frmTQ1::~frmTQ1()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (Modulo::ObtemJanelaPrincipal() == this)
        Modulo::DefineJanelaPrincipal(nullptr);
}

int frmTQ1::CodigoTelaAtual() const
{
    if (mHistoricoTelas.isEmpty())
        return 0;
    const QChar c = mHistoricoTelas.back();
    return c.isDigit() ? c.digitValue() : 0;
}

// ---- Loading ---------------------------------------------------------------

void frmTQ1::AplicaPosicaoInicial()
{
    const QSize tela = Modulo::TamanhoTela();
    const QStringList partes = Modulo::gParametro.split(QLatin1Char(';'));
    Modulo::gParametro.clear();
    // The start window's rectangle in twips: left, top, outer width and
    // outer height.  A hand-over that is not four numbers is no hand-over.
    long v[4] = {0, 0, 0, 0};
    bool entregue = partes.size() == 4;
    for (int i = 0; entregue && i < 4; ++i)
        v[i] = partes[i].trimmed().toLong(&entregue);
    if (entregue && v[2] > 0 && v[3] > 0) {
        const int largura = static_cast<int>(v[2] / Modulo::gTwipsX);
        const int altura = static_cast<int>(v[3] / Modulo::gTwipsY) - Modulo::AlturaLegenda();
        resize(largura, std::max(1, altura));
        move(static_cast<int>(v[0] / Modulo::gTwipsX), static_cast<int>(v[1] / Modulo::gTwipsY));
        setWindowState(Qt::WindowNoState);
        return;
    }
    // Normal-state size 800 x 600 plus the margin (20 on screens wider than
    // 1000 and taller than 700) at the screen's origin; the window opens
    // maximised.
    const int m = (tela.width() > 1000 && tela.height() > 700) ? 20 : 0;
    resize(800 + m, 600 + m);
    move(0, 0);
    setWindowState(Qt::WindowMaximized);
}

void frmTQ1::Form_Load()
{
    using namespace Modulo;
    DefineJanelaPrincipal(this);

    // 1. Placement; its errors are skipped.
    ignorandoErros([this] { AplicaPosicaoInicial(); });

    // 2. Caption and hover state.
    setWindowTitle(ObtemTituloPrograma());
    mChaveDestaque = QStringLiteral("FORM");
    mPrimeiraAtivacao = true;
    gEdicaoNaoMaritima = gEdicao != QLatin1String("M");

    // 3. The kind filters the edition shows.
    const bool a = gEdicao == QLatin1String("A");
    const bool tiposCombo = gEdicao == QLatin1String("D") || gEdicao == QLatin1String("M");
    imgChkEixos->setVisible(a);
    imgQuadradoXEixos->setVisible(a);
    if (tiposCombo)
        for (QWidget* w : {static_cast<QWidget*>(imgChkEixos), static_cast<QWidget*>(imgQuadradoXEixos),
                           static_cast<QWidget*>(imgChkTransmissoes), static_cast<QWidget*>(imgQuadradoXTransmissoes),
                           static_cast<QWidget*>(imgChkJogosReparo), static_cast<QWidget*>(imgQuadradoXJogosReparo),
                           static_cast<QWidget*>(imgChkComponentes), static_cast<QWidget*>(imgQuadradoXComponentes)})
            w->hide();
    if (!a)
        imgQuadrado_Eixos->hide();
    if (tiposCombo)
        for (QWidget* w : {imgQuadrado_Eixos, imgQuadrado_Transmissoes, imgQuadrado_JogosReparo, imgQuadrado_Componentes})
            w->hide();

    // 4. Form state.
    mCodigoTipoPeca = QStringLiteral(" ");
    mCodigoFabricante = 0;
    mTipoSelecionado.clear();
    mCodigoSelecionado = -5;
    mCodigoVeiculo = -5;
    mVerificacaoEmAndamento = false;
    mDazadizeBloqueado = false;
    mContadorVerificacao = 0;
    mTabelaComparacao.clear();
    mItensDestacados.clear();
    mUltimoItemDestacado = -1;
    mHwndGancho = nullptr;
    gAlvoRodaNome.clear();

    // 5. The wheel hook is off only when NW.txt holds exactly "1".
    if (EmAmbienteDesenvolvimento()) {
        gRodaAtiva = false;
    } else {
        const QString nw = gCaminhoDados + QStringLiteral("NW.txt");
        gRodaAtiva = true;
        if (ArquivoExiste(nw))
            ignorandoErros([&] { gRodaAtiva = LeArquivoBytes(nw) != "1"; });
    }

    // 6, 7. The search slots.
    mSlotPesquisa = 255;
    for (int i = 0; i < 2; ++i) {
        FiltrosPesquisa& f = mFiltrosPesquisa[i];
        f = FiltrosPesquisa{};
        f.TipoSelecionado = mTipoSelecionado;
        f.CodigoSelecionado = mCodigoSelecionado;
        if (gEdicao == QLatin1String("D")) {
            f.CodigoTipoPeca = i == 0 ? QStringLiteral(" ") : QStringLiteral("3");
        } else if (gEdicao == QLatin1String("M")) {
            f.CodigoTipoPeca = i == 0 ? QStringLiteral(" ") : QStringLiteral("R");
        } else {
            f.PesquisaComponentes = i == 0;
            f.PesquisaJogosReparo = i == 0;
            f.PesquisaTransmissoes = true;
            f.PesquisaEixos = gEdicao == QLatin1String("A");
        }
    }

    // 8. The data controls read the catalogue of the data folder.
    const QString catalogo = gCaminhoDados + NomeArquivoCatalogo();
    for (platform::dao::DataControl* d : {dtcTHGrid1, dtcTHCombo1, dtcTHCombo2})
        d->SetDatabaseName(catalogo);

    // 9. The floating panels above the screens.
    pctTitulo->raise();
    pctLogoVelmora->raise();
    TrazPaineisFrente();

    // 10. Tooltips and fixed captions.
    pctMinimizar->setToolTip(ObtemTexto(34));
    imgLista->setToolTip(ObtemTexto(105));
    for (int i = 0; i < 4; ++i) {
        imgOpcionalSug[i]->setToolTip(ObtemTexto(53));
        lblQtdSug[i]->setText(ObtemTexto(25).toLower() + QStringLiteral(":"));
    }
    imgMudaPagina[0]->setToolTip(ObtemTexto(42));
    imgMudaPagina[1]->setToolTip(ObtemTexto(41));
    imgFecharSug->setToolTip(ObtemTexto(40));
    grdTHGrid1->mTextGridVazio = ObtemTexto(43);

    // 11, 12. Layout; the own minimise box 16 pixels from the screen's right.
    PosObjetosForm();
    const int larguraTela = TamanhoTela().width();
    if (larguraTela > 800)
        pctMinimizar->move(larguraTela - 16, pctMinimizar->y());

    // 13. Frame pictures, the issue date, the start screen.
    CarregaImagensTela(QStringLiteral("C"), 100);
    AtualizaInfoUltimaAtualizacao(true);
    MostraInicio(200);

    // 14. The wheel hook on this window.
    if (gRodaAtiva) {
        gFormRoda = this;
        SubClassing(true);
    }
    // The automatic update check's timer runs from the window's load (its
    // handler belongs to the program update).
    tmrVerificarAtualizacoes->start();
    m_carregado = true;
}

// ---- First activation ------------------------------------------------------

void frmTQ1::AplicaSemBorda()
{
    Modulo::AlteraBordaForm(this, 0, true, true, true, true, true, false);
    // Without a frame the window covers the screen it is on.
    if (const QScreen* tela = screen())
        setGeometry(tela->geometry());
    if (!(windowState() & Qt::WindowMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
    update();
}

void frmTQ1::Form_Activate()
{
    if (!mPrimeiraAtivacao)
        return;
    mPrimeiraAtivacao = false;
    const QSize tela = Modulo::TamanhoTela();
    if (tela.width() <= 1000 || tela.height() <= 700) {
        ignorandoErros([this] { AplicaSemBorda(); });
        pctMinimizar->show();
    } else {
        pctMinimizar->hide();
        update();
    }
    platform::DoEvents();
}

void frmTQ1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (mPrimeiraAtivacao && m_carregado)
        QTimer::singleShot(0, this, [this] { Modulo::Guarda([this] { Form_Activate(); }); });
}

void frmTQ1::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Deferred: the first activation may change the window's frame, which
    // is not done from inside its own activation.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && mPrimeiraAtivacao && m_carregado)
        QTimer::singleShot(0, this, [this] { Modulo::Guarda([this] { Form_Activate(); }); });
}

void frmTQ1::pctMinimizar_Click() { showMinimized(); }

// ---- Keys ------------------------------------------------------------------

void frmTQ1::Form_KeyDown(int& KeyCode, int Shift)
{
    QString tecla;
    const int tela = CodigoTelaAtual();
    QWidget* foco = QApplication::focusWidget();
    if (foco && foco->window() != this)
        foco = nullptr;
    const bool focoEmCaixa = foco && (qobject_cast<QLineEdit*>(foco) || foco == pctSugestaoCompra);
    const bool figuraComParte = tela == 4 && mParteFiguraAtual != 255;
    const int ultimaParte = mPartesFigura && !mPartesFigura->isEmpty() ? int(mPartesFigura->size()) - 1
                                                                        : int(mParteFiguraAtual);

    switch (KeyCode) {
    case 40:
        if (focoEmCaixa)
            tecla = QStringLiteral("{DOWN}");
        break;
    case 38:
        if (focoEmCaixa)
            tecla = QStringLiteral("{UP}");
        break;
    case 34:
        if (figuraComParte) {
            const int proxima = mParteFiguraAtual + 1 > ultimaParte ? 0 : mParteFiguraAtual + 1;
            imgParteFigura_Click(proxima);
        } else if (focoEmCaixa) {
            tecla = QStringLiteral("{PGDN}");
        }
        break;
    case 33:
        if (figuraComParte) {
            const int anterior = int(mParteFiguraAtual) - 1 < 0 ? ultimaParte : mParteFiguraAtual - 1;
            imgParteFigura_Click(anterior);
        } else if (focoEmCaixa) {
            tecla = QStringLiteral("{PGUP}");
        }
        break;
    case 39:
        if ((Shift & 4) && !Ocupado()) {
            KeyCode = 0;
            switch (tela) {
            case 1:
            case 2:
            case 3:
            case 9: imgAvancar_Click(); break;
            case 4: imgTabela_Click(); break;
            case 5: imgFigura_Click(); break;
            case 6:
                if (!imgAvancar->isHidden())
                    imgAvancar_Click();
                break;
            default: break;
            }
        }
        break;
    case 37:
        if ((Shift & 4) && tela != 0 && !Ocupado()) {
            KeyCode = 0;
            imgVoltar_Click();
        }
        break;
    default: break;
    }

    if (!tecla.isEmpty() && !grdTHGrid1->isHidden() && !Ocupado()) {
        KeyCode = 0;
        Modulo::NavegaGridTeclado(grdTHGrid1, dtcTHGrid1->Recordset(), tecla);
    }
}

void frmTQ1::Form_KeyPress(int& KeyAscii)
{
    if (KeyAscii != 13 && KeyAscii != 27)
        return;
    QWidget* foco = QApplication::focusWidget();
    if (!foco || foco->window() != this)
        return;
    // A drop-down keeps Enter and Esc for its own list.
    for (QWidget* w = foco; w && w != this; w = w->parentWidget())
        if (qobject_cast<THCombo*>(w))
            return;
    int codigo = KeyAscii == 13 ? 39 : 37;
    Form_KeyDown(codigo, 4);
    KeyAscii = 0;
}

bool frmTQ1::TeclaDoFormulario(QKeyEvent* evento)
{
    bool engolida = false;
    Modulo::Guarda([&] {
        int codigo = CodigoTecla(evento->key());
        if (codigo != 0 && codigo != 13 && codigo != 27) {
            Form_KeyDown(codigo, Modulo::ShiftVB(evento->modifiers()));
            if (codigo == 0) {
                engolida = true;
                return;
            }
        }
        if (codigo == 13 || codigo == 27) {
            int ascii = codigo;
            Form_KeyPress(ascii);
            engolida = ascii == 0;
        }
    });
    return engolida;
}

bool frmTQ1::eventFilter(QObject* observado, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress && observado->isWidgetType()) {
        auto* w = static_cast<QWidget*>(observado);
        if (w->window() == this && isEnabled()) {
            QWidget* foco = QApplication::focusWidget();
            // The first delivery only: the focused control, or the window
            // itself when nothing has the focus.
            if (w == foco || (!foco && w == this))
                return TeclaDoFormulario(static_cast<QKeyEvent*>(evento));
        }
    }
    return QWidget::eventFilter(observado, evento);
}

// ---- Focus and mouse -------------------------------------------------------

void frmTQ1::PosicionaFocoTela()
{
    ignorandoErros([this] {
        switch (CodigoTelaAtual()) {
        case 1:
        case 2:
        case 3:
        case 5:
        case 8:
            if (grdTHGrid1->isVisible() && grdTHGrid1->isEnabled())
                grdTHGrid1->setFocus();
            break;
        case 4:
            if (pctTela[4]->isVisible())
                pctTela[4]->setFocus();
            break;
        default: break;
        }
    });
}

void frmTQ1::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    PosicionaFocoTela();
}

void frmTQ1::TrazPaineisFrente()
{
    grdTHGrid1->raise();
    pctJogoReparo->raise();
    pctSugestaoCompra->raise();
    TrazCombosFrente();
    pctToolTipFig_Pop->raise();
}

void frmTQ1::TrazCombosFrente()
{
    cboTHCombo1->raise();
    cboTHCombo2->raise();
    pctMinimizar->raise();
}

void frmTQ1::Form_MouseMove() { DestacaControle(QStringLiteral("FORM")); }

void frmTQ1::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    Form_MouseMove();
}

void frmTQ1::pctTela_MouseMove(int Index)
{
    DestacaControle(QStringLiteral("FORM"));
    if (Index == 4) {
        LimpaSelecaoItem(false);
        Modulo::DefineAlvoRoda(QStringLiteral("CAT_FIGURA"));
    }
}

// ---- Closing ---------------------------------------------------------------

void frmTQ1::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void frmTQ1::Form_Unload()
{
    using namespace Modulo;
    if (m_descarregado)
        return;
    m_descarregado = true;

    // 1. The wheel hook first.
    if (gRodaAtiva) {
        ignorandoErros([this] { SubClassing(false); });
        gFormRoda = nullptr;
    }
    for (const auto& aoDescarregar : RegistroTQ1::Global().AoDescarregar)
        if (aoDescarregar)
            ignorandoErros([&] { aoDescarregar(*this); });

    // 2. The run's tables (their drop reports only by its result).
    if (gDbAuxiliar) {
        if (!gTabelaCarrinho.isEmpty())
            ExcluiTabela(gDbAuxiliar, gTabelaCarrinho);
        if (!mTabelaComparacao.isEmpty())
            ExcluiTabela(gDbAuxiliar, mTabelaComparacao);
    }

    // 3, 4. Recordsets, databases and workspaces, each on its own.
    for (platform::dao::DataControl* d : {dtcTHGrid1, dtcTHCombo1, dtcTHCombo2})
        ignorandoErros([d] {
            if (auto rs = d->Recordset())
                rs->Close();
            d->SetRecordset(nullptr);
        });
    ignorandoErros([this] {
        if (mRsItensFigura)
            mRsItensFigura->Close();
    });
    ignorandoErros([] {
        if (gDbDazadize)
            gDbDazadize->Close();
    });
    ignorandoErros([] {
        if (gDbAuxiliar)
            gDbAuxiliar->Close();
    });
    ignorandoErros([] {
        if (gWsDazadize)
            gWsDazadize->Close();
    });
    ignorandoErros([] {
        if (gWsAuxiliar)
            gWsAuxiliar->Close();
    });
    mRsItensFigura.reset();
    gDbDazadize.reset();
    gDbAuxiliar.reset();
    gWsDazadize.reset();
    gWsAuxiliar.reset();
    if (ObtemJanelaPrincipal() == this)
        DefineJanelaPrincipal(nullptr);

    const Encerramento& e = encerramento();
    const auto termina = [&e] {
        if (e.terminaPrograma)
            e.terminaPrograma();
        else
            QCoreApplication::exit(0);
    };

    // 5. After an update that asked for it: the launcher, which waits for
    //    this process to end and starts the catalogue again.
    if (gReiniciarPeloLancador) {
        const QString lancador = ObtemCaminhoApp(true) + QStringLiteral("DazadizeTQ_V");
        const QStringList argumentos{QString::number(QCoreApplication::applicationPid())};
        const platform::SpawnResult r =
            e.iniciaPrograma ? e.iniciaPrograma(lancador, argumentos) : platform::spawnProgram(lancador, argumentos);
        if (r.ok()) {
            termina();
            return;
        }
        // The launcher could not start: said, and the run ends as usual.
        MostraErro(platform::errors::FileNotFound,
                   QStringLiteral("\"%1\": %2").arg(lancador, QString::fromLocal8Bit(std::strerror(r.error))));
    }

    // 6. The closing window, which ends the program when it closes.
    DefinePonteiroTela(vbHourglass);
    if (e.mostraCreditos) {
        e.mostraCreditos();
    } else {
        auto* creditos = new frmCreditos;
        creditos->setAttribute(Qt::WA_DeleteOnClose);
        creditos->show();
    }
    DefinePonteiroTela(vbDefault);
}
