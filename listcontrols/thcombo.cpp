#include "listcontrols/thcombo.h"

#include "core/errorbox.h"
#include "listcontrols/thbar.h"
#include "listcontrols/therrors.h"
#include "listcontrols/thgeometry.h"
#include "listcontrols/thpictures.h"
#include "listcontrols/thwidgets.h"
#include "platform/base/doevents.h"
#include "platform/desktop/color.h"
#include "listcontrols/thunits.h"
#include "platform/desktop/units.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using BM = platform::dao::Bookmark;
using platform::dao::DataControl;
using platform::dao::RecordsetPtr;

namespace {

using THUnits::kForm;
const QString kFlecha = QStringLiteral("FLECHA");
const QString kLista = QStringLiteral(">THGRID");
const QString kSelecionado = QStringLiteral("SELECIONADO");
const QColor kCorHabilitado = platform::colorFromBgr(0x914537);
const QColor kCorDesabilitado = platform::colorFromBgr(0x808080);

using THUnits::Px;
using THUnits::Tw;

QString SemEspacosAEsquerda(const QString& s)
{
    int i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

bool Contem(const QWidget* pai, const QWidget* w)
{
    return w && (w == pai || pai->isAncestorOf(w));
}

}  // namespace

THCombo::THCombo(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);

    m_texto = new THBarra(this);
    m_texto->hide();
    m_face = new THBarra(this);
    m_lista = new THGrid(this);
    m_lista->hide();
    m_seta = new THPicture(this);
    m_seta->setPicture(THImagens::Seta(false));
    m_seta2 = new THPicture(this);
    m_seta2->setPicture(THImagens::Seta(true));
    m_seta2->setPassaMouse(true);
    m_seta2->hide();

    m_lista->ReadProperties({{QStringLiteral("Row"), -1},
                             {QStringLiteral("BorderStyle"), 1},
                             {QStringLiteral("BackColor"), 0xF7F7F7},
                             {QStringLiteral("BarraColor"), 0xF4E4DC}});
    m_lista->mMousePointerHand = true;

    m_tmr.setInterval(1);
    connect(&m_tmr, &QTimer::timeout, this, [this] { Modulo::Guarda([this] { tmrTick(); }); });

    // The face row: arrow, record face, plain-text face and their labels all
    // open and close the list and light the arrow.
    const auto sobreFace = [this](int b, int s, float x, float y) {
        Modulo::Guarda([&] {
            TrocaDestaque(kFlecha);
            Q_EMIT MouseMove(b, s, x, y);
        });
    };
    connect(m_seta, &THPicture::movido, this, sobreFace);
    connect(m_face, &THBarra::mouseMovido, this, [sobreFace](int b, int s, float x, float y, int) { sobreFace(b, s, x, y); });
    connect(m_texto, &THBarra::mouseMovido, this, [sobreFace](int b, int s, float x, float y, int) { sobreFace(b, s, x, y); });
    const auto clique = [this] { Modulo::Guarda([this] { abreFecha(); }); };
    connect(m_seta, &THPicture::clicado, this, [clique](int b) {
        if (b == 1)
            clique();
    });
    connect(m_face, &THBarra::clicado, this, clique);
    connect(m_texto, &THBarra::clicado, this, clique);

    // The list.
    connect(m_lista, &THGrid::Click, this, [this] {
        m_cliqueUsuario = true;
        listaRowColChange();
    });
    connect(m_lista, &THGrid::RowColChange, this, [this](const BM&, int) { listaRowColChange(); });
    connect(m_lista, &THGrid::MouseMove, this, [this](int b, int s, float x, float y) {
        TrocaDestaque(kLista);
        Q_EMIT MouseMove(b, s, x, y);
    });
    connect(m_lista, &THGrid::ImageClick, this,
            [this](int k, const BM& b, int botao) { Q_EMIT ImageClick(k, b, botao); });

    // Esc in the list, and the focus leaving the control.
    m_lista->innerGrid()->installEventFilter(this);
    m_lista->fundo()->installEventFilter(this);
    m_foco = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* antes, QWidget* agora) {
        if (Contem(this, antes) && !Contem(this, agora))
            Modulo::Guarda([this] { exitFocus(); });
    });

    PosicionaControles();
    ligaIconeFace(0);
    AplicaBackColor(0xFFFFFF);
    AplicaEnabled(true);
    atualizaMascara();
}

