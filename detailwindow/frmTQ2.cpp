// The frame of the detail window: loading and placement, the first
// activation and the dispatcher, the screen history and Back, the keys, the
// focus, dragging, the wheel hook's hand-over and closing.

#include "detailwindow/frmTQ2.h"

#include "core/errorbox.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/janeladetalhe.h"
#include "core/janelaprincipal.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/texts.h"
#include "detailwindow/ponteiro.h"
#include "detailwindow/solicitacao.h"
#include "platform/base/doevents.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

struct Rotinas {
    frmTQ2::RotinaExibeTelaLista lista;
    frmTQ2::RotinaExibeTelaSaida saida;
    frmTQ2::RotinaImprimeComparacaoEFecha comparacao;
    frmTQ2::RotinaExibeTelaAtualizacao atualizacao;
};

Rotinas& Registro()
{
    static Rotinas r;
    return r;
}

QPointer<frmTQ2>& InstanciaAtual()
{
    static QPointer<frmTQ2> janela;
    return janela;
}

// The routine of a request whose code another library serves.
bool Registrada(int codigo)
{
    switch (codigo) {
    case 3: return static_cast<bool>(Registro().lista);
    case 5: return static_cast<bool>(Registro().saida);
    case 6: return static_cast<bool>(Registro().comparacao);
    case 7: return static_cast<bool>(Registro().atualizacao);
    default: return true;
    }
}

// A request that can run: well formed and served.
std::optional<DetalheSolicitacao::Pedido> Aceita(const QString& solicitacao)
{
    auto pedido = DetalheSolicitacao::AnalisaSolicitacao(solicitacao);
    if (pedido && !Registrada(DetalheSolicitacao::Codigo(*pedido)))
        return std::nullopt;
    return pedido;
}

}  // namespace

// ---------------------------------------------------------------------------
// Panels and labels