THCombo::~THCombo()
{
    disconnect(m_foco);
}

void THCombo::PosicionaControles()
{
    m_texto->setGeometry(1, 2, 98, THLayout::AlturaFacePx);
    THBarra::Rotulo& t = m_texto->rotulo(0);
    t.esquerdaTwips = 0;
    t.topoTwips = 0;
    t.larguraTwips = Tw(36);
    t.alturaTwips = Tw(15);
    t.caption = QStringLiteral("TEXTO");
    t.visivel = true;

    m_face->setGeometry(1, 2, 50, THLayout::AlturaFacePx);
    THBarra::Linha& l = m_face->linha(0);
    l.x1Twips = l.x2Twips = Tw(34);
    l.y1Twips = 0;
    l.y2Twips = Tw(23);
    m_face->icone2(0)->setGeometry(19, 1, 8, 14);
    m_face->icone(0)->setGeometry(45, 1, 15, 14);
    THBarra::Rotulo& r = m_face->rotulo(0);
    r.esquerdaTwips = Tw(2);
    r.topoTwips = 0;
    r.larguraTwips = Tw(12);
    r.alturaTwips = Tw(16);

    m_lista->Move(0, 21, 118, 172);
    m_seta2->move(103, 0);
    m_seta->move(103, 0);
    m_seta2->raise();
}

void THCombo::ligaIconeFace(int n)
{
    THPicture* p = m_face->icone(n);
    disconnect(p, nullptr, this, nullptr);
    connect(p, &THPicture::pressionado, this, [this](int b) { m_botaoMouse = b; });
    connect(p, &THPicture::clicado, this, [this, n](int) {
        Modulo::Guarda([&] {
            platform::DoEvents();
            m_lista->EventImageClick(n, std::nullopt, m_botaoMouse);
        });
    });
    connect(p, &THPicture::movido, this, [this, n](int b, int s, float x, float y) {
        TrocaDestaque(kSelecionado + QString::number(n));
        Q_EMIT MouseMove(b, s, x, y);
    });
}

// ---------------------------------------------------------------------------
// Sizes

void THCombo::resizeEvent(QResizeEvent*)
{
    ajustaTamanho();
}

void THCombo::Move(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    ajustaTamanho();
}

void THCombo::garanteTamanho()
{
    if (size() != m_tamanhoAjustado)
        ajustaTamanho();
}

void THCombo::ajustaTamanho()
{
    if (!m_ajustando) {
        m_ajustando = true;
        if (mUserControlPixelWidth < 1)
            resize(width(), m_seta->y() + m_seta->height());
        else
            resize(mUserControlPixelWidth, THLayout::AlturaComboRedimensionadoPx);
        if (m_ajustaFace) {
            m_face->move(1, m_face->y());
            m_texto->move(m_face->x(), m_texto->y());
            m_seta->move(width() - m_seta->width(), m_seta->y());
            m_seta2->move(width() - m_seta2->width(), m_seta2->y());
            const int larguraFace = std::max(0, m_seta->x() - m_face->x());
            m_face->resize(larguraFace, m_face->height());
            m_texto->resize(larguraFace, m_texto->height());
            m_texto->rotulo(0).larguraTwips = Tw(larguraFace);
            if (m_colunasConfiguradas && mUserControlPixelWidth < m_lista->mUserControlPixelWidth)
                resize(m_lista->mUserControlPixelWidth, height());
        }
        m_ajustando = false;
    }
    m_tamanhoAjustado = size();
    atualizaMascara();
}

void THCombo::AjustaControlesCombo(bool sAbreBaixo, int sMaxLinhas, bool sAlinhaDireita)
{
    const RecordsetPtr rs = recordset();
    if (!rs)
        THErro::Levanta(THErro::ObjectNotSet, QStringLiteral("AjustaControlesCombo"));
    m_lista->mUserControlPixelHeight = THLayout::AlturaPedidaListaCombo(rs->RecordCount(), sMaxLinhas);
    m_lista->Move(m_lista->x(), m_lista->y(), m_lista->mUserControlPixelWidth, m_lista->mUserControlPixelHeight);

    m_ajustando = true;
    const THLayout::AberturaCombo a = THLayout::CalculaAbertura(m_lista->height(), sAbreBaixo);
    resize(width(), a.alturaControle);
    m_texto->move(m_texto->x(), a.topoFace);
    m_face->move(m_face->x(), a.topoFace);
    m_seta->move(m_seta->x(), a.topoSeta);
    m_seta2->move(m_seta2->x(), a.topoSeta);
    m_lista->move(m_lista->x(), a.topoLista);
    if (sAlinhaDireita) {
        const int w = m_lista->width();
        m_seta->move(w - m_seta->width(), m_seta->y());
        m_seta2->move(m_seta->x(), m_seta2->y());
        m_face->move(m_seta->x() - m_face->width(), m_face->y());
        m_texto->move(m_face->x(), m_texto->y());
    } else {
        m_face->move(1, m_face->y());
        m_texto->move(1, m_texto->y());
    }
    m_ajustando = false;
    m_tamanhoAjustado = size();
    atualizaMascara();
}

QRegion THCombo::areaFechada() const
{
    QRegion r(m_seta->geometry());
    if (!m_face->isHidden())
        r += m_face->geometry();
    if (!m_texto->isHidden())
        r += m_texto->geometry();
    return r;
}

void THCombo::atualizaMascara()
{
    // Closed, the control takes the mouse (and paints) only over its face
    // row; the rest of its height belongs to whatever lies beneath.
    if (aberta())
        clearMask();
    else
        setMask(areaFechada());
}

// ---------------------------------------------------------------------------
// Configuration

void THCombo::ConfiguraColunas(const QStringList& sColunasTHGrid, const std::optional<QStringList>& sColunasTHCombo,
                               long sWidthTHGrid, bool sAbreBaixo, int sMaxLinhas, bool sAlinhaDireita)
{
    garanteTamanho();
    m_ajustaFace = false;
    try {
        if (sWidthTHGrid == -1) {
            m_lista->mUserControlPixelWidth = width();
        } else {
            m_lista->mUserControlPixelWidth = Px(static_cast<int>(sWidthTHGrid));
            if (Tw(width()) < sWidthTHGrid) {
                mUserControlPixelWidth = m_lista->mUserControlPixelWidth;
                resize(mUserControlPixelWidth, height());
                ajustaTamanho();
            }
        }
        AjustaControlesCombo(sAbreBaixo, sMaxLinhas, sAlinhaDireita);
        m_lista->ConfiguraColunas(sColunasTHGrid);
        if (!sColunasTHCombo)
            CopiaBarraTHGrid();
        else
            ConfiguraColunasFace(*sColunasTHCombo);
        AtualizaFace();
    } catch (...) {
        m_ajustaFace = true;
        throw;
    }
    m_ajustaFace = true;
    m_colunasConfiguradas = true;
    atualizaMascara();
}

void THCombo::CopiaBarraTHGrid()
{
    int u = m_lista->UBound_linTHGrid();
    m_face->linha(0).visivel = false;
    for (int i = 0; i <= u; ++i) {
        if (i > 0)
            m_face->carregaLinha(i);
        long x1 = 0, x2 = 0;
        m_lista->Properties_linTHGrid(i, x1, x2);
        THBarra::Linha& l = m_face->linha(i);
        l.x1Twips = static_cast<int>(x1);
        l.x2Twips = static_cast<int>(x2);
        l.visivel = true;
    }

    u = m_lista->UBound_lblTHGrid();
    m_face->rotulo(0).visivel = false;
    for (int i = 0; i <= u; ++i) {
        if (i > 0)
            m_face->carregaRotulo(i);
        long left = 0, largura = 0;
        int alinhamento = 0;
        m_lista->Properties_lblTHGrid(i, left, largura, alinhamento);
        THBarra::Rotulo& r = m_face->rotulo(i);
        r.esquerdaTwips = static_cast<int>(left);
        r.larguraTwips = static_cast<int>(largura);
        r.alinhamento = alinhamento;
        r.tag = m_lista->Tag_lblTHGrid(i);
        r.visivel = true;
    }

    u = m_lista->UBound_imgSelecionado2();
    m_face->icone2(0)->hide();
    for (int i = 0; i <= u; ++i) {
        if (i > m_face->ultimoIcone())
            m_face->carregaIcone(i);
        long left = 0;
        QPixmap p;
        m_lista->Properties_imgSelecionado2(i, left, p);
        THPicture* twin = m_face->icone2(i);
        twin->setPicture(p);
        twin->move(Px(static_cast<int>(left)), twin->y());
    }

    u = m_lista->UBound_imgSelecionado();
    m_face->icone(0)->hide();
    for (int i = 0; i <= u; ++i) {
        const long left = copiaIconeDaLista(i);
        THPicture* icone = m_face->icone(i);
        icone->move(Px(static_cast<int>(left)), icone->y());
        icone->stackUnder(m_face->icone2(i));
        ligaIconeFace(i);
    }
    m_face->update();
}