frmTQ2Painel::frmTQ2Painel(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void frmTQ2Painel::setPicture(const QPixmap& p)
{
    m_picture = p;
    update();
}

void frmTQ2Painel::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void frmTQ2Painel::mouseMoveEvent(QMouseEvent* e)
{
    Q_EMIT movido(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                  static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
}

void frmTQ2Painel::mousePressEvent(QMouseEvent* e)
{
    Q_EMIT pressionado(THWidgets::BotaoVB(e->button()));
}

void frmTQ2Painel::mouseReleaseEvent(QMouseEvent*) { Q_EMIT soltado(); }

void frmTQ2Painel::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    Q_EMIT focado();
}

frmTQ2Rotulo::frmTQ2Rotulo(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
}

void frmTQ2Rotulo::mousePressEvent(QMouseEvent* e)
{
    m_pressionado = true;
    e->accept();
}

void frmTQ2Rotulo::mouseReleaseEvent(QMouseEvent* e)
{
    const bool era = m_pressionado;
    m_pressionado = false;
    e->accept();
    if (era && rect().contains(e->position().toPoint()))
        Q_EMIT clicado(THWidgets::BotaoVB(e->button()));
}

void frmTQ2Rotulo::mouseMoveEvent(QMouseEvent* e)
{
    Q_EMIT movido(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                  static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
}

// ---------------------------------------------------------------------------
// Registry and the modal show

void frmTQ2::RegistraExibeTelaLista(RotinaExibeTelaLista rotina) { Registro().lista = std::move(rotina); }
void frmTQ2::RegistraExibeTelaSaida(RotinaExibeTelaSaida rotina) { Registro().saida = std::move(rotina); }
void frmTQ2::RegistraImprimeComparacaoEFecha(RotinaImprimeComparacaoEFecha rotina)
{
    Registro().comparacao = std::move(rotina);
}
void frmTQ2::RegistraExibeTelaAtualizacao(RotinaExibeTelaAtualizacao rotina)
{
    Registro().atualizacao = std::move(rotina);
}

void frmTQ2::Registra() { Modulo::RegistraJanelaDetalhe([] { frmTQ2::ExibeModal(); }); }

frmTQ2* frmTQ2::Instancia() { return InstanciaAtual().data(); }

void frmTQ2::ExibeModal()
{
    Modulo::JanelaPrincipal* principal = Modulo::ObtemJanelaPrincipal();
    frmTQ2 janela(principal ? principal->Janela() : nullptr);
    if (!Modulo::Guarda([&] { janela.Form_Load(); })) {
        // A window that cannot load runs nothing.
        Modulo::gParametro.clear();
        DetalhePonteiro::Padrao();
        janela.Descarrega();
        return;
    }
    if (janela.Exibivel())
        janela.exec();  // the first activation runs from the first show
    else
        janela.Form_Activate();
    janela.Descarrega();
}

frmTQ2::frmTQ2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTQ2"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setMouseTracking(true);
    CriaControles();
    LigaEventos();
    InstanciaAtual() = this;
}

frmTQ2::~frmTQ2()
{
    if (m_filtroTeclas)
        qApp->removeEventFilter(this);
    // The panels go with the window; a newer window keeps its own.
    if (InstanciaAtual() == this) {
        Modulo::RemovePainelReferencia(Modulo::kOrigemJogosReparo);
        Modulo::RemovePainelReferencia(Modulo::kOrigemOpcionais);
    }
}

// ---------------------------------------------------------------------------
// Loading, first activation, unloading

void frmTQ2::Form_Load()
{
    setWindowTitle(Modulo::ObtemTituloPrograma());
    mPrimeiraAtivacao = true;
    mChaveDestaque = QStringLiteral("FORM");
    mModoSaida = QStringLiteral("P");

    pctMenu->setPicture(Modulo::CarregaImagemRecurso(
        Modulo::gEdicao == QLatin1String("D") ? QStringLiteral("FUNDOTELINHA_D") : QStringLiteral("FUNDOTELINHA"),
        QStringLiteral("G")));
    pctMenu->lower();
    grdTHGrid1->raise();

    PosObjetosForm();
    PosicionaSobreJanelaPrincipal();

    Modulo::RegistraControleRoda(QStringLiteral("TEL_GRID1"), grdTHGrid1);
    Modulo::RegistraPainelReferencia(Modulo::kOrigemJogosReparo, pctPainelRef[0]);
    Modulo::RegistraPainelReferencia(Modulo::kOrigemOpcionais, pctPainelRef[1]);
    if (!m_filtroTeclas) {
        qApp->installEventFilter(this);
        m_filtroTeclas = true;
    }

    // An empty, refused or comparison-print request never shows the window
    // and does not take the wheel hook.
    mGanchoRoda = false;
    const auto pedido = Aceita(Modulo::gParametro);
    m_exibivel = !Modulo::gParametro.isEmpty() && pedido && DetalheSolicitacao::Codigo(*pedido) != 6;
    if (!m_exibivel)
        return;
    if (Modulo::gRodaAtiva) {
        mGanchoRoda = true;
        Modulo::JanelaPrincipal* principal = Modulo::ObtemJanelaPrincipal();
        if (principal)
            principal->SubClassing(false);
        Modulo::gFormRoda = this;
        if (principal)
            principal->SubClassing(true);
    }
}

void frmTQ2::PosicionaSobreJanelaPrincipal()
{
    if (Modulo::JanelaPrincipal* principal = Modulo::ObtemJanelaPrincipal()) {
        const QRect menu = principal->RetanguloMenu();
        const int d = Modulo::gEdicao == QLatin1String("D") ? 2 : 0;
        move(menu.left() + 95, menu.top() + 64 + d);
        return;
    }
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    if (tela)
        move(tela->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void frmTQ2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (mPrimeiraAtivacao)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmTQ2::Form_Activate()
{
    if (!mPrimeiraAtivacao || m_descarregada)
        return;
    mPrimeiraAtivacao = false;

    const QString solicitacao = Modulo::gParametro;
    if (solicitacao.isEmpty() || !Aceita(solicitacao)) {
        // Nothing to run: the window closes as soon as it opened.
        Modulo::gParametro.clear();
        DetalhePonteiro::Padrao();
        platform::DoEvents();
        Descarrega();
        return;
    }
    mHistoricoTelas.clear();
    const bool ok = Modulo::Guarda([&] { ProcessaSolicitacao(200, solicitacao); });
    Modulo::gParametro.clear();
    DetalhePonteiro::Padrao();
    // A request that failed before its screen came up leaves nothing to see.
    if (!ok && !m_descarregada && !TelaVisivel())
        Descarrega();
}

bool frmTQ2::TelaVisivel() const
{
    for (const frmTQ2Painel* p : pctTela)
        if (p && !p->isHidden())
            return true;
    return false;
}

void frmTQ2::Descarrega()
{
    if (m_descarregada)
        return;
    m_descarregada = true;
    Form_Unload();
    // Ends the modal show once the running handler returns; the window
    // itself goes with the show's scope.
    done(QDialog::Accepted);
    hide();
    Q_EMIT descarregada();
}

void frmTQ2::Form_Unload()
{
    if (m_filtroTeclas) {
        qApp->removeEventFilter(this);
        m_filtroTeclas = false;
    }
    if (Modulo::gRodaAtiva && mGanchoRoda) {
        Modulo::JanelaPrincipal* principal = Modulo::ObtemJanelaPrincipal();
        if (principal)
            principal->SubClassing(false);
        Modulo::gFormRoda = principal ? principal->Janela() : nullptr;
        if (principal)
            principal->SubClassing(true);
    }
    mGanchoRoda = false;
}

void frmTQ2::closeEvent(QCloseEvent* e)
{
    // The window system's close is not one of the window's ways out (Back,
    // the end of a screen's work); a close after unloading is.
    if (m_descarregada)
        e->accept();
    else
        e->ignore();
}

// ---------------------------------------------------------------------------
// Dispatch, history, Back

int frmTQ2::TelaAtual() const
{
    if (mHistoricoTelas.isEmpty())
        return -1;
    return mHistoricoTelas.back().unicode() - '0';
}

void frmTQ2::ProcessaSolicitacao(std::uint8_t Origem, const QString& Solicitacao)
{
    using namespace DetalheSolicitacao;
    const auto pedido = Aceita(Solicitacao);
    if (!pedido)
        return;  // nothing runs for a request that cannot
    const int codigo = Codigo(*pedido);
    if (codigo != 6)
        pctTela[static_cast<std::size_t>(codigo)]->Tag = Solicitacao;
    grdTHGrid1->mTextGridVazio = Modulo::ObtemTexto(codigo == 3 ? 16 : 43);

    if (const auto* o = std::get_if<Observacao>(&*pedido)) {
        ExibeTelaObservacao(Origem, Modulo::ObtemCodigoTipo(o->Tipo), o->Codigo, o->CodigoPeca, o->ItemComponente,
                            o->TextoExtra);
    } else if (const auto* j = std::get_if<JogosReparo>(&*pedido)) {
        ExibeTelaJogosReparo(Origem, j->CodigoPeca, j->ItemComponente, j->CodigoComponente, j->Numero);
    } else if (const auto* a = std::get_if<Aplicacao>(&*pedido)) {
        ExibeTelaAplicacao(a->CodigoPeca);
    } else if (const auto* l = std::get_if<Lista>(&*pedido)) {
        Registro().lista(*this, Origem, l->Tipo, l->Codigo);
    } else if (const auto* op = std::get_if<Opcionais>(&*pedido)) {
        ExibeTelaOpcionais(Origem, op->CodigoPeca, op->CodigoComponente, op->ItemComponente, op->Numero);
    } else if (const auto* s = std::get_if<Saida>(&*pedido)) {
        Registro().saida(*this, s->CodigoPeca, s->Modo, s->Opcoes, s->ParteFigura);
    } else if (std::holds_alternative<Comparacao>(*pedido)) {
        Registro().comparacao(*this);
    } else if (const auto* at = std::get_if<Atualizacao>(&*pedido)) {
        Registro().atualizacao(*this, at->VersaoLocal, at->VersaoServidor);
    } else {
        ExibeTelaConfiguracoes();
    }
}

void frmTQ2::imgVoltar_Click()
{
    if (m_descarregada)
        return;
    if (mHistoricoTelas.size() > 1) {
        DetalhePonteiro::Escopo ampulheta;
        const int origem = TelaAtual();
        mHistoricoTelas.chop(1);
        ProcessaSolicitacao(static_cast<std::uint8_t>(origem), pctTela[static_cast<std::size_t>(TelaAtual())]->Tag);
        return;
    }
    hide();
    platform::DoEvents();
    Descarrega();
}

// ---------------------------------------------------------------------------
// Keys, focus, dragging

bool frmTQ2::TeclaDaLista() const
{
    const QWidget* foco = QApplication::focusWidget();
    return TelaAtual() == 3 && foco && (foco == grdTHGrid1 || grdTHGrid1->isAncestorOf(foco));
}

bool frmTQ2::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)
        return QDialog::eventFilter(o, e);
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || (w != this && !isAncestorOf(w)) || m_descarregada)
        return QDialog::eventFilter(o, e);
    // A key travels up from the focused control to its containers; the
    // window acts on its first delivery only.
    const QWidget* foco = QApplication::focusWidget();
    if (foco ? w != foco : w != this)
        return QDialog::eventFilter(o, e);
    auto* k = static_cast<QKeyEvent*>(e);
    const bool premida = e->type() == QEvent::KeyPress;

    if (premida && k->key() == Qt::Key_Escape) {
        if (TelaAtual() != 6 && foco && (foco == this || isAncestorOf(foco))) {
            Modulo::Guarda([this] { imgVoltar_Click(); });
            return true;
        }
        return true;  // nothing else acts on Esc in this window
    }
    if (premida && (k->text() == QLatin1String("+") || k->text() == QLatin1String("-"))) {
        if (TeclaDaLista()) {
            const int icone = k->text() == QLatin1String("+") ? 1 : 2;
            grdTHGrid1_ImageClick(icone, platform::dao::Bookmark{}, 1);
        }
        return false;  // the key goes on to the focused control
    }
    if (k->key() == Qt::Key_Delete && TeclaDaLista()) {
        // The list never sees Delete; the item goes when the key is let go,
        // once for each time the key is pressed.  A held key repeats as
        // release and press pairs that the window system does not always
        // mark as repeats; the pair shares one timestamp, so a press stamped
        // with the time of the release just before it is a repeat too.
        if (premida) {
            const bool repeticao =
                k->isAutoRepeat() || (k->timestamp() != 0 && k->timestamp() == m_deleteSoltaEm);
            if (!repeticao)
                m_deleteArmada = true;
        } else {
            m_deleteSoltaEm = k->timestamp();
            if (!k->isAutoRepeat() && m_deleteArmada) {
                m_deleteArmada = false;
                grdTHGrid1_ImageClick(3, platform::dao::Bookmark{}, 1);
            }
        }
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void frmTQ2::PosicionaFocoTela()
{
    const int tela = TelaAtual();
    QWidget* alvo = nullptr;
    if (tela == 0)
        alvo = txtObservacao;
    else if (tela >= 1 && tela <= 4)
        alvo = grdTHGrid1;
    // A control that is hidden, or no screen yet: the focus stays.
    if (alvo && alvo->isVisibleTo(this))
        alvo->setFocus(Qt::OtherFocusReason);
}

void frmTQ2::mouseMoveEvent(QMouseEvent* e)
{
    Form_MouseMove(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                   static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
}

void frmTQ2::Form_MouseDown(int Button)
{
    m_arrastando = false;
    m_arrastoSistema = false;
    if (Button == 1) {
        m_cursorInicio = QCursor::pos();
        m_janelaInicio = pos();
    }
}

void frmTQ2::Form_MouseUp() { m_arrastando = m_arrastoSistema = false; }

void frmTQ2::Form_MouseMove(int Button, int, float, float)
{
    DestacaControle(QStringLiteral("FORM"));
    if (!(Button & 1))
        return;
    if (!m_arrastando) {
        m_arrastando = true;
        // The window system moves the window as if its title bar were
        // dragged; without one that can, the window follows the pointer.
        m_arrastoSistema = windowHandle() && windowHandle()->startSystemMove();
    }
    if (!m_arrastoSistema)
        move(m_janelaInicio + (QCursor::pos() - m_cursorInicio));
}

void frmTQ2::LigaEventos()
{
    for (frmTQ2Painel* p : {pctMenu, pctTela[0], pctTela[1], pctTela[2], pctTela[3], pctTela[4], pctTela[5],
                            pctTela[7], pctTela[8]}) {
        connect(p, &frmTQ2Painel::movido, this, &frmTQ2::Form_MouseMove);
        connect(p, &frmTQ2Painel::pressionado, this, &frmTQ2::Form_MouseDown);
        connect(p, &frmTQ2Painel::soltado, this, &frmTQ2::Form_MouseUp);
        connect(p, &frmTQ2Painel::focado, this, &frmTQ2::PosicionaFocoTela);
    }

    // Toolbar hover; Back and OK act here, the other buttons belong to the
    // screens that show them.
    const std::pair<THPicture*, const char*> botoes[] = {
        {imgAvancar, "AVANCAR"},   {imgVoltar, "VOLTAR"},           {imgFigura, "FIGURA"},
        {imgImprimir, "IMPRIMIR"}, {imgGerarArquivo, "GERARARQUIVO"}, {imgEnviarEmail, "ENVIAREMAIL"},
        {imgLimpar, "LIMPAR"}};
    for (const auto& [botao, chave] : botoes) {
        const QString c = QString::fromLatin1(chave);
        connect(botao, &THPicture::movido, this, [this, c] { DestacaControle(c); });
    }
    connect(imgVoltar, &THPicture::clicado, this, [this] { Modulo::Guarda([this] { imgVoltar_Click(); }); });
    connect(imgAvancar, &THPicture::clicado, this, [this] { Modulo::Guarda([this] { imgAvancar_Click(); }); });

    // The list.
    connect(grdTHGrid1, &THGrid::ImageClick, this, &frmTQ2::grdTHGrid1_ImageClick);
    connect(grdTHGrid1, &THGrid::MouseMove, this, &frmTQ2::grdTHGrid1_MouseMove);
    connect(grdTHGrid1, &THGrid::RowColChange, this, &frmTQ2::grdTHGrid1_RowColChange);

    // Notes: the attachment links and their icons.
    for (int i = 0; i < 3; ++i) {
        const QString chave = QStringLiteral("_ANEXO%1").arg(i);
        connect(lblAnexo[static_cast<std::size_t>(i)], &frmTQ2Rotulo::clicado, this,
                [this, i] { Modulo::Guarda([this, i] { lblAnexo_Click(i); }); });
        connect(imgIcoAnexo[static_cast<std::size_t>(i)], &THPicture::clicado, this,
                [this, i] { Modulo::Guarda([this, i] { lblAnexo_Click(i); }); });
        connect(lblAnexo[static_cast<std::size_t>(i)], &frmTQ2Rotulo::movido, this, [this, chave] { DestacaControle(chave); });
        connect(imgIcoAnexo[static_cast<std::size_t>(i)], &THPicture::movido, this, [this, chave] { DestacaControle(chave); });
    }

    // Output options: the two toggles (label picture and both boxes).
    for (THPicture* p : {imgChkFigura, imgQuadrado_Figura, imgQuadradoXFigura}) {
        connect(p, &THPicture::clicado, this, &frmTQ2::imgChkFigura_Click);
        connect(p, &THPicture::movido, this, [this] { DestacaControle(QStringLiteral("CHKFIGURA")); });
    }
    for (THPicture* p : {imgChkTabela, imgQuadrado_Tabela, imgQuadradoXTabela}) {
        connect(p, &THPicture::clicado, this, &frmTQ2::imgChkTabela_Click);
        connect(p, &THPicture::movido, this, [this] { DestacaControle(QStringLiteral("CHKTABELA")); });
    }
}