long THCombo::copiaIconeDaLista(int n)
{
    if (n > m_face->ultimoIcone())
        m_face->carregaIcone(n);
    long left = 0;
    QPixmap p;
    QString dica;
    int ponteiro = 0;
    m_lista->Properties_imgSelecionado(n, left, p, dica, ponteiro);
    THPicture* icone = m_face->icone(n);
    icone->setPicture(p);
    icone->setToolTip(dica);
    icone->setPonteiro(ponteiro);
    return left;
}

void THCombo::ConfiguraColunasFace(const QStringList& sColunasTHCombo)
{
    m_face->rotulo(0).visivel = false;
    m_face->linha(0).visivel = false;
    m_face->icone2(0)->hide();
    m_face->icone(0)->hide();

    std::vector<int> larguras;
    for (int g = 0; g <= m_lista->UBound_imgSelecionado(); ++g) {
        long left = 0;
        QPixmap p;
        QString dica;
        int ponteiro = 0;
        m_lista->Properties_imgSelecionado(g, left, p, dica, ponteiro);
        larguras.push_back(Tw(p.isNull() ? 0 : p.deviceIndependentSize().toSize().width()));
    }
    const THLayout::LayoutFace f = THLayout::CalculaFace(sColunasTHCombo, larguras);

    for (size_t i = 0; i < f.rotulos.size(); ++i) {
        const int ii = static_cast<int>(i);
        if (ii > 0)
            m_face->carregaRotulo(ii);
        THBarra::Rotulo& r = m_face->rotulo(ii);
        r.visivel = true;
        r.esquerdaTwips = f.rotulos[i].esquerdaTwips;
        r.larguraTwips = f.rotulos[i].larguraTwips;
        r.alinhamento = f.rotulos[i].alinhamento;
        r.tag = f.rotulos[i].tag;
    }
    for (size_t g = 0; g < f.icones.size(); ++g) {
        const int gi = static_cast<int>(g);
        long left = copiaIconeDaLista(gi);
        THPicture* icone = m_face->icone(gi);
        icone->move(Px(f.icones[g].esquerdaTwips), icone->y());
        QPixmap p2;
        m_lista->Properties_imgSelecionado2(gi, left, p2);
        m_face->icone2(gi)->setPicture(p2);
        m_face->icone2(gi)->move(icone->x(), m_face->icone2(gi)->y());
        icone->stackUnder(m_face->icone2(gi));
        ligaIconeFace(gi);
    }
    for (size_t i = 0; i < f.divisoresXTwips.size(); ++i) {
        const int ii = static_cast<int>(i);
        if (ii > 0)
            m_face->carregaLinha(ii);
        THBarra::Linha& l = m_face->linha(ii);
        l.x1Twips = l.x2Twips = f.divisoresXTwips[i];
        l.visivel = false;
    }
    m_face->update();
}

RecordsetPtr THCombo::recordset() const
{
    if (!m_dataControl)
        return nullptr;
    RecordsetPtr rs = m_dataControl->Recordset();
    return (rs && rs->IsOpen()) ? rs : nullptr;
}

bool THCombo::temRegistroAtual() const
{
    const RecordsetPtr rs = recordset();
    return rs && !rs->EOF_() && !rs->BOF();
}

void THCombo::AtualizaFace()
{
    if (!temRegistroAtual()) {
        // No current record: no selection to show.
        for (int i = 0; i <= m_face->ultimoRotulo(); ++i)
            m_face->rotulo(i).caption.clear();
        for (int j = 0; j <= m_face->ultimoIcone(); ++j) {
            m_face->icone(j)->hide();
            m_face->icone2(j)->hide();
        }
        m_face->update();
        return;
    }

    bool achou = false;
    for (int i = 0; i <= m_lista->UBound_lblTHGrid(); ++i) {
        const QString tag = m_lista->Tag_lblTHGrid(i);
        for (int f = 0; f <= m_face->ultimoRotulo(); ++f) {
            THBarra::Rotulo& r = m_face->rotulo(f);
            if (r.tag == tag) {
                r.caption = SemEspacosAEsquerda(m_lista->Caption_lblTHGrid(i));
                achou = true;
            }
        }
    }
    if (!achou) {
        try {
            const RecordsetPtr rs = recordset();
            THBarra::Rotulo& r = m_face->rotulo(0);
            const platform::dao::Field campo = rs->Fields(r.tag);
            if (!campo.IsNull())
                r.caption = campo.Text();
        } catch (const platform::Error&) {
        }
    }
    for (int j = 0; j <= m_lista->UBound_imgSelecionado(); ++j) {
        m_face->icone2(j)->hide();
        m_face->icone(j)->setVisible(m_lista->Visible_imgSelecionado(j));
    }
    m_face->update();
}

// ---------------------------------------------------------------------------
// Members

void THCombo::Scroll(long sCols, long sRows, bool sAtualizaGrid)
{
    if (aberta())
        m_lista->Scroll(sCols, sRows, sAtualizaGrid);
}

void THCombo::Descarrega()
{
    m_colunasConfiguradas = false;
    m_cliqueUsuario = false;
    mNaoFecharExitFocus = false;
    m_bookmarkEscolhido = BM{};
    m_chaveDestaque = kForm;
    m_lista->Descarrega();
    m_face->descarregaLinhas();
    m_face->descarregaRotulos();
    m_face->descarregaIcones();
    ligaIconeFace(0);
    m_face->show();
    m_texto->hide();
    atualizaMascara();
}

void THCombo::VisiblePctTexto(bool sVisible, const QString& sTexto, int sAlignment)
{
    m_face->setVisible(!sVisible);
    m_texto->setVisible(sVisible);
    THBarra::Rotulo& r = m_texto->rotulo(0);
    r.alinhamento = sAlignment;
    r.caption = sTexto;
    m_texto->update();
    m_face->update();
    atualizaMascara();
}

void THCombo::ObtemDataControl(DataControl* sDataControl)
{
    m_lista->ObtemDataControl(sDataControl);
    m_dataControl = sDataControl;
}

void THCombo::ApagaSelecao()
{
    TrocaDestaque(kForm);
    m_lista->ApagaSelecao();
}

void THCombo::AnalisarScollProximoRefresh()
{
    m_lista->AnalisarScollProximoRefresh();
}

void THCombo::AtualizaCombo()
{
    garanteTamanho();
    m_lista->AtualizaGrid();
    AtualizaFace();
    m_bookmarkEscolhido = temRegistroAtual() ? recordset()->GetBookmark() : BM{};
}

void THCombo::ObtemPictures(const THPictures& sPictures)
{
    m_lista->ObtemPictures(sPictures);
}

DataControl* THCombo::DataSource() const
{
    return m_lista->DataSource();
}

void THCombo::SetDataSource(DataControl* dc)
{
    m_lista->SetDataSource(dc);
}

long THCombo::BackColor() const
{
    return platform::bgrFromColor(m_face->corFundo());
}

void THCombo::SetBackColor(long cor)
{
    AplicaBackColor(cor);
}

void THCombo::AplicaBackColor(long cor)
{
    m_face->setCorFundo(platform::colorFromBgr(cor));
    m_texto->setCorFundo(platform::colorFromBgr(cor));
}

void THCombo::SetEnabled(bool v)
{
    AplicaEnabled(v);
}

void THCombo::AplicaEnabled(bool v)
{
    if (v) {
        for (QWidget* w : {static_cast<QWidget*>(m_texto), static_cast<QWidget*>(m_face)})
            w->setCursor(THImagens::CursorMao());
        m_seta->setPonteiro(99);
    } else {
        m_texto->unsetCursor();
        m_face->unsetCursor();
        m_seta->setPonteiro(0);
        TrocaDestaque(kForm);
    }
    for (THBarra::Rotulo* r : {&m_texto->rotulo(0), &m_face->rotulo(0)}) {
        r->cor = v ? kCorHabilitado : kCorDesabilitado;
        r->italico = !v;
    }
    m_texto->update();
    m_face->update();
    m_habilitado = v;
}

void THCombo::ReadProperties(const QVariantMap& bag)
{
    const QVariant cor = bag.value(QStringLiteral("BackColor"), 0xFFFFFF);
    bool ok = false;
    const long c = cor.toLongLong(&ok);
    if (ok)
        AplicaBackColor(c);
    const QVariant habilitado = bag.value(QStringLiteral("Enabled"), true);
    if (habilitado.canConvert<bool>())
        AplicaEnabled(habilitado.toBool());
}

QVariantMap THCombo::WriteProperties() const
{
    return {{QStringLiteral("BackColor"), static_cast<qlonglong>(BackColor())}, {QStringLiteral("Enabled"), m_habilitado}};
}

// ---------------------------------------------------------------------------
// Behaviour

void THCombo::TrocaDestaque(const QString& chave)
{
    if (!m_habilitado || chave == m_chaveDestaque)
        return;
    const auto controle = [this](const QString& k) -> QWidget* {
        if (k == kFlecha)
            return m_seta2;
        if (k.startsWith(kSelecionado)) {
            bool ok = false;
            const int n = k.mid(kSelecionado.size()).toInt(&ok);
            if (ok && n >= 0 && n <= m_face->ultimoIcone())
                return m_face->icone2(n);
        }
        return nullptr;
    };
    if (chave != kForm && !chave.startsWith(QLatin1Char('>'))) {
        if (QWidget* w = controle(chave))
            w->show();
    }
    if (m_chaveDestaque != kForm) {
        if (m_chaveDestaque.startsWith(QLatin1Char('>')))
            m_lista->ApagaSelecao();
        else if (QWidget* w = controle(m_chaveDestaque))
            w->hide();
    }
    m_chaveDestaque = chave;
}

void THCombo::mouseMoveEvent(QMouseEvent* e)
{
    TrocaDestaque(kForm);
    Q_EMIT MouseMove(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                     static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
}

void THCombo::abreFecha()
{
    if (!m_habilitado)
        return;
    if (aberta()) {
        fechaSemEscolha();
        return;
    }
    m_lista->show();
    m_lista->raise();
    atualizaMascara();
    m_lista->setFocus();
    Q_EMIT OpenCombo();
}

void THCombo::fechaSemEscolha()
{
    m_lista->hide();
    atualizaMascara();
    if (!m_bookmarkEscolhido.isNull()) {
        // A choice from before a requery is refused by the recordset and
        // leaves it where it is.
        try {
            if (const RecordsetPtr rs = recordset())
                rs->SetBookmark(m_bookmarkEscolhido);
        } catch (const platform::Error&) {
        }
    }
}

void THCombo::exitFocus()
{
    if (mNaoFecharExitFocus)
        return;
    fechaSemEscolha();
}

void THCombo::teclaEsc()
{
    // The focus leaves the control, then the list closes as on any loss of
    // the focus.
    QWidget* alvo = nullptr;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!Contem(this, w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            alvo = w;
            break;
        }
    }
    if (alvo)
        alvo->setFocus(Qt::OtherFocusReason);
    else if (QWidget* f = QApplication::focusWidget(); Contem(this, f))
        f->clearFocus();
    exitFocus();
}

void THCombo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        Modulo::Guarda([this] { teclaEsc(); });
        return;
    }
    QWidget::keyPressEvent(e);
}

bool THCombo::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        e->accept();
        Modulo::Guarda([this] { teclaEsc(); });
        return true;
    }
    return QWidget::eventFilter(o, e);
}

void THCombo::listaRowColChange()
{
    // Only a row change that follows a click chooses; keys in the open list
    // and moves of the recordset by the host choose nothing.
    if (m_cliqueUsuario) {
        m_cliqueUsuario = false;
        m_tmr.start();
    }
}

void THCombo::tmrTick()
{
    m_tmr.stop();
    platform::DoEvents();
    AtualizaFace();
    m_bookmarkEscolhido = temRegistroAtual() ? recordset()->GetBookmark() : BM{};
    if (aberta()) {
        m_lista->hide();
        atualizaMascara();
        platform::DoEvents();
        Q_EMIT Click();
    }
}
